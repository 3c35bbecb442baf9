// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace netzplaner {

using Oktette = std::array<std::uint8_t, 4>;

// Index of the button in the "Netzart" group.
enum class Netzart { Normal = 0, SubNetz = 1, SuperNetz = 2 };

// Index of the button in the "Adressanteil" group: the leading 8, 16 or 24
// bits that form the net part before a subnet or supernet changes it.
enum class Adressanteil { Bit8 = 0, Bit16 = 1, Bit24 = 2 };

// What the main window holds when a recalculation starts. No step changes an
// input, so one snapshot serves the whole run.
struct Eingaben {
    std::array<std::string, 4> oktette; // UTF-8 texts of the four octet fields
    std::optional<Netzart> netzart;     // nullopt: no button on
    std::optional<Adressanteil> adressanteil;
    std::string bits; // text of the bit-count field
};

} // namespace netzplaner
