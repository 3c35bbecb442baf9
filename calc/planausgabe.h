// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/adressplan.h"
#include "calc/planzellen.h"

namespace netzplaner {

// One row of a plan as it is written out, in the order written: depth first,
// a group's row before its children's.
struct Ausgabezeile {
    enum class Art { gruppe, bedarf, fest, frei };
    int tiefe = 0; // 0 at the top level
    Art art = Art::bedarf;
    std::array<std::string, planspalten> zellen; // as planzellen gives them

    bool operator==(const Ausgabezeile&) const = default;
};

// A flat plan's rows: its requirements, then its free blocks ("frei"), all at
// the top level.
std::vector<Ausgabezeile> ausgabezeilen(const Plan& plan, const std::vector<Bedarf>& bedarf);

// An aligned table for a terminal: a header, the plan's columns two blanks
// apart, each level's names two blanks further in; "\n" line ends.
std::string planAlsText(const std::vector<Ausgabezeile>& zeilen);

// As the window's CSV export writes the plan, without the byte order mark:
// ";" between fields, "\r\n" after every line, a header.
std::string planAlsCsv(const std::vector<Ausgabezeile>& zeilen);

// NetBox's prefix import: "prefix,status,description", a group as
// "container", a requirement or fixed net as "active", free blocks left out;
// RFC 4180 quoting, "\n" line ends, the names unchanged.
std::string planFuerNetbox(const std::vector<Ausgabezeile>& zeilen);

} // namespace netzplaner
