// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/bloecke.h"

namespace netzplaner {

std::vector<Block> bloeckeVon(std::uint64_t erste, std::uint64_t letzte)
{
    std::vector<Block> bloecke;
    fuerBloeckeVon(erste, letzte, [&](const Block& block) { bloecke.push_back(block); });
    return bloecke;
}

} // namespace netzplaner
