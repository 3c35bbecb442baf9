// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/bloecke.h"
#include "calc/eintraege.h"
#include "calc/intervalle.h"

namespace netzplaner {

// The fewest CIDR blocks that hold exactly the addresses of menge.
std::vector<Block> alsBloecke(const Intervalle& menge);

// The smallest single net that holds erste..letzte (0 .. 2^32-1).
Block umfassendesNetz(std::uint64_t erste, std::uint64_t letzte);

// A list of entries summarised: the addresses of all entries minus those of
// the "!" entries, as the fewest blocks, and the one net around them all.
struct Zusammenfassung {
    std::vector<Block> bloecke;     // in address order
    std::uint64_t adressen = 0;     // in bloecke
    std::optional<Block> umfassend; // nullopt when bloecke is empty
    std::uint64_t zusaetzlich = 0;  // in umfassend, not in bloecke
    std::size_t eintraege = 0;      // understood or not
    std::vector<Eintragsfehler> fehler;
};

Zusammenfassung fasseZusammen(std::string_view text);

} // namespace netzplaner
