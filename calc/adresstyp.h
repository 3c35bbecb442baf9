// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "calc/eingaben.h"

namespace netzplaner {

// What an address is used for: the special-purpose range that holds it with
// the RFC that reserves it, "öffentlich" for every other address.
std::string_view adresstyp(const Oktette& adresse);

} // namespace netzplaner
