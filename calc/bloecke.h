// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

namespace netzplaner {

// A CIDR block: its first address and its prefix length (0..32).
struct Block {
    std::uint32_t netz;
    int praefix;

    bool operator==(const Block&) const = default;
};

// The fewest CIDR blocks that hold exactly the addresses erste..letzte, both
// included, in address order. The bounds are 64-bit so that the whole space,
// 0..2^32-1, needs no special case; erste > letzte or letzte >= 2^32 gives none.
std::vector<Block> bloeckeVon(std::uint64_t erste, std::uint64_t letzte);

// The same blocks, each handed to nimm as it is found, for lists too long to
// hold them all.
template <typename Nimm>
void fuerBloeckeVon(std::uint64_t erste, std::uint64_t letzte, Nimm&& nimm)
{
    constexpr std::uint64_t raum = std::uint64_t{1} << 32;
    if (erste > letzte || letzte >= raum)
        return;
    // Each step takes the largest block that starts aligned at erste and ends
    // within the range; a range splits into at most 62 blocks this way.
    for (std::uint64_t ende = letzte + 1; erste < ende;) {
        const int ausrichtung = erste == 0 ? 32 : std::countr_zero(erste);
        int bits = std::bit_width(ende - erste) - 1; // the largest 2^bits that fits
        if (bits > ausrichtung)
            bits = ausrichtung;
        nimm(Block{static_cast<std::uint32_t>(erste), 32 - bits});
        erste += std::uint64_t{1} << bits;
    }
}

} // namespace netzplaner
