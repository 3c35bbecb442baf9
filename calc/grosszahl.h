// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/ipv6.h"

namespace netzplaner {

std::string dezimal(Zahl128 zahl);
// 2^exponent for exponents 0..128; 2^128 does not fit in a Zahl128.
std::string zweierpotenz(int exponent);
// The 1-based number of the thing at a 0-based index, grouped; index 2^128 - 1
// gives 2^128.
std::string nummerText(Zahl128 index);

// A 1-based number typed by a user, plain ("1048576") or grouped by "."
// ("1.048.576"), as a 0-based index; blanks around are ignored. 0, other
// characters and numbers above 2^128 give nullopt.
std::optional<Zahl128> leseNummer(std::string_view text);

} // namespace netzplaner
