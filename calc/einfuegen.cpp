// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/einfuegen.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "calc/adressteile.h"
#include "calc/zeichen.h"

namespace netzplaner {
namespace {

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
        const auto praefix = nimmPraefix(rest);
        if (!praefix || !rest.empty())
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
