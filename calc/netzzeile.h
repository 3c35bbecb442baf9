// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calc/adresse.h"

namespace netzplaner {

// How every table of the program writes a net: "a.b.c.d/p", its first and last
// host, its broadcast address and its number of hosts. A /31 and a /32 follow
// RFC 3021: no net or broadcast address of their own, "entfällt" for the latter.
struct Netzzellen {
    std::string netz, erster, letzter, broadcast, hosts;
};

// The net of prefix p (0..32) that holds adresse.
Netzzellen netzzellen(Adresse adresse, int praefix);

// "192.168.4.0/24"
std::string cidrText(Adresse netz, int praefix);

} // namespace netzplaner
