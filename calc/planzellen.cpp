// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the plan table.
#include "calc/planzellen.h"

namespace netzplaner {

const std::array<std::string_view, planspalten>& planspaltenNamen()
{
    using namespace std::string_view_literals;
    static constexpr std::array namen{"Nr."sv,         "Name"sv,         "Bedarf"sv,    "Netz"sv,  "Maske"sv,
                                      "Erster Host"sv, "Letzter Host"sv, "Broadcast"sv, "Hosts"sv, "Auslastung"sv};
    return namen;
}

} // namespace netzplaner
