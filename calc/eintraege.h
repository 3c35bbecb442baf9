// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/intervalle.h"

namespace netzplaner {

// One entry of a list to summarise: its addresses, and whether they are to
// be taken out of the result ("!" in front) rather than put in.
struct Eintrag {
    Intervall adressen;
    bool ausnehmen = false;

    bool operator==(const Eintrag&) const = default;
};

// An entry without the separators around it:
//   "a.b.c.d", "a.b.c.d/p", "a.b.c.d/m.m.m.m" (a contiguous mask; host bits
//   may be set, the net is meant), "a.b.c.d-e.f.g.h" (blanks around the "-"
//   or an en dash allowed), each with "!" and blanks in front to exclude it.
// What is not understood gives the German reason, naming the entry and, where
// it is only a part of it, the faulty part.
std::variant<Eintrag, std::string> leseEintrag(std::string_view text);

struct Eintragsfehler {
    std::size_t zeile; // from 1
    std::string grund;

    bool operator==(const Eintragsfehler&) const = default;
};

struct Eintraege {
    std::vector<Intervall> hinein;
    std::vector<Intervall> heraus;
    std::vector<Eintragsfehler> fehler; // in the order of the text
    std::size_t anzahl = 0;             // understood or not
};

// Entries are separated by line breaks, blanks, tabs, "," and ";": a column
// pasted from a spreadsheet or a text file reads as typed. Blanks after "!" and
// around a range's dash belong to the entry.
Eintraege leseEintraege(std::string_view text);

// The same reading for a list that comes in pieces, from a file or a pipe of
// any length: the entries, lines and reasons are those of leseEintraege over
// the whole text, added to ziel.
class Eintragsleser {
public:
    explicit Eintragsleser(Eintraege& ziel)
        : ziel_(ziel)
    {
    }

    // Reads the entries of stueck whose end is certain and returns how many
    // bytes they took; the rest must come again at the front of the next
    // piece. With letztes, the whole piece is read.
    std::size_t lies(std::string_view stueck, bool letztes);

private:
    Eintraege& ziel_;
    std::size_t zeile_ = 1;
};

} // namespace netzplaner
