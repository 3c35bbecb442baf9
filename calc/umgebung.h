// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace netzplaner {

// Where the planned subnets live; a cloud reserves addresses in every subnet
// and bounds its size.
enum class Umgebung { klassisch, aws, azure, gcp };

struct Umgebungsregeln {
    Umgebung umgebung;
    std::string_view schluessel; // in plan files and as the combo box's item data
    std::string_view name;       // as the user reads it
    int davor;                   // reserved addresses at a subnet's start
    int danach;                  // ... and at its end
    int kleinstesNetz;           // the longest prefix a subnet may have
    int groesstesNetz;           // the shortest prefix a subnet may have
};

// One row per environment, in the order of the enum. Klassisch's /30 and /31
// and /32 are RFC 3021's business and are decided by the planner.
const std::array<Umgebungsregeln, 4>& umgebungen();
const Umgebungsregeln& regelnVon(Umgebung umgebung);
// "klassisch", "aws", "azure", "gcp"; nullopt for any other text.
std::optional<Umgebung> umgebungZuSchluessel(std::string_view schluessel);

} // namespace netzplaner
