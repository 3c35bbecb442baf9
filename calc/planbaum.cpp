// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/planbaum.h"

#include <algorithm>
#include <bit>

#include "calc/bloecke.h"
#include "calc/planer.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

constexpr std::uint64_t adressraum = std::uint64_t{1} << 32;

// Without fixed nets, largest first back to back fails exactly when the top
// level's sum is too large: the row that found no room, that sum and the
// prefix it needs.
std::string passtNicht(const Werkzeile& zeile, const Netzangabe& netz, std::uint64_t belegt)
{
    const std::string bedarf = ": der Bedarf von " + anzahlMitWort(belegt, "Adresse", "Adressen");
    if (belegt > adressraum)
        return passtNichtKopf(zeile, netzText(netz)) + bedarf + " passt nicht einmal in den ganzen IPv4-Adressraum ("
               + anzahlMitWort(adressraum, "Adresse", "Adressen") + ")";
    const int noetig = 32 - std::countr_zero(std::bit_ceil(belegt));
    return passtNichtKopf(zeile,
                          netzText(netz) + " (" + anzahlMitWort(netzgroesse(netz.praefix), "Adresse", "Adressen") + ")")
           + bedarf + " braucht mindestens ein /" + std::to_string(noetig);
}

std::string belegung(std::size_t netze, std::uint64_t belegt, std::uint64_t gesamt)
{
    if (netze == 0 && belegt == 0)
        return "Noch kein Netz geplant, " + anzahlMitWort(gesamt, "Adresse", "Adressen") + " frei";
    return anzahlMitWort(netze, "Netz", "Netze") + " geplant, " + mitTausenderpunkten(belegt) + " von "
           + anzahlMitWort(gesamt, "Adresse", "Adressen") + " belegt (" + prozentText(belegt, gesamt) + "), "
           + mitTausenderpunkten(gesamt - belegt) + " frei";
}

// The used blocks in address order, then the free rest of [anfang, ende).
std::vector<Planblock> bloeckeAus(std::vector<Werkzeile>& knoten, std::uint64_t anfang, std::uint64_t ende)
{
    // Sorted with its key beside it: the rows themselves lie far apart.
    std::vector<std::pair<std::uint64_t, Werkzeile*>> benutzt;
    for (Werkzeile& k : knoten)
        if (k.groesse > 0)
            benutzt.emplace_back(k.netz, &k);
    std::sort(benutzt.begin(), benutzt.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Planblock> bloecke;
    bloecke.reserve(benutzt.size() + 1);
    std::vector<Block> frei;
    std::uint64_t zeiger = anfang;
    for (const auto& [netz, k] : benutzt) {
        const Planknoten& zeile = *k->quelle;
        const int praefix = 32 - std::countr_zero(k->groesse);
        Planblock block{k->gruppe()  ? Planart::gruppe
                        : zeile.fest ? Planart::fest
                                     : Planart::bedarf,
                        std::move(k->nr),
                        zeile.name,
                        static_cast<Adresse>(k->netz),
                        praefix,
                        k->gruppe() || zeile.hosts ? std::optional(k->hosts) : std::nullopt};
        if (k->gruppe()) {
            for (const Werkzeile& kind : k->kinder)
                block.belegt += kind.groesse;
            block.kinder = bloeckeAus(k->kinder, k->netz, k->netz + k->groesse);
        }
        bloecke.push_back(std::move(block));
        for (const Block& b : bloeckeVon(zeiger, k->netz - 1))
            frei.push_back(b);
        zeiger = k->netz + k->groesse;
    }
    for (const Block& b : bloeckeVon(zeiger, ende - 1))
        frei.push_back(b);
    for (const Block& b : frei)
        bloecke.push_back({Planart::frei, {}, "frei", b.netz, b.praefix, std::nullopt});
    return bloecke;
}

} // namespace

Planbaum plane(const Planauftrag& auftrag)
{
    Planbaum plan;
    plan.umgebung = auftrag.umgebung;
    if (auftrag.netz.praefix < 0 || auftrag.netz.praefix > 32) {
        plan.meldung = "Die Präfixlänge muss eine Zahl von 0 bis 32 sein";
        return plan;
    }
    const Netzangabe netz{auftrag.netz.netz & maske(auftrag.netz.praefix), auftrag.netz.praefix};
    const std::uint64_t gesamt = netzgroesse(netz.praefix);
    Planer planer(auftrag);
    std::vector<Werkzeile> knoten;
    if (!planer.bemesse(auftrag.bedarf, "", netz, netzText(netz), knoten)) {
        plan.meldung = std::move(planer.fehler);
        return plan;
    }
    std::uint64_t belegt = 0;
    for (const Werkzeile& k : knoten)
        belegt += k.groesse;
    if (!planer.platziere(knoten, netz.netz, gesamt, netzText(netz))) {
        plan.meldung = planer.festeGesehen ? std::move(planer.fehler) : passtNicht(*planer.ohnePlatz, netz, belegt);
        return plan;
    }
    plan.zeilen = bloeckeAus(knoten, netz.netz, netz.netz + gesamt);
    plan.meldung = belegung(planer.netze, belegt, gesamt);
    return plan;
}

} // namespace netzplaner
