// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/steuerelement.h"

namespace netzplaner {

QString indexName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace netzplaner
