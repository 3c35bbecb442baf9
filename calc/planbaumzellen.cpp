// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the plan in levels.
#include <algorithm>

#include "calc/netzzeile.h"
#include "calc/planbaum.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

// A subnet's hosts as its environment leaves them; Klassisch as every table
// of the program writes a net.
std::uint64_t subnetzhosts(const Planblock& block, Umgebung umgebung)
{
    const Umgebungsregeln& regeln = regelnVon(umgebung);
    if (umgebung == Umgebung::klassisch && block.praefix >= 31)
        return netzgroesse(block.praefix);
    return netzgroesse(block.praefix) - std::uint64_t(regeln.davor + regeln.danach);
}

Netzzellen subnetzzellen(const Planblock& block, Umgebung umgebung)
{
    if (umgebung == Umgebung::klassisch)
        return netzzellen(block.netz, block.praefix);
    const Umgebungsregeln& regeln = regelnVon(umgebung);
    const Adresse letzte = block.netz | ~maske(block.praefix);
    return {cidrText(block.netz, block.praefix), adressText(block.netz + Adresse(regeln.davor)),
            adressText(letzte - Adresse(regeln.danach)), adressText(letzte),
            std::to_string(subnetzhosts(block, umgebung))};
}

void sammle(const std::vector<Planblock>& bloecke, int tiefe, Umgebung umgebung, std::vector<Planzeilentext>& zeilen)
{
    for (const Planblock& block : bloecke) {
        zeilen.push_back({tiefe, block.art, planzellen(block, umgebung)});
        sammle(block.kinder, tiefe + 1, umgebung, zeilen);
    }
}

} // namespace

std::array<std::string, planspalten> planzellen(const Planblock& block, Umgebung umgebung)
{
    const int praefix = std::clamp(block.praefix, 0, 32);
    const bool subnetz = block.art == Planart::bedarf || block.art == Planart::fest;
    const Netzzellen zellen = subnetz ? subnetzzellen(block, umgebung) : netzzellen(block.netz, praefix);
    std::string bedarf, auslastung;
    if (block.bedarf)
        bedarf = std::to_string(*block.bedarf);
    if (block.art == Planart::gruppe)
        auslastung = prozentText(block.belegt, netzgroesse(praefix));
    else if (subnetz && block.bedarf)
        auslastung = prozentText(*block.bedarf, subnetzhosts(block, umgebung));
    return {block.nr,      block.name,     bedarf,           zellen.netz,  adressText(maske(praefix)),
            zellen.erster, zellen.letzter, zellen.broadcast, zellen.hosts, auslastung};
}

std::vector<Planzeilentext> planzeilen(const Planbaum& plan)
{
    std::vector<Planzeilentext> zeilen;
    sammle(plan.zeilen, 0, plan.umgebung, zeilen);
    return zeilen;
}

} // namespace netzplaner
