// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/tabellenfeld.h"

#include <algorithm>

namespace netzplaner {

bool brauchtFormelschutz(std::string_view feld)
{
    if (feld.empty() || formelzeichen.find(feld.front()) == std::string_view::npos)
        return false;
    // A signed number is a number to the spreadsheet too, and nothing runs.
    const std::string_view rest = feld.substr(1);
    const bool zahl = (feld.front() == '-' || feld.front() == '+') && !rest.empty()
                      && std::any_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; })
                      && std::all_of(rest.begin(), rest.end(),
                                     [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == ','; });
    return !zahl;
}

std::string alsTabellenfeld(std::string_view feld)
{
    return brauchtFormelschutz(feld) ? "'" + std::string(feld) : std::string(feld);
}

} // namespace netzplaner
