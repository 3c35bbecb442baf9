// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/spannen.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace netzplaner {

Spannenliste::~Spannenliste()
{
    std::free(daten_);
}

void Spannenliste::fuegeAn(const std::vector<Intervall>& neue)
{
    if (anzahl_ + neue.size() > platz_) {
        const std::size_t platz = std::max({anzahl_ + neue.size(), 2 * platz_, std::size_t{4096}});
        void* mehr = std::realloc(daten_, platz * sizeof(std::uint64_t));
        if (!mehr)
            throw std::bad_alloc();
        daten_ = static_cast<std::uint64_t*>(mehr);
        platz_ = platz;
    }
    for (const Intervall& neu : neue)
        daten_[anzahl_++] = neu.erste << 32 | neu.letzte;
}

void Spannenliste::vereinige()
{
    std::sort(daten_, daten_ + anzahl_);
    std::size_t menge = 0;
    std::uint64_t erste = 0, letzte = 0;
    for (std::size_t i = 0; i < anzahl_; ++i) {
        const Intervall neu = (*this)[i];
        // Touching intervals join too: 10.0.0.0/25 and 10.0.0.128/25 are one.
        if (menge > 0 && neu.erste <= letzte + 1) {
            letzte = std::max(letzte, neu.letzte);
        } else {
            if (menge > 0)
                daten_[menge - 1] = erste << 32 | letzte;
            ++menge;
            erste = neu.erste;
            letzte = neu.letzte;
        }
    }
    if (menge > 0)
        daten_[menge - 1] = erste << 32 | letzte;
    anzahl_ = menge;
}

} // namespace netzplaner
