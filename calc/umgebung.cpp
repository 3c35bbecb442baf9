// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/umgebung.h"

namespace netzplaner {

const std::array<Umgebungsregeln, 4>& umgebungen()
{
    static constexpr std::array<Umgebungsregeln, 4> tabelle{{
        {Umgebung::klassisch, "klassisch", "Klassisch", 1, 1, 30, 0},
        {Umgebung::aws, "aws", "AWS", 4, 1, 28, 16},
        {Umgebung::azure, "azure", "Azure", 4, 1, 29, 0},
        {Umgebung::gcp, "gcp", "Google Cloud", 2, 2, 29, 0},
    }};
    return tabelle;
}

const Umgebungsregeln& regelnVon(Umgebung umgebung)
{
    return umgebungen()[static_cast<std::size_t>(umgebung)];
}

std::optional<Umgebung> umgebungZuSchluessel(std::string_view schluessel)
{
    for (const Umgebungsregeln& regeln : umgebungen())
        if (regeln.schluessel == schluessel)
            return regeln.umgebung;
    return std::nullopt;
}

} // namespace netzplaner
