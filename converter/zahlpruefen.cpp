// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/zahlpruefen.h"

namespace netzplaner {

void zahlpruefen(std::int16_t& code)
{
    constexpr std::int16_t rueckschritt = 8;
    if (code == rueckschritt)
        return;
    if (code < '0' || code > '9')
        code = 0;
}

} // namespace netzplaner
