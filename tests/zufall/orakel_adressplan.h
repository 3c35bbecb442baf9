// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zufall {

// The address plan's document as the oracle records it: the net as typed, the
// RFC 3021 box and the requirement rows (no hosts: not planned yet).
struct Planbedarf {
    std::string name;
    std::optional<std::uint32_t> hosts;
    friend bool operator==(const Planbedarf&, const Planbedarf&) = default;
};

struct Planstand {
    std::string netz;
    bool rfc3021 = false;
    std::vector<Planbedarf> bedarf;
    friend bool operator==(const Planstand&, const Planstand&) = default;
};

// A Hosts cell's text: empty, or 1..2147483646 in decimal digits, blanks
// around; nullopt for a text the cell refuses.
std::optional<std::optional<std::uint32_t>> liesHosts(const std::string& text);

// The plan's rows, each row's cells joined by "|": none for a bad net or for
// blocks that do not fit, and then meldung is what lblmeldung must say of it.
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
    // What lblmeldung says of the last refused input, until the next step.
    std::string abgelehnt;

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
