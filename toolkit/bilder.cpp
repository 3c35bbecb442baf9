// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/bilder.h"

namespace netzplaner {

QString bildpfad(const char* datei)
{
    return QStringLiteral(":/bilder/") + QLatin1String(datei);
}

QIcon fenstersymbol()
{
    return QIcon(bildpfad("augen_offen.xpm"));
}

} // namespace netzplaner
