// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace netzplaner {

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool istUtf8(std::string_view bytes);

// Windows-1252, which German spreadsheets write, as UTF-8. The five bytes the
// code page leaves open are taken as the Latin-1 control characters.
std::string ausWindows1252(std::string_view bytes);

} // namespace netzplaner
