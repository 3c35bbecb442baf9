// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/einfuegen.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <utility>

#include "calc/zeichen.h"

namespace netzplaner {
namespace {

// Copied text often brings the line break of its line, or the indentation of
// a configuration file, with it.
bool istRand(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Takes a number of 1..hoechstens digits off the front. A longer run is
// refused rather than cut: "1234.0.0.1" must not read as 123.
std::optional<int> nimmZahl(std::string_view& rest, std::size_t hoechstens)
{
    std::size_t laenge = 0;
    while (laenge < rest.size() && laenge <= hoechstens && istZiffer(rest[laenge]))
        ++laenge;
    if (laenge == 0 || laenge > hoechstens)
        return std::nullopt;
    int wert = 0;
    for (std::size_t i = 0; i < laenge; ++i)
        wert = wert * 10 + (rest[i] - '0');
    rest.remove_prefix(laenge);
    return wert;
}

std::optional<Oktette> nimmOktette(std::string_view& rest)
{
    Oktette oktette{};
    for (std::size_t i = 0; i < oktette.size(); ++i) {
        if (i > 0) {
            if (rest.empty() || rest.front() != '.')
                return std::nullopt;
            rest.remove_prefix(1);
        }
        const auto wert = nimmZahl(rest, 3);
        if (!wert || *wert > 255)
            return std::nullopt;
        oktette[i] = static_cast<std::uint8_t>(*wert);
    }
    return oktette;
}

// A mask with a gap among its ones (or ones after zeros, as a wildcard mask
// has) names no prefix.
std::optional<int> praefixDerMaske(const Oktette& maske)
{
    std::uint32_t bits = 0;
    for (const std::uint8_t oktett : maske)
        bits = bits << 8 | oktett;
    const int einsen = std::popcount(bits);
    if (std::countl_one(bits) != einsen)
        return std::nullopt;
    return einsen;
}

int bitsVon(Adressanteil anteil)
{
    return 8 * (static_cast<int>(anteil) + 1);
}

} // namespace

std::optional<EingefuegteAdresse> leseAdresse(std::string_view text)
{
    std::string_view rest = ohneRand(text, istRand);
    const auto oktette = nimmOktette(rest);
    if (!oktette)
        return std::nullopt;
    EingefuegteAdresse adresse{*oktette, std::nullopt};
    if (rest.empty())
        return adresse;

    if (rest.front() == '/') {
        rest.remove_prefix(1);
        const auto praefix = nimmZahl(rest, 2);
        if (!praefix || *praefix > 32 || !rest.empty())
            return std::nullopt;
        adresse.praefix = *praefix;
        return adresse;
    }

    // Only blanks and tabs part address and mask: a line break between them
    // means two lines, not one address.
    if (!istLuecke(rest.front()))
        return std::nullopt;
    while (!rest.empty() && istLuecke(rest.front()))
        rest.remove_prefix(1);
    const auto maske = nimmOktette(rest);
    if (!maske || !rest.empty())
        return std::nullopt;
    adresse.praefix = praefixDerMaske(*maske);
    if (!adresse.praefix)
        return std::nullopt;
    return adresse;
}

std::optional<std::string_view> leseZiffern(std::string_view text)
{
    const std::string_view kern = ohneRand(text, istRand);
    if (kern.empty() || !std::all_of(kern.begin(), kern.end(), istZiffer))
        return std::nullopt;
    return kern;
}

Praefixwahl waehleFuerPraefix(int praefix, Adressanteil klassenanteil)
{
    const int p = std::clamp(praefix, 0, 32);
    const int eigen = bitsVon(klassenanteil);

    // The class's part is kept while the bit field can reach p from it, so the
    // window changes as little as it can; beyond that the nearest part, where
    // every p in 0..32 lies within 8 bits of one of them.
    Adressanteil anteil = klassenanteil;
    if (std::abs(p - eigen) > 8) {
        const auto abstand = [&](Adressanteil a) {
            return std::pair(std::abs(p - bitsVon(a)), std::abs(eigen - bitsVon(a)));
        };
        anteil = std::min({Adressanteil::Bit8, Adressanteil::Bit16, Adressanteil::Bit24},
                          [&](Adressanteil a, Adressanteil b) { return abstand(a) < abstand(b); });
    }

    const int k = bitsVon(anteil);
    if (p > k)
        return {anteil, Netzart::SubNetz, static_cast<std::uint8_t>(p - k)};
    if (p < k)
        return {anteil, Netzart::SuperNetz, static_cast<std::uint8_t>(k - p)};
    return {anteil, Netzart::Normal, std::nullopt};
}

} // namespace netzplaner
