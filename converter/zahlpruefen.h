// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace netzplaner {

// The key filter of the converter's input box: the character code of a typed
// key passes when it is a decimal digit (48-57) or backspace (8); any other
// code is set to 0, which swallows the key. Text pasted through the box's
// context menu never comes here.
void zahlpruefen(std::int16_t& code);

} // namespace netzplaner
