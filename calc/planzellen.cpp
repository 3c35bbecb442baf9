// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the plan table.
#include "calc/planzellen.h"

#include "calc/adressplan.h"

#include <algorithm>

#include "calc/netzzeile.h"
#include "calc/text.h"

namespace netzplaner {

const std::array<std::string_view, planspalten>& planspaltenNamen()
{
    using namespace std::string_view_literals;
    static constexpr std::array namen{"Nr."sv,         "Name"sv,         "Bedarf"sv,    "Netz"sv,  "Maske"sv,
                                      "Erster Host"sv, "Letzter Host"sv, "Broadcast"sv, "Hosts"sv, "Auslastung"sv};
    return namen;
}

std::array<std::string, planspalten> planzellen(const Planzeile& zeile, std::string_view name)
{
    const int praefix = std::clamp(zeile.praefix, 0, 32);
    const Netzzellen zellen = netzzellen(zeile.netz, praefix);
    std::string nr, bedarf, auslastung;
    if (zeile.bedarf) {
        nr = std::to_string(zeile.nr);
        bedarf = std::to_string(*zeile.bedarf);
        const std::uint64_t hosts = praefix >= 31 ? netzgroesse(praefix) : netzgroesse(praefix) - 2;
        auslastung = prozentText(*zeile.bedarf, hosts);
    }
    return {nr,
            std::string(name),
            bedarf,
            zellen.netz,
            adressText(maske(praefix)),
            zellen.erster,
            zellen.letzter,
            zellen.broadcast,
            zellen.hosts,
            auslastung};
}

} // namespace netzplaner
