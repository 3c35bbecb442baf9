// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/eingaben.h"

namespace netzplaner {

struct EingefuegteAdresse {
    Oktette oktette{};
    std::optional<int> praefix; // 0..32; nullopt: the text named no prefix

    bool operator==(const EingefuegteAdresse&) const = default;
};

// A pasted text with blanks, tabs, CR and LF around it removed must be exactly
//   "a.b.c.d", "a.b.c.d/p" (p 0..32, one or two digits) or
//   "a.b.c.d m.m.m.m" (blanks or tabs between, m a contiguous mask: p is its number of one bits),
// each octet one to three decimal digits of a value up to 255 ("010" is 10).
// Anything else, of any length, gives nullopt.
std::optional<EingefuegteAdresse> leseAdresse(std::string_view text);

// The digits of a pasted text that holds nothing else once blanks, tabs, CR and
// LF around it are removed ("12\r\n" gives "12"); nullopt for any other text,
// and for one of nothing but those.
std::optional<std::string_view> leseZiffern(std::string_view text);

// How the window's options show a prefix. bits is nullopt for "Normal": the
// bit-count field is off then and keeps its text, as it would if the user
// chose "Normal" by hand. Sub and super nets always get 1..8 bits.
struct Praefixwahl {
    Adressanteil anteil;
    Netzart netzart;
    std::optional<std::uint8_t> bits;

    bool operator==(const Praefixwahl&) const = default;
};

// The options that give prefix p (0..32; values outside are taken as the
// nearer end) when the class's own address part is klassenanteil: that part
// while p lies within 8 bits of it, otherwise the part of 8, 16, 24 bits
// nearest to p, of two equally near the one nearer the class's part.
Praefixwahl waehleFuerPraefix(int praefix, Adressanteil klassenanteil);

} // namespace netzplaner
