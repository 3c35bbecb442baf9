// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "calc/eingaben.h"

namespace netzplaner {

// An address as one number, so that nets can be stepped through and compared
// by arithmetic; unsigned, so that every step wraps instead of overflowing.
using Adresse = std::uint32_t;

Adresse alsAdresse(const Oktette& oktette);

// "192.168.4.0"
std::string adressText(Adresse adresse);

// The mask of p leading one bits (0..32), the same as the main window writes.
Adresse maske(int praefix);

// Addresses in a net of prefix p (0..32): 2^(32-p); 2^32 for /0, hence 64 bits.
std::uint64_t netzgroesse(int praefix);

} // namespace netzplaner
