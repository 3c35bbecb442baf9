// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/browser.h"

#include <QDesktopServices>

Browser::Browser()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "oeffne");
}

Browser::~Browser()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}
