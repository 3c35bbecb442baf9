#include "calc/klasse.h"

#include <array>

namespace netzplaner {
namespace {

struct Klasse {
    std::uint8_t bis; // highest first octet of the class
    std::string_view text;
    Adressanteil anteil;
};

constexpr std::array<Klasse, 5> klassen{{
    {127, "Klasse A Netz", Adressanteil::Bit8},
    {191, "Klasse B Netz", Adressanteil::Bit16},
    {223, "Klasse C Netz", Adressanteil::Bit24},
    {239, "Klasse D Netz", Adressanteil::Bit24},
    {255, "Klasse E Netz", Adressanteil::Bit24},
}};

const Klasse& eintrag(std::uint8_t klasse)
{
    return klassen.at(klasse < klassen.size() ? klasse : klassen.size() - 1);
}

} // namespace

std::uint8_t klasseVon(std::uint8_t erstesOktett)
{
    std::uint8_t klasse = 0;
    while (erstesOktett > klassen[klasse].bis)
        ++klasse;
    return klasse;
}

std::string_view klassenText(std::uint8_t klasse)
{
    return eintrag(klasse).text;
}

Adressanteil adressanteilVon(std::uint8_t klasse)
{
    return eintrag(klasse).anteil;
}

} // namespace netzplaner
