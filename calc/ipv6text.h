// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calc/ipv6.h"

namespace netzplaner {

// As RFC 5952 writes it: lower case, no leading zeros, the longest run of two
// or more zero groups as "::" (the first of equally long runs); an address in
// ::ffff:0:0/96 as "::ffff:192.0.2.1".
std::string ipv6Text(Zahl128 adresse);
// Every group with four digits, no "::": what a reader compares digit by digit.
std::string ipv6Lang(Zahl128 adresse);
// "2001:db8::/48"
std::string ipv6NetzText(const Ipv6Netz& netz);

} // namespace netzplaner
