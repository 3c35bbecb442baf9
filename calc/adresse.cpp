// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/adresse.h"

#include "calc/maske.h"

namespace netzplaner {

Adresse alsAdresse(const Oktette& oktette)
{
    Adresse adresse = 0;
    for (const std::uint8_t oktett : oktette)
        adresse = adresse << 8 | oktett;
    return adresse;
}

std::string adressText(Adresse adresse)
{
    std::string text;
    for (int verschiebung = 24; verschiebung >= 0; verschiebung -= 8) {
        text += std::to_string(adresse >> verschiebung & 0xFFu);
        if (verschiebung > 0)
            text += '.';
    }
    return text;
}

Adresse maske(int praefix)
{
    return alsAdresse(maskeMitPraefix(praefix));
}

std::uint64_t netzgroesse(int praefix)
{
    return std::uint64_t{1} << (32 - praefix);
}

} // namespace netzplaner
