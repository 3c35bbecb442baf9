// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/blockzeilen.h"

#include "calc/bloecke.h"

namespace netzplaner {
namespace {

constexpr std::size_t stueckgroesse = std::size_t{1} << 20;
constexpr std::size_t zeilenlaenge = 19; // "255.255.255.255/32\n"

// Digits without a std::string for each of millions of lines.
char* zahl(char* ziel, unsigned wert)
{
    if (wert >= 100)
        *ziel++ = static_cast<char>('0' + wert / 100);
    if (wert >= 10)
        *ziel++ = static_cast<char>('0' + wert / 10 % 10);
    *ziel++ = static_cast<char>('0' + wert % 10);
    return ziel;
}

} // namespace

Blockzeilen::Blockzeilen(std::function<void(std::string_view)> schreibe)
    : schreibe_(std::move(schreibe))
    , puffer_(stueckgroesse + zeilenlaenge, '\0')
{
}

void Blockzeilen::fuegeAn(const Intervall& stueck)
{
    fuerBloeckeVon(stueck.erste, stueck.letzte, [this](const Block& block) {
        char* ende = puffer_.data() + belegt_;
        for (int verschiebung = 24; verschiebung >= 0; verschiebung -= 8) {
            ende = zahl(ende, (block.netz >> verschiebung) & 0xFFu);
            *ende++ = verschiebung > 0 ? '.' : '/';
        }
        ende = zahl(ende, static_cast<unsigned>(block.praefix));
        *ende++ = '\n';
        belegt_ = static_cast<std::size_t>(ende - puffer_.data());
        if (belegt_ >= stueckgroesse) {
            schreibe_(std::string_view(puffer_.data(), belegt_));
            belegt_ = 0;
        }
    });
}

void Blockzeilen::ende()
{
    if (belegt_ > 0)
        schreibe_(std::string_view(puffer_.data(), belegt_));
    belegt_ = 0;
}

} // namespace netzplaner
