// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/adressplan.h"

namespace netzplaner {

struct Bedarfsliste {
    std::vector<Bedarf> bedarf;
    // The line read as a header (from 1), to be told, so that a first row of
    // requirements is never dropped unseen; 0 for none.
    std::size_t kopfzeile = 0;
};

// Requirements from CSV bytes (a file, or lines pasted from a spreadsheet):
// lines "Name;Hosts", the separator ";", "," or a tab as the first line that
// has one shows (a tab first, then ";"). The first line is a header when its
// Hosts field holds no digit, and the caller tells so. Every line has as many fields as the first.
// Fields may be quoted, a quote inside doubled; blanks and tabs around fields
// are dropped. UTF-8 with or without BOM, UTF-16 with BOM, otherwise
// Windows-1252. Lines of empty fields are skipped, an empty Hosts field is a
// requirement not planned yet. One bad line refuses the whole input:
// "Zeile 4: ..." names it and the fault.
std::variant<Bedarfsliste, std::string> leseBedarfCsv(std::string_view bytes);

} // namespace netzplaner
