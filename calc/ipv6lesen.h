// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/ipv6.h"

namespace netzplaner {

struct Ipv6Lesung {
    std::optional<Ipv6Netz> netz; // the address as typed, host bits and all
    std::string fehler;           // a German sentence naming the fault when netz is empty
};

// Reads "address/p" (p 0..128, decimal) or an address alone (p = 128), with
// blanks, tabs and line breaks around it. The address is any form RFC 4291
// allows: eight groups of 1..4 hex digits in either case, "::" once for one or
// more zero groups, and a dotted IPv4 tail in place of the last two groups.
Ipv6Lesung leseIpv6(std::string_view text);

} // namespace netzplaner
