// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "calc/intervalle.h"

namespace netzplaner {

// Writes the fewest CIDR blocks of intervals given in address order, with gaps
// between them, as lines "a.b.c.d/p\n", handed to schreibe in pieces of about
// a mebibyte: a summary of millions of blocks is written without being held
// whole.
class Blockzeilen {
public:
    explicit Blockzeilen(std::function<void(std::string_view)> schreibe);

    void fuegeAn(const Intervall& stueck);
    // Hands on what is left; call once at the end.
    void ende();

private:
    std::function<void(std::string_view)> schreibe_;
    std::string puffer_;
    std::size_t belegt_ = 0;
};

} // namespace netzplaner
