// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/adressteile.h"

#include <bit>
#include <cstdint>

#include "calc/adresse.h"
#include "calc/zeichen.h"

namespace netzplaner {

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

std::optional<int> nimmPraefix(std::string_view& rest)
{
    const auto praefix = nimmZahl(rest, 2);
    if (!praefix || *praefix > 32)
        return std::nullopt;
    return praefix;
}

std::optional<int> praefixDerMaske(const Oktette& maske)
{
    const Adresse bits = alsAdresse(maske);
    const int einsen = std::popcount(bits);
    if (std::countl_one(bits) != einsen)
        return std::nullopt;
    return einsen;
}

} // namespace netzplaner
