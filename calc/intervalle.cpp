// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/intervalle.h"

#include <algorithm>

namespace netzplaner {

Intervalle vereinige(std::vector<Intervall> intervalle)
{
    std::sort(intervalle.begin(), intervalle.end(),
              [](const Intervall& a, const Intervall& b) { return a.erste < b.erste; });
    // Merged where they lie, so that a list of millions needs no second copy.
    std::size_t menge = 0;
    for (const Intervall& neu : intervalle) {
        // Touching intervals join too: 10.0.0.0/25 and 10.0.0.128/25 are one.
        if (menge > 0 && neu.erste <= intervalle[menge - 1].letzte + 1)
            intervalle[menge - 1].letzte = std::max(intervalle[menge - 1].letzte, neu.letzte);
        else
            intervalle[menge++] = neu;
    }
    intervalle.resize(menge);
    return intervalle;
}

Intervalle ohne(const Intervalle& menge, const Intervalle& abzug)
{
    Intervalle rest;
    fuerStueckeOhne(menge, abzug, [&](const Intervall& stueck) { rest.push_back(stueck); });
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
