#pragma once

#include <cstdint>
#include <string_view>

#include "calc/eingaben.h"

namespace netzplaner {

// Classful address class of a first octet: 0..4 for A..E.
std::uint8_t klasseVon(std::uint8_t erstesOktett);

// "Klasse A Netz" .. "Klasse E Netz".
std::string_view klassenText(std::uint8_t klasse);

// The address part that belongs to a class; D and E have none of their own
// and share the 24-bit part with C.
Adressanteil adressanteilVon(std::uint8_t klasse);

} // namespace netzplaner
