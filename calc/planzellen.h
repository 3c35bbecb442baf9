// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace netzplaner {

struct Planzeile;

constexpr int planspalten = 10;
// "Nr.", "Name", "Bedarf", "Netz", "Maske", "Erster Host", "Letzter Host",
// "Broadcast", "Hosts", "Auslastung"
const std::array<std::string_view, planspalten>& planspaltenNamen();
// The cells of one row; the caller passes the requirement's name ("frei" for
// a free block), so that a plan need not copy the names.
std::array<std::string, planspalten> planzellen(const Planzeile& zeile, std::string_view name);

} // namespace netzplaner
