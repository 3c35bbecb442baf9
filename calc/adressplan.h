// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/adresse.h"
#include "calc/netzangabe.h"
#include "calc/planzellen.h"

namespace netzplaner {

struct Planzeile {
    int nr; // 1-based row in the requirements; 0 for a free block
    Adresse netz;
    int praefix;
    std::optional<std::uint32_t> bedarf; // nullopt for a free block

    bool operator==(const Planzeile&) const = default;
};

struct Plan {
    // The planned rows in address order, then the free blocks in address order.
    std::vector<Planzeile> zeilen;
    // One line: how much of the net the plan uses, or why it has no rows.
    std::string meldung;
    bool gelungen = false;
};

// Every requirement with hosts gets the smallest block that holds them (with
// rfc3021, 1 host a /32 and 2 hosts a /31), the blocks go largest first (rows
// in their order among equals) back to back from the net's address, and the
// rest of the net is given as the fewest free CIDR blocks.
Plan plane(const Netzangabe& netz, const std::vector<Bedarf>& bedarf, bool rfc3021);

} // namespace netzplaner
