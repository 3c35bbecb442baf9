// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "calc/eingaben.h"

namespace netzplaner {

// The two-line counts text beside the results: how many class nets a supernet
// joins, or how many hosts each subnet holds; empty for "Normal". Lines are
// joined by "\r\n".
std::string anzahlText(Netzart netzart, Adressanteil anteil, std::uint8_t bits);

} // namespace netzplaner
