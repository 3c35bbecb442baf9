// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ipv6lesen.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "calc/zeichen.h"

namespace netzplaner {
namespace {

int hexWert(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Names the first character that belongs in no address, so the user sees
// which one to remove; bytes of other scripts are not shown split in half.
std::string zeichenFehler(std::string_view adresse)
{
    for (const char c : adresse) {
        if (hexWert(c) >= 0 || c == ':' || c == '.')
            continue;
        if (istRand(c))
            return "Die Adresse enthält ein Leerzeichen.";
        if (c > ' ' && c < 127)
            return std::string("Das Zeichen „") + c + "“ gehört nicht in eine IPv6-Adresse.";
        return "Die Adresse enthält ein Zeichen, das nicht in eine IPv6-Adresse gehört.";
    }
    return {};
}

std::optional<int> leseOktett(std::string_view text)
{
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int wert = 0;
    for (const char c : text) {
        if (!istZiffer(c))
            return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    return wert <= 255 ? std::optional(wert) : std::nullopt;
}

// The dotted tail "a.b.c.d" as the two groups it stands for.
std::optional<std::uint32_t> leseIpv4Teil(std::string_view text)
{
    std::uint32_t wert = 0;
    for (int i = 0; i < 4; ++i) {
        const auto punkt = text.find('.');
        if ((punkt == std::string_view::npos) != (i == 3))
            return std::nullopt;
        const auto oktett = leseOktett(text.substr(0, punkt));
        if (!oktett)
            return std::nullopt;
        wert = wert << 8 | std::uint32_t(*oktett);
        text.remove_prefix(i < 3 ? punkt + 1 : text.size());
    }
    return wert;
}

// Reads the groups of one side of "::" onto the end of gruppen. Each side holds
// at most eight groups of an address, so reading stops past that.
std::string leseGruppen(std::string_view seite, bool amEnde, std::vector<std::uint16_t>& gruppen)
{
    if (seite.empty())
        return {};
    for (;;) {
        const auto doppelpunkt = seite.find(':');
        const std::string_view gruppe = seite.substr(0, doppelpunkt);
        const bool letzte = doppelpunkt == std::string_view::npos;
        if (gruppe.empty())
            return "Ein einzelnes „:“ am Anfang oder Ende ist nicht erlaubt; „::“ steht für Nullgruppen.";
        if (gruppe.find('.') != std::string_view::npos) {
            if (!letzte || !amEnde)
                return "Ein IPv4-Teil mit Punkten darf nur am Ende der Adresse stehen.";
            const auto ipv4 = leseIpv4Teil(gruppe);
            if (!ipv4)
                return "Der IPv4-Teil am Ende muss vier Zahlen von 0 bis 255 mit Punkten sein.";
            gruppen.push_back(std::uint16_t(*ipv4 >> 16));
            gruppen.push_back(std::uint16_t(*ipv4));
        } else {
            if (gruppe.size() > 4)
                return "Eine Gruppe hat mehr als vier Hex-Ziffern.";
            unsigned wert = 0;
            for (const char c : gruppe)
                wert = wert << 4 | unsigned(hexWert(c));
            gruppen.push_back(std::uint16_t(wert));
        }
        if (gruppen.size() > 8)
            return "Zu viele Gruppen: eine IPv6-Adresse hat acht.";
        if (letzte)
            return {};
        seite.remove_prefix(doppelpunkt + 1);
    }
}

std::optional<Zahl128> leseIpv6Adresse(std::string_view text, std::string& fehler)
{
    if (text.empty()) {
        fehler = "Vor „/“ fehlt die Adresse.";
        return std::nullopt;
    }
    if (fehler = zeichenFehler(text); !fehler.empty())
        return std::nullopt;
    if (text.find(':') == std::string_view::npos) {
        fehler = text.find('.') != std::string_view::npos
                     ? "Das ist eine IPv4-Adresse; gefragt ist eine IPv6-Adresse wie 2001:db8::1."
                     : "Eine IPv6-Adresse besteht aus Gruppen, die „:“ trennt, z. B. 2001:db8::1.";
        return std::nullopt;
    }
    if (text.find(":::") != std::string_view::npos) {
        fehler = "„:::“ ist nicht erlaubt: Nullgruppen kürzt man mit genau zwei „:“ ab.";
        return std::nullopt;
    }
    const auto kurz = text.find("::");
    if (kurz != std::string_view::npos && text.find("::", kurz + 1) != std::string_view::npos) {
        fehler = "„::“ darf nur einmal vorkommen, sonst ist unklar, wie viele Nullgruppen es ersetzt.";
        return std::nullopt;
    }

    std::vector<std::uint16_t> vorn, hinten;
    const bool mitKurz = kurz != std::string_view::npos;
    fehler = leseGruppen(text.substr(0, kurz), !mitKurz, vorn);
    if (fehler.empty() && mitKurz)
        fehler = leseGruppen(text.substr(kurz + 2), true, hinten);
    if (!fehler.empty())
        return std::nullopt;

    const std::size_t anzahl = vorn.size() + hinten.size();
    if (!mitKurz && anzahl < 8)
        fehler = "Zu wenige Gruppen: ohne „::“ braucht eine IPv6-Adresse acht.";
    else if (anzahl > 8)
        fehler = "Zu viele Gruppen: eine IPv6-Adresse hat acht.";
    else if (mitKurz && anzahl == 8)
        fehler = "Bei acht Gruppen bleibt für „::“ keine Nullgruppe übrig.";
    if (!fehler.empty())
        return std::nullopt;

    // The groups before "::" count from the top, those after it from the bottom.
    Zahl128 adresse = 0;
    for (std::size_t i = 0; i < vorn.size(); ++i)
        adresse |= Zahl128{vorn[i]} << 16 * (7 - i);
    for (std::size_t i = 0; i < hinten.size(); ++i)
        adresse |= Zahl128{hinten[i]} << 16 * (hinten.size() - 1 - i);
    return adresse;
}

std::optional<int> lesePraefix(std::string_view text, std::string& fehler)
{
    if (text.empty()) {
        fehler = "Nach „/“ fehlt die Präfixlänge.";
        return std::nullopt;
    }
    int wert = 0;
    for (const char c : text) {
        if (!istZiffer(c)) {
            fehler = "Die Präfixlänge nach „/“ muss eine Zahl von 0 bis 128 sein.";
            return std::nullopt;
        }
        wert = std::min(wert * 10 + (c - '0'), 1000); // leading zeros are fine, long numbers stay large
    }
    if (wert > 128) {
        fehler = "Die Präfixlänge darf höchstens 128 sein.";
        return std::nullopt;
    }
    return wert;
}

} // namespace

Ipv6Lesung leseIpv6(std::string_view text)
{
    Ipv6Lesung lesung;
    const std::string_view kern = ohneRand(text, istRand);
    if (kern.empty()) {
        lesung.fehler = "Bitte eine IPv6-Adresse eingeben, z. B. 2001:db8::/48.";
        return lesung;
    }
    if (kern.find('%') != std::string_view::npos) {
        lesung.fehler = "Eine Zonenangabe mit „%“ gilt nur für eine Schnittstelle, nicht für ein Netz.";
        return lesung;
    }
    const auto schraeg = kern.find('/');
    int praefix = 128;
    if (schraeg != std::string_view::npos) {
        const auto p = lesePraefix(kern.substr(schraeg + 1), lesung.fehler);
        if (!p)
            return lesung;
        praefix = *p;
    }
    const auto adresse = leseIpv6Adresse(kern.substr(0, schraeg), lesung.fehler);
    if (adresse)
        lesung.netz = Ipv6Netz{*adresse, praefix};
    return lesung;
}

} // namespace netzplaner
