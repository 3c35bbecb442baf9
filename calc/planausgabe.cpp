// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/planausgabe.h"

#include <algorithm>
#include <string_view>

#include "calc/tabellenfeld.h"

namespace netzplaner {
namespace {

constexpr std::size_t namensspalte = 1;
constexpr std::size_t netzspalte = 3;

// Characters, not bytes: "Büro" takes four columns of a terminal.
std::size_t zeichen(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string gequotet(std::string_view feld, std::string_view besondere)
{
    if (feld.find_first_of(besondere) == std::string_view::npos)
        return std::string(feld);
    std::string text = "\"";
    for (const char c : feld) {
        if (c == '"')
            text += '"';
        text += c;
    }
    return text + '"';
}

template <typename Zellen>
void haengeCsvZeileAn(std::string& text, const Zellen& zellen)
{
    for (std::size_t spalte = 0; spalte < zellen.size(); ++spalte) {
        if (spalte > 0)
            text += ';';
        text += gequotet(alsTabellenfeld(zellen[spalte]), ";\"\r\n");
    }
    text += "\r\n";
}

} // namespace

std::string planAlsText(const std::vector<Planzeilentext>& zeilen)
{
    const auto& kopf = planspaltenNamen();
    const auto zelle = [&](const Planzeilentext& zeile, std::size_t spalte) {
        if (spalte != namensspalte)
            return zeile.zellen[spalte];
        return std::string(2 * static_cast<std::size_t>(std::max(zeile.tiefe, 0)), ' ') + zeile.zellen[spalte];
    };
    std::array<std::size_t, planspalten> breite{};
    for (std::size_t spalte = 0; spalte < planspalten; ++spalte) {
        breite[spalte] = zeichen(kopf[spalte]);
        for (const Planzeilentext& zeile : zeilen)
            breite[spalte] = std::max(breite[spalte], zeichen(zelle(zeile, spalte)));
    }
    std::string text;
    const auto haengeAn = [&](const auto& feld) {
        std::string zeile;
        for (std::size_t spalte = 0; spalte < planspalten; ++spalte) {
            const std::string inhalt(feld(spalte));
            if (spalte > 0)
                zeile += "  ";
            zeile += inhalt;
            zeile.append(breite[spalte] - zeichen(inhalt), ' ');
        }
        zeile.erase(zeile.find_last_not_of(' ') + 1);
        text += zeile + '\n';
    };
    haengeAn([&](std::size_t spalte) { return kopf[spalte]; });
    for (const Planzeilentext& zeile : zeilen)
        haengeAn([&](std::size_t spalte) { return zelle(zeile, spalte); });
    return text;
}

std::string planAlsCsv(const std::vector<Planzeilentext>& zeilen)
{
    std::string text;
    haengeCsvZeileAn(text, planspaltenNamen());
    for (const Planzeilentext& zeile : zeilen)
        haengeCsvZeileAn(text, zeile.zellen);
    return text;
}

std::string planFuerNetbox(const std::vector<Planzeilentext>& zeilen)
{
    std::string text = "prefix,status,description\n";
    for (const Planzeilentext& zeile : zeilen) {
        if (zeile.art == Planart::frei)
            continue;
        const char* status = zeile.art == Planart::gruppe ? "container" : "active";
        text += zeile.zellen[netzspalte] + ',' + status + ',' + gequotet(zeile.zellen[namensspalte], ",\"\r\n") + '\n';
    }
    return text;
}

} // namespace netzplaner
