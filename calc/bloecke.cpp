// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/bloecke.h"

#include <bit>

namespace netzplaner {

std::vector<Block> bloeckeVon(std::uint64_t erste, std::uint64_t letzte)
{
    std::vector<Block> bloecke;
    // Each step takes the largest block that starts aligned at erste and
    // stays within the range; that greedy choice gives the fewest blocks.
    while (erste <= letzte && letzte < (std::uint64_t{1} << 32)) {
        std::uint64_t groesse = erste == 0 ? std::uint64_t{1} << 32 : erste & (~erste + 1);
        while (groesse > letzte - erste + 1)
            groesse /= 2;
        bloecke.push_back({static_cast<std::uint32_t>(erste), 32 - std::countr_zero(groesse)});
        erste += groesse;
    }
    return bloecke;
}

} // namespace netzplaner
