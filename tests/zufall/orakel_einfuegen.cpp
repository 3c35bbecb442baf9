// SPDX-License-Identifier: GPL-3.0-or-later
// The oracle's own reading of a pasted address: split the text at its
// separators and check each piece, where the program scans it left to right.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "tests/zufall/orakel.h"

namespace zufall {
namespace {

bool ziffer(char c)
{
    return c >= '0' && c <= '9';
}

bool ziffernMitLaenge(const std::string& teil, std::size_t von, std::size_t bis)
{
    return teil.size() >= von && teil.size() <= bis && std::all_of(teil.begin(), teil.end(), ziffer);
}

std::string beschnitten(const std::string& text)
{
    const char* rand = " \t\r\n";
    const std::size_t anfang = text.find_first_not_of(rand);
    if (anfang == std::string::npos)
        return std::string();
    return text.substr(anfang, text.find_last_not_of(rand) - anfang + 1);
}

std::vector<std::string> teile(const std::string& text, char trenner)
{
    std::vector<std::string> stuecke(1);
    for (const char c : text) {
        if (c == trenner)
            stuecke.emplace_back();
        else
            stuecke.back() += c;
    }
    return stuecke;
}

// Four pieces between dots, each one to three digits of at most 255.
std::optional<std::array<std::uint32_t, 4>> viererGruppe(const std::string& text)
{
    const std::vector<std::string> stuecke = teile(text, '.');
    if (stuecke.size() != 4)
        return std::nullopt;
    std::array<std::uint32_t, 4> werte{};
    for (std::size_t i = 0; i < 4; ++i) {
        if (!ziffernMitLaenge(stuecke[i], 1, 3) || std::stoul(stuecke[i]) > 255)
            return std::nullopt;
        werte[i] = std::uint32_t(std::stoul(stuecke[i]));
    }
    return werte;
}

// The p whose mask of p leading ones equals the four octets, if one does.
int praefixDerMaske(const std::array<std::uint32_t, 4>& m)
{
    const std::uint32_t wert = m[0] << 24 | m[1] << 16 | m[2] << 8 | m[3];
    for (int p = 0; p <= 32; ++p)
        if (wert == (p == 0 ? 0u : ~0u << (32 - p)))
            return p;
    return -1;
}

} // namespace

Einfuegung liesEinfuegung(const std::string& text)
{
    Einfuegung e;
    // Digits are the field's own paste, also with blanks and line breaks around.
    const std::string kern = beschnitten(text);
    if (text.empty() || (!kern.empty() && std::all_of(kern.begin(), kern.end(), ziffer))) {
        e.art = Einfuegung::NurZiffern;
        return e;
    }
    std::string adresse = kern;
    const std::size_t schraeg = kern.find('/');
    const std::size_t luecke = kern.find_first_of(" \t");
    if (schraeg != std::string::npos) {
        const std::string p = kern.substr(schraeg + 1);
        if (!ziffernMitLaenge(p, 1, 2) || std::stoi(p) > 32)
            return e;
        e.praefix = std::stoi(p);
        adresse = kern.substr(0, schraeg);
    } else if (luecke != std::string::npos) {
        const auto maske = viererGruppe(kern.substr(kern.find_first_not_of(" \t", luecke)));
        e.praefix = maske ? praefixDerMaske(*maske) : -1;
        if (e.praefix < 0)
            return e;
        adresse = kern.substr(0, luecke);
    }
    const auto oktette = viererGruppe(adresse);
    if (!oktette)
        return e;
    e.art = Einfuegung::Adresse;
    e.oktette = *oktette;
    return e;
}

Praefixoptionen optionenFuer(int praefix, std::uint32_t erstesOktett)
{
    // The class's own part while the bit count reaches p from it; else the
    // part nearest to p, of two equally near the one nearer the class's.
    const int eigen = anteilDerKlasse(erstesOktett);
    int bester = eigen;
    if (std::abs(praefix - 8 * (eigen + 1)) > 8)
        for (int a = 0; a < 3; ++a) {
            const auto abstand = [&](int teil) {
                return std::abs(praefix - 8 * (teil + 1)) * 10 + std::abs(teil - eigen);
            };
            if (abstand(a) < abstand(bester))
                bester = a;
        }
    const int differenz = praefix - 8 * (bester + 1);
    return {differenz == 0 ? 0 : differenz > 0 ? 1 : 2, bester, std::abs(differenz)};
}

} // namespace zufall
