// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/zusammenfassung.h"

namespace netzplaner {

// "Netz", "Erste Adresse", "Letzte Adresse", "Adressen"
const std::array<std::string_view, 4>& zusammenfassungsSpalten();
// The cells of a block's row; the count in plain digits, for spreadsheets.
std::array<std::string, 4> zusammenfassungsZeile(const Block& block);

// The counts ("14 Einträge → 3 Netze, 1.536 Adressen") and, one line each,
// the first hoechstensFehler entries left out with their line and reason;
// empty when there are no entries.
std::string meldungsText(const Zusammenfassung& ergebnis, std::size_t hoechstensFehler = 5);

// The one net around the result and what it holds besides; empty when the
// result is empty.
std::string umfassendText(const Zusammenfassung& ergebnis);

} // namespace netzplaner
