// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/intervalle.h"

#include <algorithm>

namespace netzplaner {

Intervalle vereinige(std::vector<Intervall> intervalle)
{
    std::sort(intervalle.begin(), intervalle.end(),
              [](const Intervall& a, const Intervall& b) { return a.erste < b.erste; });
    Intervalle menge;
    for (const Intervall& neu : intervalle) {
        // Touching intervals join too: 10.0.0.0/25 and 10.0.0.128/25 are one.
        if (!menge.empty() && neu.erste <= menge.back().letzte + 1)
            menge.back().letzte = std::max(menge.back().letzte, neu.letzte);
        else
            menge.push_back(neu);
    }
    return menge;
}

Intervalle ohne(const Intervalle& menge, const Intervalle& abzug)
{
    Intervalle rest;
    auto weg = abzug.begin();
    for (Intervall stueck : menge) {
        // Both are sorted: what lies wholly before this piece lies before
        // every later one too.
        while (weg != abzug.end() && weg->letzte < stueck.erste)
            ++weg;
        for (auto w = weg; w != abzug.end() && w->erste <= stueck.letzte; ++w) {
            if (w->erste > stueck.erste)
                rest.push_back({stueck.erste, w->erste - 1});
            stueck.erste = w->letzte + 1;
        }
        if (stueck.erste <= stueck.letzte)
            rest.push_back(stueck);
    }
    return rest;
}

std::uint64_t anzahlAdressen(const Intervalle& menge)
{
    std::uint64_t anzahl = 0;
    for (const Intervall& stueck : menge)
        anzahl += stueck.letzte - stueck.erste + 1;
    return anzahl;
}

} // namespace netzplaner
