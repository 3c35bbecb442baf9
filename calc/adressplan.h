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

namespace netzplaner {

// One requirement row of the address plan.
struct Bedarf {
    std::string name;                   // UTF-8, as typed
    std::optional<std::uint32_t> hosts; // 1..hoechsteHosts, or empty: not planned yet

    bool operator==(const Bedarf&) const = default;
};

// The most hosts a block can hold short of the whole address space: a /1.
constexpr std::uint32_t hoechsteHosts = 2147483646;

// The net to divide.
struct Netzangabe {
    Adresse netz;
    int praefix; // 0..32

    bool operator==(const Netzangabe&) const = default;
};

// "a.b.c.d/p" (p 0..32) or "a.b.c.d m.m.m.m" (contiguous mask), blanks around
// ignored; host bits are cleared ("10.20.1.7/22" is 10.20.0.0/22). On failure
// a German sentence that says what is wrong.
std::variant<Netzangabe, std::string> leseNetz(std::string_view text);
// "10.20.0.0/22"
std::string netzText(const Netzangabe& netz);

// A Hosts cell: decimal digits, blanks around ignored, 1..hoechsteHosts; an
// empty cell is a requirement not planned yet (an empty inner optional).
// nullopt for anything else.
std::optional<std::optional<std::uint32_t>> leseHosts(std::string_view text);
// Why leseHosts refused a text.
std::string_view hostsFehler();

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

constexpr int planspalten = 10;
// "Nr.", "Name", "Bedarf", "Netz", "Maske", "Erster Host", "Letzter Host",
// "Broadcast", "Hosts", "Auslastung"
const std::array<std::string_view, planspalten>& planspaltenNamen();
// The cells of one row; the caller passes the requirement's name ("frei" for
// a free block), so that a plan need not copy the names.
std::array<std::string, planspalten> planzellen(const Planzeile& zeile, std::string_view name);

} // namespace netzplaner
