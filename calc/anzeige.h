// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

namespace netzplaner {

// One address as the window shows it: four decimal octets, four binary rows.
struct Oktettzeilen {
    std::array<std::string, 4> dezimal;
    std::array<std::string, 4> dual;
};

struct Ergebnisse {
    Oktettzeilen maske;
    Oktettzeilen netz;
    Oktettzeilen broadcast;
    std::optional<std::string> anzahl; // nullopt: no net kind on, text stays
};

// What one recalculation gives the window to write. A run that stops at a
// failing step leaves the later parts empty; the window then keeps what it
// showed before for those and writes the rest.
struct Anzeige {
    bool bitsAktiv = false;
    std::optional<std::string> klassenText;
    std::optional<Ergebnisse> ergebnisse;

    bool vollstaendig() const { return ergebnisse.has_value(); }
};

} // namespace netzplaner
