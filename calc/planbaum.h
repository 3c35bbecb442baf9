// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan in levels: requirements grouped (sites, buildings, VLANs),
// nets that already exist and must stay, and the reserved addresses of a
// cloud. One function turns what the user wrote into a plan.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/netzangabe.h"
#include "calc/planzeilen.h"
#include "calc/umgebung.h"

namespace netzplaner {

// One row the user wrote. A row with children is a group: its hosts are
// passed over and its block follows from its children, unless it is fixed.
struct Planknoten {
    std::string name;                    // UTF-8, as typed
    std::optional<std::uint32_t> hosts;  // 1..hoechsteHosts, or empty: not planned yet
    std::optional<Netzangabe> fest = {}; // a net this row already has, host bits clear
    std::vector<Planknoten> kinder = {};

    bool operator==(const Planknoten&) const = default;
};

// Everything the plan follows from.
struct Planauftrag {
    Netzangabe netz;
    bool rfc3021 = false; // Klassisch only
    Umgebung umgebung = Umgebung::klassisch;
    std::vector<Planknoten> bedarf;
};

// One planned row, or a free block.
struct Planblock {
    Planart art;
    std::string nr;   // "2", "2.1.3" by the rows' places in the requirements; empty for a free block
    std::string name; // "frei" for a free block
    Adresse netz;
    int praefix;
    // A requirement's hosts, a group's sum of the hosts of all requirements
    // below it; none for a free block or a fixed net without hosts.
    std::optional<std::uint64_t> bedarf;
    std::uint64_t belegt = 0; // a group's addresses that its children's blocks take
    // The used blocks in address order, then the free rest as the fewest CIDR
    // blocks in address order.
    std::vector<Planblock> kinder = {};

    bool operator==(const Planblock&) const = default;
};

struct Planbaum {
    // The top level, ordered as a group's children are; empty when, and only
    // when, the plan failed: a plan that works has at least one block, used or free.
    std::vector<Planblock> zeilen;
    // One line: how much of the net the plan uses, or why it has no rows.
    std::string meldung;
    Umgebung umgebung = Umgebung::klassisch;
};

// The rules, in order:
// - A requirement of h hosts gets the smallest block of 2^n addresses that
//   holds h and the environment's reserved addresses and is no smaller than its
//   smallest subnet (Klassisch: a /30 at least, with rfc3021 a /32 for one host
//   and a /31 for two). AWS refuses one larger than a /16.
// - A group that is not fixed gets bit_ceil of its planned children's blocks;
//   with none it is not planned. A fixed row has its net, and must stand at
//   the top or in a fixed group, lie in its parent's block, overlap no fixed
//   sibling, hold its hosts and, in a cloud, be a subnet size the cloud allows.
// - Within a block the fixed children stay, the others follow largest first
//   (ties in row order), each at the lowest aligned free address. Without
//   fixed nets that is back to back.
// A broken rule leaves no rows and a message that names the row by its Nr.;
// so does a block without room, "Nr. 2.3 „Lager“ passt nicht in …", and when
// no row is fixed it adds the top level's need and the smallest prefix that
// would hold it.
Planbaum plane(const Planauftrag& auftrag);

// The cells of a row in the columns of planspaltenNamen(): a requirement's
// host range without the environment's reserved addresses; a group's and a
// free block's as the net list writes them, a group's "Auslastung" the share
// of its addresses its children take.
std::array<std::string, planspalten> planzellen(const Planblock& block, Umgebung umgebung);

// The plan depth-first: a group's row, then its child rows.
std::vector<Planzeilentext> planzeilen(const Planbaum& plan);

} // namespace netzplaner
