// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace netzplaner {

inline constexpr std::string_view wertNichtNumerisch = "Wert nicht Numerisch!!!";
inline constexpr std::string_view zahlZuGross = "Zahl ist zu gross!!!";
inline constexpr std::uint32_t groessteDualzahl = 999999999;

constexpr int dezimalstellen(std::uint32_t zahl)
{
    int stellen = 1;
    for (; zahl >= 10; zahl /= 10)
        ++stellen;
    return stellen;
}
inline constexpr int groessteDualzahlStellen = dezimalstellen(groessteDualzahl);

// What a text stands for in the binary conversion: a number up to the limit,
// or the reason it gets an error text.
enum class Zahlstatus { Zahl, NichtNumerisch, ZuGross };
struct Zahlwert {
    Zahlstatus status;
    std::uint32_t zahl = 0; // when status is Zahl
};

// A text counts as a number only when it is a non-empty run of the decimal
// digits 0-9 (leading zeros allowed).
Zahlwert leseZahl(std::string_view text);

// "Wert nicht Numerisch!!!" or "Zahl ist zu gross!!!"; empty for a number.
std::string_view fehlertext(Zahlstatus status);

// The binary text of a number: most significant digit first, padded with "0"
// to at least eight digits. The value is halved in place down to 0 as its
// digits are taken (a text ends as "0"), which is how the result display
// clears the state bytes it shows. An error text leaves the value untouched.
std::string dualwandeln(std::uint8_t& wert);

// The same for a text, as leseZahl reads it; anything else gets its error text.
std::string dualwandeln(std::string& wert);

// The same characters (not bytes: UTF-8 sequences stay whole) in reverse order.
std::string umkehren(std::string_view text);

} // namespace netzplaner
