// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "calc/eingaben.h"

namespace netzplaner {

// The pieces every reader of typed or pasted addresses is made of. Each takes
// what it reads off the front of rest; when it fails, rest is left in an
// unspecified place and the caller gives the whole text up.

// A number of 1..hoechstens decimal digits. A longer run is refused rather
// than cut: "1234.0.0.1" must not read as 123.
std::optional<int> nimmZahl(std::string_view& rest, std::size_t hoechstens);

// "a.b.c.d", each octet one to three digits of a value up to 255 ("010" is 10).
std::optional<Oktette> nimmOktette(std::string_view& rest);

// A prefix length of one or two digits, 0..32.
std::optional<int> nimmPraefix(std::string_view& rest);

// The number of one bits of a contiguous mask; nullopt for a mask with a gap
// among its ones, or ones after zeros as a wildcard mask has.
std::optional<int> praefixDerMaske(const Oktette& maske);

} // namespace netzplaner
