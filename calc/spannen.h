// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/intervalle.h"

namespace netzplaner {

// Intervals for lists of millions of entries, in half the memory of a vector
// of Intervall: each packed into one number, erste in the high half, so that
// sorting the numbers sorts the intervals by their start. Grown with realloc,
// which the system does by remapping, never holding the old and the new copy.
class Spannenliste {
public:
    Spannenliste() = default;
    Spannenliste(const Spannenliste&) = delete;
    Spannenliste& operator=(const Spannenliste&) = delete;
    ~Spannenliste();

    // Intervals within 0 .. 2^32-1, as the entry reader gives them.
    void fuegeAn(const std::vector<Intervall>& neue);
    // Sorted, with overlapping and touching intervals joined, where they lie:
    // what vereinige gives.
    void vereinige();

    std::size_t size() const { return anzahl_; }
    Intervall operator[](std::size_t i) const { return {daten_[i] >> 32, daten_[i] & 0xFFFFFFFFu}; }

private:
    std::uint64_t* daten_ = nullptr;
    std::size_t anzahl_ = 0;
    std::size_t platz_ = 0;
};

} // namespace netzplaner
