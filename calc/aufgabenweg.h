// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calc/planbaum.h"

namespace netzplaner {

// The worked solution of each kind of exercise, line by line, in the layout
// of the worked-solution window.
std::vector<std::string> wegNetz(Adresse host, int praefix);
std::vector<std::string> wegMaske(std::uint32_t hosts, int praefix);
std::vector<std::string> wegTeilnetze(Adresse netz, int praefix, std::uint32_t anzahl, int teilpraefix,
                                      std::uint32_t k);
std::vector<std::string> wegVlsm(const Planbaum& plan);
std::vector<std::string> wegZusammenfassen(const std::vector<Adresse>& netze, int praefix, Adresse summe,
                                           int summenpraefix);

} // namespace netzplaner
