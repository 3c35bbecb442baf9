// SPDX-License-Identifier: GPL-3.0-or-later
// The working part of plane(const Planauftrag&): the rows' checks and blocks,
// then their places. Only calc/planbaum.cpp uses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/planbaum.h"

namespace netzplaner {

// Per row of the requirements while the plan is worked out; sizes and
// addresses are 64-bit, since a group's block may outgrow the address space.
struct Werkzeile {
    const Planknoten* quelle;
    std::string nr;
    std::uint64_t groesse = 0; // 0: not planned
    std::uint64_t netz = 0;
    std::uint64_t hosts = 0; // a group's: the sum below it
    std::vector<Werkzeile> kinder = {};

    bool gruppe() const { return !quelle->kinder.empty(); }
};

// "Nr. 2.1 „VLAN 10“ passt nicht in " and where.
std::string passtNichtKopf(const Werkzeile& k, const std::string& wo);

class Planer {
public:
    explicit Planer(const Planauftrag& auftrag);

    // Checks the rows below one parent and works out their blocks; the
    // parent's block is known only at the top and for a fixed group.
    // elternText names the parent in a refusal.
    bool bemesse(const std::vector<Planknoten>& zeilen, const std::string& vorsatz,
                 const std::optional<Netzangabe>& eltern, const std::string& elternText,
                 std::vector<Werkzeile>& knoten);
    // Places the rows' blocks in [anfang, anfang + groesse), then their children's.
    bool platziere(std::vector<Werkzeile>& knoten, std::uint64_t anfang, std::uint64_t groesse,
                   const std::string& elternText);

    std::string fehler;                   // when either said no: the row's Nr. and the fault
    bool festeGesehen = false;            // a fixed row anywhere
    std::size_t netze = 0;                // requirements planned, fixed nets included
    const Werkzeile* ohnePlatz = nullptr; // when platziere said no: the row that found no room

private:
    const Planauftrag& auftrag_;
    const Umgebungsregeln& regeln_;

    bool scheitere(const Werkzeile& k, const std::string& warum);
    std::uint64_t blockgroesse(std::uint32_t hosts) const;
    std::uint64_t platzFuerHosts(int praefix) const;
    bool bemesse(Werkzeile& k, const std::optional<Netzangabe>& eltern, const std::string& elternText);
    bool bemesseFest(Werkzeile& k, const Netzangabe& eltern, const std::string& elternText);
    bool keineUeberschneidung(const std::vector<Werkzeile>& knoten);
};

} // namespace netzplaner
