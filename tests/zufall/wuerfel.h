// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <random>

namespace zufall {

// The one source of chance of a run: the same seed gives the same events.
// Its own arithmetic rather than std::uniform_int_distribution, whose results
// differ between standard libraries.
class Wuerfel {
public:
    explicit Wuerfel(std::uint64_t seed)
        : quelle_(seed)
    {
    }

    // 0 .. n-1.
    int unter(int n) { return int(quelle_() % std::uint64_t(n)); }
    bool promille(int p) { return unter(1000) < p; }

    // One character a user can type: mostly digits, then letters, signs and
    // blanks, umlauts, other scripts' digits, an emoji (two UTF-16 units).
    QString zeichen();

    // A text for the clipboard: mostly short, now and then up to 10,000
    // characters; control characters and lone surrogates included.
    QString text();

    // A text that looks like an address copied from somewhere: mostly one of
    // the forms a paste takes whole, often one that just misses them.
    QString adresstext();

    // For the address plan: a requirement's name; a Hosts text, mostly one
    // that plans, some at the limits of a block or of the field, some
    // refused; a net, mostly one that holds a few rows, now and then the
    // whole address space or one address, sometimes with its mask.
    QString name();
    QString hosts();
    QString netz();

private:
    std::mt19937_64 quelle_;
};

} // namespace zufall
