// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form1.h"

namespace netzplaner {

void Form1::oeffnePlandatei(const QString& pfad)
{
    Q_UNUSED(pfad);
}

} // namespace netzplaner
