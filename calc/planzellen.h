// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace netzplaner {

constexpr int planspalten = 10;
// "Nr.", "Name", "Bedarf", "Netz", "Maske", "Erster Host", "Letzter Host",
// "Broadcast", "Hosts", "Auslastung"
const std::array<std::string_view, planspalten>& planspaltenNamen();

} // namespace netzplaner
