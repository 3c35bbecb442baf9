// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace netzplaner {

// The addresses erste..letzte, both included. 64 bits, so that one past the
// last address 255.255.255.255 and the 2^32 addresses of 0.0.0.0/0 are plain
// numbers rather than cases of their own.
struct Intervall {
    std::uint64_t erste;
    std::uint64_t letzte;

    bool operator==(const Intervall&) const = default;
};

// Sorted by address, with a gap of at least one address between neighbours:
// the one way to write a set of addresses as intervals.
using Intervalle = std::vector<Intervall>;

// The addresses of any intervals (erste <= letzte each, in any order,
// overlapping or not) as sorted intervals.
Intervalle vereinige(std::vector<Intervall> intervalle);

// The addresses of menge that are not in abzug.
Intervalle ohne(const Intervalle& menge, const Intervalle& abzug);

std::uint64_t anzahlAdressen(const Intervalle& menge);

} // namespace netzplaner
