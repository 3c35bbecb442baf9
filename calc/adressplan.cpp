// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/adressplan.h"

#include <algorithm>
#include <bit>

#include "calc/bloecke.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

constexpr std::uint64_t adressraum = std::uint64_t{1} << 32;

// The prefix of the smallest block that holds h hosts besides net and
// broadcast address; RFC 3021 lets a link of two use a /31 and one host a /32.
int blockpraefix(std::uint32_t hosts, bool rfc3021)
{
    if (rfc3021 && hosts <= 2)
        return 33 - static_cast<int>(hosts);
    const std::uint64_t groesse = std::max<std::uint64_t>(std::bit_ceil(std::uint64_t{hosts} + 2), 4);
    return 32 - std::countr_zero(groesse);
}

std::string passtNicht(const Netzangabe& netz, std::uint64_t belegt)
{
    const std::string bedarf = "Der Bedarf von " + anzahlMitWort(belegt, "Adresse", "Adressen");
    if (belegt > adressraum)
        return bedarf + " passt nicht einmal in den ganzen IPv4-Adressraum ("
               + anzahlMitWort(adressraum, "Adresse", "Adressen") + ")";
    const int noetig = 32 - std::countr_zero(std::bit_ceil(belegt));
    return bedarf + " passt nicht in " + netzText(netz) + " ("
           + anzahlMitWort(netzgroesse(netz.praefix), "Adresse", "Adressen") + ") und braucht mindestens ein /"
           + std::to_string(noetig);
}

std::string belegung(std::size_t netze, std::uint64_t belegt, std::uint64_t gesamt)
{
    return anzahlMitWort(netze, "Netz", "Netze") + " geplant, " + mitTausenderpunkten(belegt) + " von "
           + anzahlMitWort(gesamt, "Adresse", "Adressen") + " belegt (" + prozentText(belegt, gesamt) + "), "
           + mitTausenderpunkten(gesamt - belegt) + " frei";
}

} // namespace

Plan plane(const Netzangabe& netz, const std::vector<Bedarf>& bedarf, bool rfc3021)
{
    Plan plan;
    if (netz.praefix < 0 || netz.praefix > 32) {
        plan.meldung = "Die Präfixlänge muss eine Zahl von 0 bis 32 sein";
        return plan;
    }
    const Netzangabe n{netz.netz & maske(netz.praefix), netz.praefix};

    std::uint64_t belegt = 0;
    for (std::size_t i = 0; i < bedarf.size(); ++i) {
        if (!bedarf[i].hosts)
            continue;
        // A value beyond the limit, which leseHosts never gives, is planned as the limit.
        const std::uint32_t hosts = std::clamp<std::uint32_t>(*bedarf[i].hosts, 1, hoechsteHosts);
        const int praefix = blockpraefix(hosts, rfc3021);
        plan.zeilen.push_back({static_cast<int>(i) + 1, 0, praefix, hosts});
        belegt += netzgroesse(praefix);
    }
    const std::uint64_t gesamt = netzgroesse(n.praefix);
    if (belegt > gesamt) {
        plan.zeilen.clear();
        plan.meldung = passtNicht(n, belegt);
        return plan;
    }

    // Largest first: each block then starts where all larger ones ended, a
    // multiple of its own size, so back to back is aligned.
    std::stable_sort(plan.zeilen.begin(), plan.zeilen.end(),
                     [](const Planzeile& a, const Planzeile& b) { return a.praefix < b.praefix; });
    std::uint64_t naechste = n.netz;
    for (Planzeile& zeile : plan.zeilen) {
        zeile.netz = static_cast<Adresse>(naechste);
        naechste += netzgroesse(zeile.praefix);
    }
    const std::size_t netze = plan.zeilen.size();
    for (const Block& frei : bloeckeVon(naechste, std::uint64_t{n.netz} + gesamt - 1))
        plan.zeilen.push_back({0, frei.netz, frei.praefix, std::nullopt});

    plan.meldung = netze == 0 ? "Noch kein Netz geplant, " + anzahlMitWort(gesamt, "Adresse", "Adressen") + " frei"
                              : belegung(netze, belegt, gesamt);
    plan.gelungen = true;
    return plan;
}

} // namespace netzplaner
