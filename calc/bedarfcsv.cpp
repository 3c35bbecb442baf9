// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/bedarfcsv.h"

#include <algorithm>
#include <optional>

#include "calc/zeichensatz.h"

namespace netzplaner {
namespace {

using Felder = std::vector<std::string>;

// Blanks and tabs around a field; a tab that separates never gets this far.
constexpr std::string_view blanks = " \t";

std::string_view ohneBlanks(std::string_view text)
{
    const auto anfang = text.find_first_not_of(blanks);
    if (anfang == std::string_view::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(blanks) - anfang + 1);
}

// Splits one line; a quoted field must close on its line, since a
// requirement's name is one line in the plan.
std::variant<Felder, std::string> felderVon(std::string_view zeile, char trenner)
{
    Felder felder;
    std::size_t i = 0;
    while (true) {
        while (i < zeile.size() && zeile[i] != trenner && blanks.find(zeile[i]) != std::string_view::npos)
            ++i;
        std::string feld;
        if (i < zeile.size() && zeile[i] == '"') {
            for (++i;; i += 2) {
                const auto quote = zeile.find('"', i);
                if (quote == std::string_view::npos)
                    return std::string("ein Anführungszeichen wird nicht geschlossen");
                feld += zeile.substr(i, quote - i);
                i = quote;
                if (zeile.substr(i, 2) != "\"\"")
                    break;
                feld += '"';
            }
            while (++i < zeile.size() && zeile[i] != trenner && blanks.find(zeile[i]) != std::string_view::npos) { }
            if (i < zeile.size() && zeile[i] != trenner)
                return std::string("nach dem schließenden Anführungszeichen muss das Trennzeichen folgen");
        } else {
            const auto ende = std::min(zeile.find(trenner, i), zeile.size());
            feld = ohneBlanks(zeile.substr(i, ende - i));
            i = ende;
        }
        felder.push_back(std::move(feld));
        if (i >= zeile.size())
            return felder;
        ++i; // the separator
    }
}

// A separator inside quotes is part of a name and tells nothing.
char trennerVon(const std::vector<std::string_view>& zeilen)
{
    for (const std::string_view zeile : zeilen) {
        bool zitiert = false;
        char gefunden = 0;
        for (const char c : zeile) {
            if (c == '"')
                zitiert = !zitiert;
            else if (!zitiert && (c == '\t' || (c == ';' && gefunden != '\t') || (c == ',' && !gefunden)))
                gefunden = c;
        }
        if (gefunden)
            return gefunden;
    }
    return ';';
}

// Lines end in "\r\n", "\n" or, from old spreadsheets, "\r".
std::vector<std::string_view> zeilenVon(std::string_view text)
{
    std::vector<std::string_view> zeilen;
    while (!text.empty()) {
        const auto ende = std::min(text.find_first_of("\r\n"), text.size());
        zeilen.push_back(text.substr(0, ende));
        const bool crlf = text.substr(ende, 2) == "\r\n";
        text.remove_prefix(std::min(text.size(), ende + (crlf ? 2 : 1)));
    }
    return zeilen;
}

std::optional<std::string> leseZeile(std::string_view zeile, char trenner, bool ersteZeile, std::vector<Bedarf>& bedarf)
{
    auto zerlegt = felderVon(zeile, trenner);
    if (auto* fehler = std::get_if<std::string>(&zerlegt))
        return std::move(*fehler);
    Felder& felder = std::get<Felder>(zerlegt);
    if (std::any_of(felder.begin() + std::min<std::ptrdiff_t>(2, std::ssize(felder)), felder.end(),
                    [](const std::string& f) { return !f.empty(); }))
        return std::string("mehr als zwei Felder, erwartet sind Name und Hosts");
    const std::string_view hostsfeld = felder.size() > 1 ? std::string_view(felder[1]) : std::string_view();
    if (ersteZeile && !hostsfeld.empty() && hostsfeld.find_first_of("0123456789") == std::string_view::npos)
        return std::nullopt; // a header
    const auto hosts = leseHosts(hostsfeld);
    if (!hosts)
        return std::string(hostsFehler());
    // Quoted empty fields make an empty row too.
    if (!felder[0].empty() || *hosts)
        bedarf.push_back({std::move(felder[0]), *hosts});
    return std::nullopt;
}

} // namespace

std::variant<std::vector<Bedarf>, std::string> leseBedarfCsv(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::string umgewandelt;
    if (!istUtf8(bytes)) {
        umgewandelt = ausWindows1252(bytes);
        bytes = umgewandelt;
    }
    const std::vector<std::string_view> zeilen = zeilenVon(bytes);
    const char trenner = trennerVon(zeilen);
    std::vector<Bedarf> bedarf;
    bool ersteZeile = true;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        // A spreadsheet writes its empty rows as separators only.
        if (zeilen[i].find_first_not_of(std::string(blanks) + trenner) == std::string_view::npos)
            continue;
        if (auto fehler = leseZeile(zeilen[i], trenner, ersteZeile, bedarf))
            return "Zeile " + std::to_string(i + 1) + ": " + *fehler;
        ersteZeile = false;
    }
    return bedarf;
}

} // namespace netzplaner
