// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "calc/eingaben.h"

namespace netzplaner {

// The choice the net list shows, read from the main window's input snapshot.
struct Netzwahl {
    Oktette ip;
    Netzart netzart;
    Adressanteil anteil;
    std::uint8_t bits; // 0 for "Normal", whatever its field holds

    friend bool operator==(const Netzwahl&, const Netzwahl&) = default;
};

// nullopt where the main window shows no net of its own for the snapshot: a
// text that does not convert by the calculation's own rule, no net kind or no
// address part on, or a bit count above 8, for which it writes no mask.
std::optional<Netzwahl> netzwahlAus(const Eingaben& eingaben);

} // namespace netzplaner
