// SPDX-License-Identifier: GPL-3.0-or-later
// The converter's result for any text in any base is either the exact number
// in that base or an error text: never a wrong number.
#include <algorithm>
#include <cstdint>
#include <string>

#include "converter/umrechnen.h"
#include "fuzz/pruefe.h"

namespace {

bool nurZiffern(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void pruefeZiffern(const std::string& ergebnis, const char* erlaubt, int basis, std::uint64_t zahl)
{
    PRUEFE(!ergebnis.empty());
    PRUEFE(ergebnis.find_first_not_of(erlaubt) == std::string::npos);
    PRUEFE(ergebnis == "0" || ergebnis.front() != '0');
    PRUEFE(std::stoull(ergebnis, nullptr, basis) == zahl);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0)
        return 0;
    const auto ziel = static_cast<netzplaner::Zahlensystem>(daten[0] % 3 + 1);
    const std::string text(reinterpret_cast<const char*>(daten + 1), groesse - 1);
    const auto ergebnis = netzplaner::umrechnen(text, ziel);

    if (text.empty()) {
        PRUEFE(!ergebnis); // the window keeps what it showed
        return 0;
    }
    PRUEFE(ergebnis.has_value());
    const std::string& umgerechnet = ergebnis->text;
    if (!nurZiffern(text)) {
        PRUEFE(!ergebnis->gelungen && umgerechnet == "Wert nicht Numerisch!!!");
        return 0;
    }
    const std::size_t erste = std::min(text.find_first_not_of('0'), text.size() - 1);
    if (text.size() - erste > 9) {
        PRUEFE(!ergebnis->gelungen && umgerechnet == "Zahl ist zu gross!!!");
        return 0;
    }
    PRUEFE(ergebnis->gelungen);
    const std::uint64_t zahl = std::stoull(text.substr(erste));
    switch (ziel) {
    case netzplaner::Zahlensystem::Dual:
        PRUEFE(umgerechnet.size() >= 8 && umgerechnet.find_first_not_of("01") == std::string::npos);
        PRUEFE(umgerechnet.size() == 8 || umgerechnet.front() == '1');
        PRUEFE(std::stoull(umgerechnet, nullptr, 2) == zahl);
        break;
    case netzplaner::Zahlensystem::Oktal:
        pruefeZiffern(umgerechnet, "01234567", 8, zahl);
        break;
    case netzplaner::Zahlensystem::Hexadezimal:
        pruefeZiffern(umgerechnet, "0123456789ABCDEF", 16, zahl);
        break;
    }
    return 0;
}
