// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calc/eingaben.h"
#include "calc/klasse.h"

namespace netzplaner {

// What the main window shows of one calculation.
struct Ergebnisstand {
    Oktette maske{};
    Oktette netz{};
    Oktette broadcast{};
    Klasse klasse = Klasse::A;
    std::string anzahl; // the counts text as shown, its lines joined by "\r\n"; empty for none
};

// The results as text for a ticket or a configuration, one line each:
//   "Netz 192.168.4.0/24", "Maske 255.255.255.0", "Netzadresse 192.168.4.0",
//   "Broadcast 192.168.4.255", "Klasse C",
// then the counts text on one line, when there is one. Every line ends in "\n".
std::string ergebnisAlsText(const Ergebnisstand& stand);

} // namespace netzplaner
