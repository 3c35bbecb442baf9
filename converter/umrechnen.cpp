// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/umrechnen.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <utility>

#include "calc/dual.h"

namespace netzplaner {
namespace {

std::string zifferntext(std::uint32_t zahl, int basis)
{
    char puffer[16];
    std::string text(puffer, std::to_chars(puffer, puffer + sizeof puffer, zahl, basis).ptr);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

} // namespace

std::optional<Umrechnung> umrechnen(const std::string& eingabe, Zahlensystem ziel)
{
    if (eingabe.empty())
        return std::nullopt;

    // The binary conversion's verdict on the text decides for the other bases too.
    const Zahlwert wert = leseZahl(eingabe);
    if (wert.status != Zahlstatus::Zahl)
        return Umrechnung{std::string(fehlertext(wert.status)), false};
    switch (ziel) {
    case Zahlensystem::Dual: {
        // dualwandeln halves its argument in place: it works on a copy.
        std::string kopie = eingabe;
        return Umrechnung{dualwandeln(kopie), true};
    }
    case Zahlensystem::Oktal:
        return Umrechnung{zifferntext(wert.zahl, 8), true};
    case Zahlensystem::Hexadezimal:
        break;
    }
    return Umrechnung{zifferntext(wert.zahl, 16), true};
}

std::string umrechnungenAlsText(const std::string& eingabe)
{
    if (eingabe.empty())
        return {};
    std::string text = "Dezimal " + eingabe + '\n';
    for (const auto& [ziel, name] : {std::pair(Zahlensystem::Dual, "Dual"), std::pair(Zahlensystem::Oktal, "Oktal"),
                                     std::pair(Zahlensystem::Hexadezimal, "Hexadezimal")})
        text += std::string(name) + ' ' + umrechnen(eingabe, ziel)->text + '\n';
    return text;
}

} // namespace netzplaner
