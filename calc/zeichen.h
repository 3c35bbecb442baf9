// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace netzplaner {

// Bytes, not characters: every byte of a UTF-8 sequence lies above '9', so
// other scripts' digits are no digits here.
constexpr bool istZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// The blanks that may stand around or between the parts of a typed number.
constexpr bool istLuecke(char c)
{
    return c == ' ' || c == '\t';
}

// Copied text often brings the line break of its line, or the indentation of
// a configuration file, with it.
constexpr bool istRand(char c)
{
    return istLuecke(c) || c == '\r' || c == '\n';
}

// The text without the characters around it for which istRand holds.
template <typename Praedikat>
constexpr std::string_view ohneRand(std::string_view text, Praedikat istRand)
{
    while (!text.empty() && istRand(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && istRand(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace netzplaner
