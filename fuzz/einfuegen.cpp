// SPDX-License-Identifier: GPL-3.0-or-later
// leseAdresse takes a pasted text whole or not at all: what it accepts must be
// what a plain split at "/", blanks and dots reads from the text, must print
// back to a text that reads the same, and the options chosen for its prefix
// must give that prefix.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/einfuegen.h"
#include "calc/maske.h"
#include "fuzz/pruefe.h"

namespace {

using netzplaner::EingefuegteAdresse;
using netzplaner::Oktette;

std::string_view ohneRand(std::string_view text)
{
    const auto anfang = text.find_first_not_of(" \t\r\n");
    if (anfang == std::string_view::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(" \t\r\n") - anfang + 1);
}

std::vector<std::string_view> teile(std::string_view text, char trenner)
{
    std::vector<std::string_view> stuecke;
    for (std::size_t ende; (ende = text.find(trenner)) != std::string_view::npos; text.remove_prefix(ende + 1))
        stuecke.push_back(text.substr(0, ende));
    stuecke.push_back(text);
    return stuecke;
}

std::optional<int> dezimal(std::string_view text, std::size_t hoechstens)
{
    if (text.empty() || text.size() > hoechstens || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoi(std::string(text));
}

std::optional<Oktette> punktiert(std::string_view text)
{
    const auto stuecke = teile(text, '.');
    if (stuecke.size() != 4)
        return std::nullopt;
    Oktette oktette{};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto wert = dezimal(stuecke[i], 3);
        if (!wert || *wert > 255)
            return std::nullopt;
        oktette[i] = static_cast<std::uint8_t>(*wert);
    }
    return oktette;
}

// What the text should give, read by splitting rather than scanning.
std::optional<EingefuegteAdresse> erwartet(std::string_view text)
{
    const std::string_view kern = ohneRand(text);
    std::string_view adresse = kern;
    std::optional<int> praefix;
    if (const auto schraeg = kern.find('/'); schraeg != std::string_view::npos) {
        adresse = kern.substr(0, schraeg);
        praefix = dezimal(kern.substr(schraeg + 1), 2);
        if (!praefix || *praefix > 32)
            return std::nullopt;
    } else if (const auto luecke = kern.find_first_of(" \t"); luecke != std::string_view::npos) {
        adresse = kern.substr(0, luecke);
        const auto maske = punktiert(kern.substr(kern.find_first_not_of(" \t", luecke)));
        for (int p = 0; maske && p <= 32 && !praefix; ++p)
            if (netzplaner::maskeMitPraefix(p) == *maske)
                praefix = p;
        if (!praefix)
            return std::nullopt;
    }
    const auto oktette = punktiert(adresse);
    if (!oktette)
        return std::nullopt;
    return EingefuegteAdresse{*oktette, praefix};
}

std::string oktetttext(const Oktette& o, const char* format)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, o[0], o[1], o[2], o[3]);
    return puffer;
}

std::string alsText(const EingefuegteAdresse& adresse)
{
    std::string text = oktetttext(adresse.oktette, "%d.%d.%d.%d");
    if (adresse.praefix)
        text += "/" + std::to_string(*adresse.praefix);
    return text;
}

void pruefeWahl(int praefix)
{
    for (const auto anteil :
         {netzplaner::Adressanteil::Bit8, netzplaner::Adressanteil::Bit16, netzplaner::Adressanteil::Bit24}) {
        const auto wahl = netzplaner::waehleFuerPraefix(praefix, anteil);
        PRUEFE((wahl.netzart == netzplaner::Netzart::Normal) == !wahl.bits);
        PRUEFE(!wahl.bits || (*wahl.bits >= 1 && *wahl.bits <= 8));
        PRUEFE(netzplaner::praefixLaenge(wahl.netzart, wahl.anteil, wahl.bits.value_or(0)) == praefix);
    }
}

// Every address and prefix in the other forms a paste may bring: zeros in
// front, line breaks around, a mask after blanks and tabs.
void rundreise(const std::uint8_t* daten)
{
    const Oktette o{daten[0], daten[1], daten[2], daten[3]};
    const int p = daten[4] % 34;
    const std::string praefix = (p < 10 ? "/0" : "/") + std::to_string(p);
    const auto gelesen = netzplaner::leseAdresse("\r\n " + oktetttext(o, "%03d.%d.%02d.%d") + praefix + "\t");
    if (p > 32) {
        PRUEFE(!gelesen);
        return;
    }
    pruefeWahl(p);
    const EingefuegteAdresse adresse{o, p};
    PRUEFE(gelesen == adresse);
    const std::string maske = oktetttext(netzplaner::maskeMitPraefix(p), "%d.%03d.%d.%d");
    PRUEFE(netzplaner::leseAdresse(oktetttext(o, "%d.%d.%d.%d") + " \t " + maske + "\n") == adresse);
    PRUEFE(netzplaner::leseAdresse(oktetttext(o, "%d.%d.%d.%d")) == (EingefuegteAdresse{o, std::nullopt}));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const auto ergebnis = netzplaner::leseAdresse(text);
    PRUEFE(ergebnis == erwartet(text));
    if (ergebnis) {
        PRUEFE(!ergebnis->praefix || (*ergebnis->praefix >= 0 && *ergebnis->praefix <= 32));
        PRUEFE(netzplaner::leseAdresse(alsText(*ergebnis)) == ergebnis);
        if (ergebnis->praefix)
            pruefeWahl(*ergebnis->praefix);
    }
    if (groesse >= 5)
        rundreise(daten);
    return 0;
}
