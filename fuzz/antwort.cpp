// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise's answers are read leniently, but never guessed at: what a
// reader accepts must print back to a text it reads the same, and blanks
// anywhere in a mask or count change nothing. Every verdict starts with
// "richtig" or "falsch", and "richtig" only for the right answer.
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/antwort.h"
#include "calc/netzzeile.h"
#include "calc/text.h"
#include "fuzz/pruefe.h"

namespace {

using namespace netzplaner;

std::string mitLuecken(std::string_view text)
{
    std::string gestreut;
    for (const char c : text)
        gestreut += std::string(" ") + c;
    return gestreut + "\t";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    if (const auto p = leseMaskenantwort(text)) {
        PRUEFE(*p >= 0 && *p <= 32);
        PRUEFE(leseMaskenantwort(adressText(maske(*p))) == p);
        PRUEFE(leseMaskenantwort(mitLuecken("/" + std::to_string(*p))) == p);
    }
    if (const auto n = leseAnzahlantwort(text)) {
        PRUEFE(leseAnzahlantwort(mitTausenderpunkten(*n)) == n);
        PRUEFE(leseAnzahlantwort(mitLuecken(std::to_string(*n))) == n);
    }
    if (const auto a = leseAdressantwort(text))
        PRUEFE(leseAdressantwort(mitLuecken(adressText(*a))) == a);
    const auto netz = leseNetzantwort(text);
    if (netz) {
        PRUEFE(netz->praefix >= 0 && netz->praefix <= 32);
        const auto wieder = leseNetzantwort(cidrText(netz->adresse, netz->praefix));
        PRUEFE(wieder && wieder->adresse == netz->adresse && wieder->praefix == netz->praefix);
    }
    const Antwortfeld feld{"Netz", Antwortform::Netz, 0xC0A80400u, 26, 0, "192.168.4.0/26"};
    const Urteil urteil = pruefe(feld, text);
    PRUEFE(urteil.text.starts_with(urteil.richtig ? "richtig" : "falsch, richtig ist 192.168.4.0/26"));
    PRUEFE(urteil.richtig == (netz && netz->adresse == feld.adresse && netz->praefix == 26));
    return 0;
}
