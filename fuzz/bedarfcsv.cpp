// SPDX-License-Identifier: GPL-3.0-or-later
// leseBedarfCsv takes any bytes: what it accepts must be well-formed UTF-8
// names of one line with hosts in range, and written back as quoted ";" lines
// it must read the same; a refusal must name a line of the input.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/bedarfcsv.h"
#include "calc/zeichensatz.h"
#include "fuzz/pruefe.h"

namespace {

using netzplaner::Bedarf;

std::string alsCsv(const std::vector<Bedarf>& bedarf)
{
    std::string csv;
    for (const Bedarf& b : bedarf) {
        csv += '"';
        for (const char c : b.name)
            csv += c == '"' ? std::string("\"\"") : std::string(1, c);
        csv += "\";";
        if (b.hosts)
            csv += std::to_string(*b.hosts);
        csv += "\r\n";
    }
    return csv;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const auto ergebnis = netzplaner::leseBedarfCsv(bytes);
    if (const auto* fehler = std::get_if<std::string>(&ergebnis)) {
        if (*fehler == "Die Datei ist kein gültiges UTF-16")
            return 0;
        PRUEFE(fehler->starts_with("Zeile "));
        PRUEFE(std::stoul(fehler->substr(6)) >= 1 && std::stoul(fehler->substr(6)) <= groesse);
        return 0;
    }
    const auto& bedarf = std::get<netzplaner::Bedarfsliste>(ergebnis).bedarf;
    for (const Bedarf& b : bedarf) {
        PRUEFE(netzplaner::istUtf8(b.name));
        PRUEFE(b.name.find_first_of("\r\n") == std::string::npos);
        PRUEFE(!b.hosts || (*b.hosts >= 1 && *b.hosts <= netzplaner::hoechsteHosts));
        PRUEFE(!b.name.empty() || b.hosts);
    }
    const auto wieder = netzplaner::leseBedarfCsv(alsCsv(bedarf));
    PRUEFE(std::holds_alternative<netzplaner::Bedarfsliste>(wieder)
           && std::get<netzplaner::Bedarfsliste>(wieder).bedarf == bedarf);
    return 0;
}
