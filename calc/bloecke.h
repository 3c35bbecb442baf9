// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

} // namespace netzplaner
