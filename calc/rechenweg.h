// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/adresse.h"
#include "calc/netzwahl.h"

namespace netzplaner {

// What a bit of the address is in the worked solution. The class's net part
// is split where a subnet borrows bits from the host part or a supernet gives
// bits of the class's net part away to it.
enum class Bitteil { Netz, Geliehen, Abgegeben, Host };

// "11000000.10101000.00000100.00|000001": the 32 bits in octets, "|" at the
// prefix boundary (0..32), replacing the "." where the boundary is an octet edge.
std::string bitsMitGrenze(Adresse adresse, int praefix);

// "11000000.10101000.00000100.00000001"
std::string dualPunktiert(Adresse adresse);

// One operation of the worked solution in three lines of equal layout: the
// operator (or nothing) in a column of its own, the dotted bits, the dotted
// decimal address.
std::array<std::string, 3> verknuepfung(std::string_view op, Adresse links, Adresse rechts, Adresse ergebnis);

// The worked solution of the main window's choice.
struct Rechenweg {
    int praefix = 0;
    std::string bits;                // bitsMitGrenze
    std::array<Bitteil, 32> teile{}; // of each bit, most significant first
    std::string anteile;             // "Netzanteil 26 Bit (Klasse C: 24, geliehen: 2), Hostanteil 6 Bit"
    std::array<std::string, 3> und;  // address UND mask = network address
    std::array<std::string, 3> oder; // network address ODER inverted mask = broadcast
    std::vector<std::string> anzahl; // "Hosts je Netz: 2^6 − 2 = 62", …
    // The same steps in words for a screen reader, one per label.
    std::string bitsGesprochen, undGesprochen, oderGesprochen, anzahlGesprochen;
};

Rechenweg rechenweg(const Netzwahl& wahl);

// A line of a worked solution as a screen reader should say it: "2 hoch 6
// minus 2", where it would name the characters "^" and "−".
std::string vorgelesen(std::string text);

// "Hosts je Netz: 2^6 − 2 = 62"; fewer than two host bits leave no host.
std::string hostsZeile(int praefix);

} // namespace netzplaner
