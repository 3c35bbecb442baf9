// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/ipv6.h"

namespace netzplaner {

// The texts of the labels above the table.
struct Ipv6Kopf {
    std::string netz, lang, erste, letzte, adressen, teilnetze, typ, reverse;
};

// A net split into subnets of a longer prefix. There may be up to 2^128 of
// them, so a row is computed only when it is asked for, from its index.
class Ipv6Teilung {
public:
    // What a table lists at most: enough to page through a /44 in /64s, few
    // enough that a view's scroll bar still means something.
    static constexpr int hoechstensZeilen = 1 << 20;
    static constexpr int spaltenzahl = 4;
    // "Nr.", "Teilnetz", "Erste Adresse", "Letzte Adresse"
    static const std::array<std::string_view, spaltenzahl>& spalten();

    Ipv6Teilung() = default;
    // The net loses its host bits; teilpraefix is kept within netz.praefix..128.
    Ipv6Teilung(const Ipv6Netz& netz, int teilpraefix);

    const Ipv6Netz& netz() const { return netz_; }
    int teilpraefix() const { return teilpraefix_; }
    // The number of subnets less one: 2^(teilpraefix - praefix) - 1.
    Zahl128 letzterIndex() const { return netzplaner::letzterIndex(teilpraefix_ - netz_.praefix); }
    // How many rows a table starting at index erster lists: at most
    // hoechstensZeilen, none from beyond the last subnet.
    int zeilenAb(Zahl128 erster) const;

    // 0-based; an index beyond the last subnet gives a row of empty texts.
    std::array<std::string, spaltenzahl> zeile(Zahl128 index) const;
    Ipv6Kopf kopf() const;
    // What a table of zeilenAb(erster) rows from erster leaves out, in words;
    // empty when it lists every subnet.
    std::string umfang(Zahl128 erster) const;
    // Texts at least as wide as any cell of their column can be, "0" standing
    // for any hex digit: a view sizes its columns by them once per split.
    std::array<std::string, spaltenzahl> breitesteZeile() const;

    bool operator==(const Ipv6Teilung&) const = default;

private:
    Ipv6Netz netz_{0, 0};
    int teilpraefix_ = 0;
};

} // namespace netzplaner
