// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace netzplaner {

struct Block {
    std::uint32_t netz;
    int praefix;
};

// The fewest CIDR blocks that cover exactly erste..letzte (inclusive, within
// 0 .. 2^32-1), in address order.
std::vector<Block> bloeckeVon(std::uint64_t erste, std::uint64_t letzte);

} // namespace netzplaner
