// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/ipv6.h"

namespace netzplaner {

// What the whole net is used for: the most specific special-purpose range
// that contains all of it, "Reserviert" where none does.
std::string_view ipv6Typ(const Ipv6Netz& netz);

// The ip6.arpa zone that holds the net's reverse entries. A zone ends at a hex
// digit, so a prefix between two digits gets the zone of the next shorter
// prefix that ends at one, and the text says so.
std::string reverseZone(const Ipv6Netz& netz);

} // namespace netzplaner
