// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace netzplaner {

// A spreadsheet runs a cell that begins with one of these as a formula: a
// plan received from someone else could run =HYPERLINK(…) or worse.
constexpr std::string_view formelzeichen = "=+-@\t\r";

// True for a text cell that a spreadsheet would run: it begins with a
// formula character and is not a plain number such as "-5".
bool brauchtFormelschutz(std::string_view feld);

// The field as written for spreadsheets: with a leading "'" where it would
// run as a formula, else unchanged.
std::string alsTabellenfeld(std::string_view feld);

} // namespace netzplaner
