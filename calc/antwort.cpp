// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/antwort.h"

#include <bit>

#include "calc/einfuegen.h"
#include "calc/zeichen.h"

namespace netzplaner {
namespace {

std::string ohneLuecken(std::string_view text)
{
    std::string rest;
    for (const char c : text)
        if (!istLuecke(c) && c != '\r' && c != '\n')
            rest += c;
    return rest;
}

std::optional<int> praefixZahl(std::string_view ziffern)
{
    if (ziffern.empty() || ziffern.size() > 2)
        return std::nullopt;
    int wert = 0;
    for (const char c : ziffern) {
        if (!istZiffer(c))
            return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    return wert <= 32 ? std::optional<int>(wert) : std::nullopt;
}

std::string_view formName(Antwortform form)
{
    switch (form) {
    case Antwortform::Adresse:
        return "keine Adresse der Form a.b.c.d";
    case Antwortform::Maske:
        return "keine Maske der Form /26, 26 oder 255.255.255.192";
    case Antwortform::Anzahl:
        return "keine Anzahl";
    case Antwortform::Netz:
        return "kein Netz der Form a.b.c.d/p";
    }
    return {};
}

bool stimmt(const Antwortfeld& feld, std::string_view antwort, bool& gelesen)
{
    gelesen = true;
    switch (feld.form) {
    case Antwortform::Adresse:
        if (const auto a = leseAdressantwort(antwort))
            return *a == feld.adresse;
        break;
    case Antwortform::Maske:
        if (const auto p = leseMaskenantwort(antwort))
            return *p == feld.praefix;
        break;
    case Antwortform::Anzahl:
        if (const auto n = leseAnzahlantwort(antwort))
            return *n == feld.anzahl;
        break;
    case Antwortform::Netz:
        if (const auto n = leseNetzantwort(antwort))
            return n->adresse == feld.adresse && n->praefix == feld.praefix;
        break;
    }
    gelesen = false;
    return false;
}

} // namespace

std::optional<int> leseMaskenantwort(std::string_view text)
{
    const std::string kern = ohneLuecken(text);
    if (!kern.empty() && kern.front() == '/')
        return praefixZahl(std::string_view(kern).substr(1));
    if (kern.find('.') == std::string::npos)
        return praefixZahl(kern);
    const auto adresse = leseAdresse(kern);
    if (!adresse || adresse->praefix)
        return std::nullopt;
    const Adresse m = alsAdresse(adresse->oktette);
    const int praefix = std::countl_one(m);
    return maske(praefix) == m ? std::optional<int>(praefix) : std::nullopt;
}

std::optional<std::uint64_t> leseAnzahlantwort(std::string_view text)
{
    const std::string kern = ohneLuecken(text);
    if (kern.empty())
        return std::nullopt;
    const bool gruppiert = kern.find('.') != std::string::npos;
    std::uint64_t wert = 0;
    std::size_t seitPunkt = 0;
    int ziffern = 0;
    for (std::size_t i = 0; i < kern.size(); ++i) {
        if (kern[i] == '.') {
            // The first group holds one to three digits, every later one three.
            if (seitPunkt == 0 || seitPunkt > 3 || (i > seitPunkt && seitPunkt != 3))
                return std::nullopt;
            seitPunkt = 0;
            continue;
        }
        // Up to twelve digits, more than any count of hosts or nets in IPv4
        // has, so that the value cannot overflow.
        if (!istZiffer(kern[i]) || ++ziffern > 12)
            return std::nullopt;
        wert = wert * 10 + static_cast<std::uint64_t>(kern[i] - '0');
        ++seitPunkt;
    }
    if (gruppiert && seitPunkt != 3)
        return std::nullopt;
    return wert;
}

std::optional<Adresse> leseAdressantwort(std::string_view text)
{
    const auto adresse = leseAdresse(ohneLuecken(text));
    if (!adresse || adresse->praefix)
        return std::nullopt;
    return alsAdresse(adresse->oktette);
}

std::optional<Netzantwort> leseNetzantwort(std::string_view text)
{
    const std::string_view kern = ohneRand(text, [](char c) { return istLuecke(c) || c == '\r' || c == '\n'; });
    // Blanks around "/" are a learner's, those between address and mask the form's own.
    const auto adresse = leseAdresse(kern.find('/') != std::string_view::npos ? ohneLuecken(kern) : std::string(kern));
    if (!adresse || !adresse->praefix)
        return std::nullopt;
    return Netzantwort{alsAdresse(adresse->oktette), *adresse->praefix};
}

Urteil pruefe(const Antwortfeld& feld, std::string_view antwort)
{
    bool gelesen = false;
    if (stimmt(feld, antwort, gelesen))
        return {true, "richtig"};
    std::string text = "falsch, richtig ist " + feld.loesung;
    if (ohneLuecken(antwort).empty())
        text += " (keine Antwort)";
    else if (!gelesen)
        text += " („" + std::string(antwort) + "“ ist " + std::string(formName(feld.form)) + ")";
    return {false, text};
}

} // namespace netzplaner
