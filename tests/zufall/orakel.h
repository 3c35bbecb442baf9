// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the windows must show, worked out from first principles: the address as
// one 32-bit number, the prefix length, shifts and masks. It shares no code
// with calc/ or converter/, so a fault there cannot hide in both.
namespace zufall {

// The main window's inputs as its controls hold them.
struct Eingabe {
    std::array<std::uint32_t, 4> oktette{}; // 0..255 each
    int netzart = 0; // 0 "Normal", 1 "Sub Netz", 2 "Super Netz"
    int anteil = 0;  // 0, 1, 2: the 8, 16 or 24 leading bits of the class
    int bits = 0;    // 0..8

    friend bool operator==(const Eingabe&, const Eingabe&) = default;
};

struct Zeile {
    std::array<std::string, 4> dezimal;
    std::array<std::string, 4> dual;
};

struct Erwartung {
    Zeile maske, netz, broadcast;
    std::string klasse; // "Klasse C Netz"
    std::string anzahl; // the counts text, "\r\n" between its lines
};

Erwartung erwarte(const Eingabe& eingabe);

// What the net list shows: its six labels (lblcidr .. lbladresstyp), its rows,
// and the row that holds the typed address.
struct Netzlistenerwartung {
    std::array<std::string, 6> kopf;
    std::vector<std::string> zeilen; // each row's cells joined by "|"
    int aktuell = 0;
};

Netzlistenerwartung erwarteNetzliste(const Eingabe& eingabe);

// The choice the list follows: "Normal" ignores the bit count.
Eingabe wahlVon(Eingabe eingabe);

// The address-part button (0, 1, 2) that belongs to the class of a first octet.
int anteilDerKlasse(std::uint32_t erstesOktett);

// What the converter shows for a non-empty input in base 1 (Dual), 2 (Oktal)
// or 3 (Hexadezimal); the input is UTF-8.
std::string umgerechnet(const std::string& eingabe, int basis);

// A paste into an octet field, read from the pasted text (UTF-8) alone.
struct Einfuegung {
    enum Art { NurZiffern, Verweigert, Adresse } art = Verweigert; // NurZiffern: the field's own paste
    std::array<std::uint32_t, 4> oktette{};
    int praefix = -1; // -1: the text names none
};
Einfuegung liesEinfuegung(const std::string& text);

// The options that show a pasted prefix, the class taken from the new first octet.
struct Praefixoptionen {
    int netzart = 0, anteil = 0, bits = 0; // as in Eingabe; bits only with a sub or super net
};
Praefixoptionen optionenFuer(int praefix, std::uint32_t erstesOktett);

// The pieces the address plan's oracle shares: a mask of p leading ones,
// "a.b.c.d", and first and last host and the host count of the net of prefix
// q at netz (a /31 is two hosts and a /32 one, RFC 3021).
std::uint32_t maskeVon(int praefix);
std::string punktiert(std::uint32_t adresse);
struct Hosts {
    std::uint32_t erster, letzter;
    std::uint64_t anzahl;
};
Hosts hostsVon(std::uint32_t netz, int q);

} // namespace zufall
