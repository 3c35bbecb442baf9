// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zufall {

// The address plan's document as the oracle records it: the net as typed, the
// RFC 3021 box, the requirement rows in levels (no hosts: not planned yet; a
// fixed net as "a.b.c.d/p") and the environment's key.
struct Planbedarf {
    std::string name;
    std::optional<std::uint32_t> hosts;
    std::string fest = {};
    std::vector<Planbedarf> kinder = {};
    friend bool operator==(const Planbedarf&, const Planbedarf&) = default;
};

struct Planstand {
    std::string netz;
    bool rfc3021 = false;
    std::vector<Planbedarf> bedarf;
    std::string umgebung = "klassisch";
    friend bool operator==(const Planstand&, const Planstand&) = default;
};

// A row's place: its row at every level from the top.
using Planpfad = std::vector<int>;
// Every row, depth-first: a group's row, then its children's.
std::vector<Planpfad> allePfade(const Planstand& stand);
Planbedarf& zeileBei(Planstand& stand, const Planpfad& pfad);
// "2.1.3"
std::string nrVon(const Planpfad& pfad);
// The rows as the requirements' tree shows them, depth-first: "name|hosts|netz".
std::vector<std::string> bedarfszeilen(const Planstand& stand);
// Einrücken and Ausrücken as the user means them; false when the row has no
// row above it, no parent, or would go deeper than 8 levels.
bool rueckeEin(Planstand& stand, const Planpfad& pfad);
bool rueckeAus(Planstand& stand, const Planpfad& pfad);
// A Netz cell's text: empty clears, a net gives "a.b.c.d/p" with host bits
// cleared; nullopt for a text the cell refuses.
std::optional<std::string> liesFestesNetz(const std::string& text);

// A Hosts cell's text: empty, or 1..2147483646 in decimal digits, blanks
// around; nullopt for a text the cell refuses.
std::optional<std::optional<std::uint32_t>> liesHosts(const std::string& text);

// The plan's rows depth-first, each row's cells joined by "|": none for a bad
// net or for blocks that do not fit, and then meldung is what lblmeldung must
// say of it. A plan with levels, fixed nets or a cloud is the planner's (calc's
// plane), its rows written by planzellen: the oracle checks what the window
// makes of the document, the planner's own tables check the planner.
struct Planerwartung {
    std::vector<std::string> zeilen;
    std::string meldung;
};
Planerwartung erwartePlan(const Planstand& stand);

// The document and its undo history, step by step as the user made them. The
// net typed key by key is one step, as long as nothing else comes between;
// typed back to where it began, it is none.
class Planverlauf {
public:
    explicit Planverlauf(Planstand start);

    const Planstand& stand() const { return staende_[index_]; }
    bool gespeichert() const { return index_ == 0; } // the plan was never saved
    // What lblmeldung says of the last refused input, until the next step;
    // with nurAnfang, how its first line begins.
    std::string abgelehnt;
    bool nurAnfang = false;

    void aendere(const Planstand& neu);
    void tippeNetz(const std::string& text);
    void rueckgaengig();
    void wiederholen();

private:
    void nimmAuf(const Planstand& neu, bool netz);

    std::vector<Planstand> staende_;
    std::vector<bool> netzschritt_; // the step to staende_[i] changed the net
    std::size_t index_ = 0;
};

} // namespace zufall
