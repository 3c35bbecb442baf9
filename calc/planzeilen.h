// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "calc/planzellen.h"

namespace netzplaner {

// What a plan row is; a free block is told by this alone.
enum class Planart { gruppe, bedarf, fest, frei };

// One row of a plan written depth-first (a group's row, then its child rows),
// as the CSV export, the copies and the command line write it: tiefe 0 for the
// top level.
struct Planzeilentext {
    int tiefe;
    Planart art;
    std::array<std::string, planspalten> zellen;

    bool operator==(const Planzeilentext&) const = default;
};

} // namespace netzplaner
