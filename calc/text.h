// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace netzplaner {

// Reads a decimal number ("12", " 7 ", "2.5", "-0.4", "1e2") and rounds it to
// the nearest whole number, a half to the even neighbour. Anything that is not
// such a number, or whose rounded value lies outside 0..255, gives nullopt.
std::optional<std::uint8_t> textZuByte(std::string_view text);

// The shortest decimal text of a number: "7", "255", "16777214", "-1.5".
std::string zahlAlsText(double zahl);

// German thousands dots: "1.536", "4.294.967.296".
std::string mitTausenderpunkten(std::uint64_t zahl);
// The same for a number of any size, given as its decimal digits.
std::string mitTausenderpunkten(std::string_view ziffern);
// "1 Netz", "1.536 Adressen": the number and the noun that fits it.
std::string anzahlMitWort(std::uint64_t zahl, std::string_view einzahl, std::string_view mehrzahl);
// 100 * teil / ganzes (ganzes above 0, both below 2^56), a half rounded up: "79 %".
std::string prozentText(std::uint64_t teil, std::uint64_t ganzes);

// Character-code order (UTF-8 byte order equals code point order); a text
// sorts before a longer one that begins with it. Deliberately not numeric:
// "10" sorts before "7".
bool sortiertVor(std::string_view text, std::string_view anderer);
bool sortiertNach(std::string_view text, std::string_view anderer);

} // namespace netzplaner
