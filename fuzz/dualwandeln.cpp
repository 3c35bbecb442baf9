// SPDX-License-Identifier: GPL-3.0-or-later
// dualwandeln turns a text of decimal digits up to 999999999 into its binary
// digits and halves the text to "0"; any other text gets an error text and is
// left alone. umkehren reverses characters, not bytes.
#include <algorithm>
#include <bitset>
#include <cstdint>
#include <string>

#include "calc/dual.h"
#include "fuzz/pruefe.h"

namespace {

bool nurZiffern(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Well-formed UTF-8 as far as umkehren cares: lead bytes followed by exactly
// their continuation bytes.
bool istUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t laenge = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (laenge == 0 || i + laenge > text.size())
            return false;
        for (std::size_t k = 1; k < laenge; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += laenge;
    }
    return true;
}

void pruefeText(const std::string& text)
{
    std::string wert = text;
    const std::string ergebnis = netzplaner::dualwandeln(wert);
    if (!nurZiffern(text)) {
        PRUEFE(ergebnis == "Wert nicht Numerisch!!!");
        PRUEFE(wert == text);
        return;
    }
    const std::size_t erste = std::min(text.find_first_not_of('0'), text.size() - 1);
    if (text.size() - erste > 9) { // ten significant digits exceed 999999999
        PRUEFE(ergebnis == "Zahl ist zu gross!!!");
        PRUEFE(wert == text);
        return;
    }
    const std::uint64_t zahl = std::stoull(text.substr(erste));
    PRUEFE(ergebnis.size() >= 8 && ergebnis.size() <= 30);
    PRUEFE(ergebnis.find_first_not_of("01") == std::string::npos);
    PRUEFE(ergebnis.size() == 8 || ergebnis.front() == '1'); // padded to eight, no further
    PRUEFE(std::stoull(ergebnis, nullptr, 2) == zahl);
    PRUEFE(wert == "0");
}

void pruefeUmkehren(const std::string& text)
{
    const std::string umgekehrt = netzplaner::umkehren(text);
    PRUEFE(umgekehrt.size() == text.size());
    std::string a = text, b = umgekehrt;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    PRUEFE(a == b);
    if (istUtf8(text))
        PRUEFE(netzplaner::umkehren(umgekehrt) == text);
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        PRUEFE(umgekehrt == std::string(text.rbegin(), text.rend()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    pruefeText(text);
    pruefeUmkehren(text);

    std::uint8_t oktett = groesse > 0 ? daten[0] : 0;
    const std::uint8_t vorher = oktett;
    PRUEFE(netzplaner::dualwandeln(oktett) == std::bitset<8>(vorher).to_string());
    PRUEFE(oktett == 0);
    return 0;
}
