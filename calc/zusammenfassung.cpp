// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/zusammenfassung.h"

#include <bit>
#include <utility>

#include "calc/adresse.h"

namespace netzplaner {

std::vector<Block> alsBloecke(const Intervalle& menge)
{
    std::vector<Block> bloecke;
    // Blocks never cross a gap between intervals, so the fewest for each
    // interval are the fewest for all.
    for (const Intervall& stueck : menge) {
        const auto teil = bloeckeVon(stueck.erste, stueck.letzte);
        bloecke.insert(bloecke.end(), teil.begin(), teil.end());
    }
    return bloecke;
}

Block umfassendesNetz(std::uint64_t erste, std::uint64_t letzte)
{
    // The net's bits are those the two ends share from the left.
    const int praefix = std::countl_zero(static_cast<std::uint32_t>(erste ^ letzte));
    return {static_cast<std::uint32_t>(erste) & maske(praefix), praefix};
}

Zusammenfassung fasseZusammen(std::string_view text)
{
    Eintraege eintraege = leseEintraege(text);
    const Intervalle menge = ohne(vereinige(std::move(eintraege.hinein)), vereinige(std::move(eintraege.heraus)));

    Zusammenfassung ergebnis;
    ergebnis.bloecke = alsBloecke(menge);
    ergebnis.adressen = anzahlAdressen(menge);
    if (!menge.empty()) {
        ergebnis.umfassend = umfassendesNetz(menge.front().erste, menge.back().letzte);
        ergebnis.zusaetzlich = netzgroesse(ergebnis.umfassend->praefix) - ergebnis.adressen;
    }
    ergebnis.eintraege = eintraege.anzahl;
    ergebnis.fehler = std::move(eintraege.fehler);
    return ergebnis;
}

} // namespace netzplaner
