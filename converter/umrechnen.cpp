#include "converter/umrechnen.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

#include "calc/dual.h"

namespace netzplaner {
namespace {

bool istFehlertext(const std::string& text)
{
    return text == wertNichtNumerisch || text == zahlZuGross;
}

std::string zifferntext(std::uint32_t zahl, int basis)
{
    char puffer[16];
    std::string text(puffer, std::to_chars(puffer, puffer + sizeof puffer, zahl, basis).ptr);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

} // namespace

std::optional<std::string> umrechnen(const std::string& eingabe, Zahlensystem ziel)
{
    if (eingabe.empty())
        return std::nullopt;

    // dualwandeln halves its argument in place: it works on a copy, and its
    // verdict on the text decides for the other bases too.
    std::string kopie = eingabe;
    std::string dual = dualwandeln(kopie);
    if (ziel == Zahlensystem::Dual || istFehlertext(dual))
        return dual;

    // Only digits up to 999999999 get here; leading zeros are harmless to from_chars.
    std::uint32_t zahl = 0;
    std::from_chars(eingabe.data(), eingabe.data() + eingabe.size(), zahl);
    return zifferntext(zahl, ziel == Zahlensystem::Oktal ? 8 : 16);
}

} // namespace netzplaner
