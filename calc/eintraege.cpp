// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/eintraege.h"

#include <optional>
#include <utility>

#include "calc/adresse.h"
#include "calc/adressteile.h"
#include "calc/zeichen.h"

namespace netzplaner {
namespace {

constexpr std::string_view halbgeviertstrich = "\u2013";

bool trennt(char c)
{
    return c == '\n' || c == '\r' || c == ' ' || c == '\t' || c == ',' || c == ';';
}

// Where the dash of a range starts in text, and how long it is.
std::optional<std::pair<std::size_t, std::size_t>> findeStrich(std::string_view text)
{
    const std::size_t minus = text.find('-');
    const std::size_t strich = text.find(halbgeviertstrich);
    if (minus == std::string_view::npos && strich == std::string_view::npos)
        return std::nullopt;
    if (minus < strich)
        return std::pair(minus, std::size_t{1});
    return std::pair(strich, halbgeviertstrich.size());
}

bool beginntMitStrich(std::string_view text)
{
    return text.starts_with('-') || text.starts_with(halbgeviertstrich);
}

bool endetMitStrich(std::string_view text)
{
    return text.ends_with('-') || text.ends_with(halbgeviertstrich);
}

// A pasted line of garbage must not make a message of thousands of
// characters. Cut where no UTF-8 sequence is split.
std::string zitat(std::string_view text)
{
    constexpr std::size_t hoechstens = 40;
    std::string zitiert = "\u201E";
    if (text.size() <= hoechstens) {
        zitiert += text;
    } else {
        std::size_t laenge = hoechstens;
        while (laenge > 0 && (static_cast<unsigned char>(text[laenge]) & 0xC0) == 0x80)
            --laenge;
        zitiert += text.substr(0, laenge);
        zitiert += "\u2026";
    }
    return zitiert + "\u201C";
}

std::optional<Adresse> nurAdresse(std::string_view text)
{
    const auto oktette = nimmOktette(text);
    if (!oktette || !text.empty())
        return std::nullopt;
    return alsAdresse(*oktette);
}

std::string keineAdresse(std::string_view text)
{
    return zitat(text) + " ist keine IPv4-Adresse";
}

std::variant<Intervall, std::string> leseBereich(std::string_view text, std::size_t strich, std::size_t laenge)
{
    const std::string_view von = ohneRand(text.substr(0, strich), istLuecke);
    const std::string_view bis = ohneRand(text.substr(strich + laenge), istLuecke);
    if (von.empty() || bis.empty())
        return zitat(text) + " ist kein vollständiger Bereich";
    const auto erste = nurAdresse(von);
    if (!erste)
        return keineAdresse(von);
    const auto letzte = nurAdresse(bis);
    if (!letzte)
        return keineAdresse(bis);
    if (*letzte < *erste)
        return zitat(text) + ": das Ende liegt vor dem Anfang";
    return Intervall{*erste, *letzte};
}

std::variant<Intervall, std::string> leseNetzeintrag(std::string_view text, std::size_t schraegstrich)
{
    const std::string_view vorn = text.substr(0, schraegstrich);
    const auto adresse = nurAdresse(vorn);
    if (!adresse)
        return keineAdresse(vorn);
    const std::string_view hinten = text.substr(schraegstrich + 1);
    std::string_view rest = hinten;
    std::optional<int> praefix;
    if (hinten.find('.') != std::string_view::npos) {
        const auto maske = nimmOktette(rest);
        if (!maske || !rest.empty())
            return zitat(hinten) + " ist keine Netzmaske";
        praefix = praefixDerMaske(*maske);
        if (!praefix)
            return zitat(hinten) + " ist keine zusammenhängende Netzmaske";
    } else {
        praefix = nimmPraefix(rest);
        if (!praefix || !rest.empty())
            return zitat(hinten) + " ist kein Präfix von 0 bis 32";
    }
    const std::uint64_t netz = *adresse & maske(*praefix);
    return Intervall{netz, netz + netzgroesse(*praefix) - 1};
}

std::variant<Eintrag, std::string> leseEintragsteile(std::string_view text)
{
    std::string_view rest = text;
    const bool ausnehmen = rest.starts_with('!');
    if (ausnehmen) {
        rest.remove_prefix(1);
        rest = ohneRand(rest, istLuecke);
        if (rest.empty())
            return zitat(text) + " nennt keine Adressen";
    }

    std::variant<Intervall, std::string> gelesen;
    if (const auto strich = findeStrich(rest))
        gelesen = leseBereich(rest, strich->first, strich->second);
    else if (const std::size_t schraeg = rest.find('/'); schraeg != std::string_view::npos)
        gelesen = leseNetzeintrag(rest, schraeg);
    else if (const auto adresse = nurAdresse(rest))
        gelesen = Intervall{*adresse, *adresse};
    else
        gelesen = keineAdresse(rest);

    if (auto* grund = std::get_if<std::string>(&gelesen))
        return std::move(*grund);
    return Eintrag{std::get<Intervall>(gelesen), ausnehmen};
}

} // namespace

std::variant<Eintrag, std::string> leseEintrag(std::string_view text)
{
    auto gelesen = leseEintragsteile(text);
    auto* grund = std::get_if<std::string>(&gelesen);
    // In a line of twenty entries, "„33“" alone does not say which one is meant.
    if (grund && !grund->starts_with(zitat(text)))
        *grund = zitat(text) + ": " + *grund;
    return gelesen;
}

std::size_t Eintragsleser::lies(std::string_view text, bool letztes)
{
    std::size_t pos = 0;
    const auto wortEnde = [&](std::size_t anfang) {
        while (anfang < text.size() && !trennt(text[anfang]))
            ++anfang;
        return anfang;
    };
    const auto nachLuecken = [&](std::size_t p) {
        while (p < text.size() && istLuecke(text[p]))
            ++p;
        return p;
    };

    while (pos < text.size()) {
        if (trennt(text[pos])) {
            zeile_ += text[pos] == '\n';
            ++pos;
            continue;
        }
        const std::size_t anfang = pos;
        pos = wortEnde(pos);
        // "10.0.0.1 - 10.0.0.9" and "! 10.0.0.0/8" are one entry each: a word
        // that ends in a dash or is a lone "!" takes the next one on its line,
        // and so does a word that a dash follows. Where the piece ends before
        // that is decided, the entry waits for the next piece.
        for (;;) {
            const std::string_view bisher = text.substr(anfang, pos - anfang);
            const std::size_t weiter = nachLuecken(pos);
            if (weiter == text.size() && !letztes)
                return anfang;
            if (weiter == text.size() || trennt(text[weiter]))
                break;
            const std::size_t naechstesEnde = wortEnde(weiter);
            if (naechstesEnde == text.size() && !letztes)
                return anfang;
            if (!(endetMitStrich(bisher) || bisher == "!" || beginntMitStrich(text.substr(weiter))))
                break;
            pos = naechstesEnde;
        }

        ++ziel_.anzahl;
        auto gelesen = leseEintrag(text.substr(anfang, pos - anfang));
        if (auto* grund = std::get_if<std::string>(&gelesen))
            ziel_.fehler.push_back({zeile_, std::move(*grund)});
        else if (const auto& eintrag = std::get<Eintrag>(gelesen); eintrag.ausnehmen)
            ziel_.heraus.push_back(eintrag.adressen);
        else
            ziel_.hinein.push_back(eintrag.adressen);
    }
    return pos;
}

Eintraege leseEintraege(std::string_view text)
{
    Eintraege eintraege;
    Eintragsleser(eintraege).lies(text, true);
    return eintraege;
}

} // namespace netzplaner
