// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/adresse.h"
#include "calc/aufgabe.h"

namespace netzplaner {

// Answers are read leniently, as a learner writes them: blanks anywhere are
// ignored (in a net's "a.b.c.d m.m.m.m" they part address and mask); anything
// else that is not one of the forms below is refused, never guessed at.

// "/26", "26" or "255.255.255.192" (contiguous): the prefix length.
std::optional<int> leseMaskenantwort(std::string_view text);
// "16382" or "16.382": digits, or groups of three parted by points.
std::optional<std::uint64_t> leseAnzahlantwort(std::string_view text);
// "192.168.4.0"
std::optional<Adresse> leseAdressantwort(std::string_view text);
// "192.168.4.0/26" or "192.168.4.0 255.255.255.192"; host bits are not cleared.
struct Netzantwort {
    Adresse adresse;
    int praefix;
};
std::optional<Netzantwort> leseNetzantwort(std::string_view text);

// "richtig", or "falsch, richtig ist …" with why an answer was not understood.
struct Urteil {
    bool richtig;
    std::string text;
};
Urteil pruefe(const Antwortfeld& feld, std::string_view antwort);

} // namespace netzplaner
