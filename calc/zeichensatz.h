// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace netzplaner {

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool istUtf8(std::string_view bytes);

// UTF-16 behind its byte order mark (little or big endian), as a spreadsheet
// saves "Unicode text", as UTF-8 without the mark. nullopt without a mark, or
// for a lone surrogate or an odd byte count.
std::optional<std::string> ausUtf16(std::string_view bytes);

// Windows-1252, which German spreadsheets write, as UTF-8. The five bytes the
// code page leaves open are taken as the Latin-1 control characters.
std::string ausWindows1252(std::string_view bytes);

} // namespace netzplaner
