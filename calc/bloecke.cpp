// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/bloecke.h"

#include <bit>

namespace netzplaner {

std::vector<Block> bloeckeVon(std::uint64_t erste, std::uint64_t letzte)
{
    constexpr std::uint64_t raum = std::uint64_t{1} << 32;
    std::vector<Block> bloecke;
    if (erste > letzte || letzte >= raum)
        return bloecke;
    // Each step takes the largest block that starts aligned at erste and ends
    // within the range; a range splits into at most 62 blocks this way.
    for (std::uint64_t ende = letzte + 1; erste < ende;) {
        const int ausrichtung = erste == 0 ? 32 : std::countr_zero(erste);
        int bits = std::bit_width(ende - erste) - 1; // the largest 2^bits that fits
        if (bits > ausrichtung)
            bits = ausrichtung;
        bloecke.push_back({static_cast<std::uint32_t>(erste), 32 - bits});
        erste += std::uint64_t{1} << bits;
    }
    return bloecke;
}

} // namespace netzplaner
