// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/maske.h"

#include <algorithm>

namespace netzplaner {

Oktette maskeMitPraefix(int praefix)
{
    Oktette maske{};
    for (int i = 0; i < 4; ++i) {
        // Bits of this octet that belong to the mask, 0..8.
        const int einsen = std::clamp(praefix - 8 * i, 0, 8);
        maske[i] = static_cast<std::uint8_t>(0xFF00u >> einsen);
    }
    return maske;
}

std::optional<int> praefixLaenge(Netzart netzart, Adressanteil anteil, std::uint8_t n)
{
    const int k = 8 * (static_cast<int>(anteil) + 1);
    if (netzart == Netzart::Normal)
        return k;
    // A bit count of 0 means the address part as it is: a subnet or supernet
    // of zero bits is the class net itself, as the counts (254 hosts, 1 net) say.
    if (n > 8)
        return std::nullopt;
    return netzart == Netzart::SubNetz ? k + n : k - n;
}

} // namespace netzplaner
