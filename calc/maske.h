// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc/eingaben.h"

namespace netzplaner {

// The mask of p leading one bits (0..32).
Oktette maskeMitPraefix(int praefix);

// Prefix length for a net kind, an address part and a bit count n; nullopt
// where no mask is to be written (n above 8).
std::optional<int> praefixLaenge(Netzart netzart, Adressanteil anteil, std::uint8_t n);

} // namespace netzplaner
