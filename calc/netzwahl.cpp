// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/netzwahl.h"

#include "calc/text.h"

namespace netzplaner {

std::optional<Netzwahl> netzwahlAus(const Eingaben& eingaben)
{
    if (!eingaben.netzart || !eingaben.adressanteil)
        return std::nullopt;
    Netzwahl wahl{{}, *eingaben.netzart, *eingaben.adressanteil, 0};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto oktett = textZuByte(eingaben.oktette[i]);
        if (!oktett)
            return std::nullopt;
        wahl.ip[i] = *oktett;
    }
    // "Normal" greys the bit-count field out; its text counts for nothing then.
    if (wahl.netzart != Netzart::Normal) {
        const auto bits = textZuByte(eingaben.bits);
        if (!bits || *bits > 8)
            return std::nullopt;
        wahl.bits = *bits;
    }
    return wahl;
}

} // namespace netzplaner
