// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/planzeilen.h"

namespace netzplaner {

// An aligned table for a terminal: a header, the plan's columns two blanks
// apart, each level's names two blanks further in; "\n" line ends.
std::string planAlsText(const std::vector<Planzeilentext>& zeilen);

// As the window's CSV export writes the plan, without the byte order mark:
// ";" between fields, "\r\n" after every line, a header.
std::string planAlsCsv(const std::vector<Planzeilentext>& zeilen);

// NetBox's prefix import: "prefix,status,description", a group as
// "container", a requirement or fixed net as "active", free blocks left out;
// RFC 4180 quoting, "\n" line ends, the names unchanged.
std::string planFuerNetbox(const std::vector<Planzeilentext>& zeilen);

} // namespace netzplaner
