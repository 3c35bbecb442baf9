// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace netzplaner {

// The target bases, numbered like the option buttons Option1(1) to Option1(3).
enum class Zahlensystem { Dual = 1, Oktal = 2, Hexadezimal = 3 };

struct Umrechnung {
    std::string text;
    bool gelungen; // false: text is the error text of the binary conversion
};

// The decimal text in the chosen base: Dual as dualwandeln gives it (at least
// eight digits), Oktal and Hexadezimal (A-F) without prefix or leading zeros.
// A text that dualwandeln refuses gets its error text in every base, so a
// pasted "1.5" or "-1" never turns into a wrong number. An empty text gives
// no result: the window keeps the result it showed.
std::optional<Umrechnung> umrechnen(const std::string& eingabe, Zahlensystem ziel);

// The input and its value in every base, one line each, for the clipboard:
// "Dezimal 255", "Dual 11111111", "Oktal 377", "Hexadezimal FF", every line
// ending in "\n"; a refused input gets its error text in each. An empty input
// has no result, and an empty text.
std::string umrechnungenAlsText(const std::string& eingabe);

} // namespace netzplaner
