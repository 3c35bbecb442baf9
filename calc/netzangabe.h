// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

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
std::variant<Netzangabe, std::string> leseNetzangabe(std::string_view text);
// "10.20.0.0/22"
std::string netzText(const Netzangabe& netz);

// A Hosts cell: decimal digits, blanks around ignored, 1..hoechsteHosts; an
// empty cell is a requirement not planned yet (an empty inner optional).
// nullopt for anything else.
std::optional<std::optional<std::uint32_t>> leseHosts(std::string_view text);
// Why leseHosts refused a text.
const std::string& hostsFehler();

// A name is one line of text: a control character (below U+0020, or U+007F)
// refuses it, from a file or the keyboard alike. The German reason, or nullopt.
std::optional<std::string> namensFehler(std::string_view name);

} // namespace netzplaner
