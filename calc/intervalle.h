// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
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

// The same pieces handed to nimm in address order, for lists too long to hold
// twice. Menge and Abzug: sorted intervals, with size() and an operator[]
// that gives an Intervall.
template <typename Menge, typename Abzug, typename Nimm>
void fuerStueckeOhne(const Menge& menge, const Abzug& abzug, Nimm&& nimm)
{
    std::size_t weg = 0;
    for (std::size_t i = 0; i < menge.size(); ++i) {
        Intervall stueck = menge[i];
        // Both are sorted: what lies wholly before this piece lies before
        // every later one too.
        while (weg < abzug.size() && abzug[weg].letzte < stueck.erste)
            ++weg;
        for (std::size_t w = weg; w < abzug.size() && abzug[w].erste <= stueck.letzte; ++w) {
            const Intervall aus = abzug[w];
            if (aus.erste > stueck.erste)
                nimm(Intervall{stueck.erste, aus.erste - 1});
            stueck.erste = aus.letzte + 1;
        }
        if (stueck.erste <= stueck.letzte)
            nimm(stueck);
    }
}

std::uint64_t anzahlAdressen(const Intervalle& menge);

} // namespace netzplaner
