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

// "Hosts", "Anzahl": no digit at all. A field with a digit is a row whose
// number is wrong, and is refused as such rather than passed over.
bool istUeberschrift(std::string_view feld)
{
    return !feld.empty() && feld.find_first_of("0123456789") == std::string_view::npos;
}

std::optional<std::string> leseZeile(const Felder& felder, std::vector<Bedarf>& bedarf)
{
    if (std::any_of(felder.begin() + std::min<std::ptrdiff_t>(2, std::ssize(felder)), felder.end(),
                    [](const std::string& f) { return !f.empty(); }))
        return std::string("mehr als zwei Felder, erwartet sind Name und Hosts");
    const std::string_view hostsfeld = felder.size() > 1 ? std::string_view(felder[1]) : std::string_view();
    if (auto fehler = namensFehler(felder[0]))
        return fehler;
    const auto hosts = leseHosts(hostsfeld);
    if (!hosts)
        return hostsFehler();
    // Quoted empty fields make an empty row too.
    if (!felder[0].empty() || *hosts)
        bedarf.push_back({felder[0], *hosts});
    return std::nullopt;
}

std::string felderText(std::size_t anzahl)
{
    return anzahl == 1 ? "1 Feld" : std::to_string(anzahl) + " Felder";
}

} // namespace

std::variant<Bedarfsliste, std::string> leseBedarfCsv(std::string_view bytes)
{
    std::string umgewandelt;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        auto utf16 = ausUtf16(bytes);
        if (!utf16)
            return std::string("Die Datei ist kein gültiges UTF-16");
        umgewandelt = std::move(*utf16);
        bytes = umgewandelt;
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    if (!istUtf8(bytes)) {
        umgewandelt = ausWindows1252(bytes);
        bytes = umgewandelt;
    }
    const std::vector<std::string_view> zeilen = zeilenVon(bytes);
    const char trenner = trennerVon(zeilen);
    Bedarfsliste liste;
    std::optional<std::size_t> feldzahl;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        // A spreadsheet writes its empty rows as separators only.
        if (zeilen[i].find_first_not_of(std::string(blanks) + trenner) == std::string_view::npos)
            continue;
        const std::string nummer = "Zeile " + std::to_string(i + 1) + ": ";
        auto zerlegt = felderVon(zeilen[i], trenner);
        if (auto* fehler = std::get_if<std::string>(&zerlegt))
            return nummer + *fehler;
        const Felder& felder = std::get<Felder>(zerlegt);
        // A line of another file or separator pasted below is no requirement.
        if (feldzahl && felder.size() != *feldzahl)
            return nummer + felderText(felder.size()) + ", die erste Zeile hat " + felderText(*feldzahl);
        if (!feldzahl) {
            feldzahl = felder.size();
            if (felder.size() > 1 && istUeberschrift(felder[1])) {
                liste.kopfzeile = i + 1;
                continue;
            }
        }
        if (auto fehler = leseZeile(felder, liste.bedarf))
            return nummer + *fehler;
    }
    return liste;
}

} // namespace netzplaner
