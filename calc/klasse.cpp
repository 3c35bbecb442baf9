// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/klasse.h"

#include <array>

namespace netzplaner {
namespace {

struct Eintrag {
    std::uint8_t bis; // highest first octet of the class
    std::string_view text;
    Adressanteil anteil;
};

constexpr std::array<Eintrag, 5> klassen{{
    {127, "Klasse A Netz", Adressanteil::Bit8},
    {191, "Klasse B Netz", Adressanteil::Bit16},
    {223, "Klasse C Netz", Adressanteil::Bit24},
    {239, "Klasse D Netz", Adressanteil::Bit24},
    {255, "Klasse E Netz", Adressanteil::Bit24},
}};

const Eintrag& eintrag(Klasse klasse)
{
    return klassen.at(static_cast<std::size_t>(klasse));
}

} // namespace

Klasse klasseVon(std::uint8_t erstesOktett)
{
    std::size_t klasse = 0;
    while (erstesOktett > klassen[klasse].bis)
        ++klasse;
    return static_cast<Klasse>(klasse);
}

std::string_view klassenText(Klasse klasse)
{
    return eintrag(klasse).text;
}

Adressanteil adressanteilVon(Klasse klasse)
{
    return eintrag(klasse).anteil;
}

} // namespace netzplaner
