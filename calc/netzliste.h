// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/adresse.h"
#include "calc/netzwahl.h"

namespace netzplaner {

// The texts of the labels above the table, for the net the main window shows.
struct Netzkopf {
    std::string cidr, maske, wildcard, hostbereich, hosts, adresstyp;
};

// The nets a choice makes: its subnets, the class nets its supernet joins, or
// the one net of "Normal" and of a bit count of 0. Rows are computed when they
// are asked for, so a list of 256 rows costs no more than one of a single row.
class Netzliste {
public:
    // A bit count above 8, which netzwahlAus never gives, counts as 8.
    explicit Netzliste(const Netzwahl& wahl);

    static constexpr int spaltenzahl = 6;
    // "Nr.", "Netz", "Erster Host", "Letzter Host", "Broadcast", "Hosts"
    static const std::array<std::string_view, spaltenzahl>& spalten();

    int zeilenzahl() const { return zeilenzahl_; } // 1 .. 256
    // 0-based; an index outside the list gives a row of empty texts.
    std::array<std::string, spaltenzahl> zeile(int index) const;
    // The row whose net holds the typed address.
    int aktuelleZeile() const { return aktuelleZeile_; }
    Netzkopf kopf() const;

private:
    Oktette ip_;
    int praefix_;       // of the net the main window shows
    int zeilenpraefix_; // of every row
    Adresse erstesNetz_;
    int zeilenzahl_;
    int aktuelleZeile_;
};

} // namespace netzplaner
