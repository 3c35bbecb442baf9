// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "calc/eingaben.h"

namespace netzplaner {

// Classful address class, in the order of the first octet's ranges.
enum class Klasse { A, B, C, D, E };

Klasse klasseVon(std::uint8_t erstesOktett);

// "Klasse A Netz" .. "Klasse E Netz".
std::string_view klassenText(Klasse klasse);

// The address part that belongs to a class; D and E have none of their own
// and share the 24-bit part with C.
Adressanteil adressanteilVon(Klasse klasse);

} // namespace netzplaner
