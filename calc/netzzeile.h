// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calc/adresse.h"

namespace netzplaner {

// The texts every table of nets writes for one net.
struct Netzzellen {
    std::string netz, erster, letzter, broadcast, hosts;
};

Netzzellen netzzellen(Adresse adresse, int praefix);

} // namespace netzplaner
