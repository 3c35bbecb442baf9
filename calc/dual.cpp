// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/dual.h"

#include <algorithm>

#include "calc/zeichen.h"

namespace netzplaner {
namespace {

std::string binaerText(std::uint32_t zahl)
{
    std::string ziffern; // least significant first, as the halving yields them
    do {
        ziffern += (zahl % 2 == 0) ? '0' : '1';
        zahl /= 2;
    } while (zahl > 0);

    std::string text = umkehren(ziffern);
    if (text.size() < 8)
        text.insert(0, 8 - text.size(), '0');
    return text;
}

} // namespace

std::string dualwandeln(std::uint8_t& wert)
{
    std::string text = binaerText(wert);
    wert = 0;
    return text;
}

Zahlwert leseZahl(std::string_view text)
{
    if (text.empty())
        return {Zahlstatus::NichtNumerisch};
    if (!std::all_of(text.begin(), text.end(), istZiffer))
        return {Zahlstatus::NichtNumerisch};
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    // Ten digits may still be above the limit; more are, and are never parsed,
    // so a text of any length cannot overflow.
    if (text.size() > std::size_t(groessteDualzahlStellen) + 1)
        return {Zahlstatus::ZuGross};
    std::uint64_t wert = 0;
    for (const char c : text)
        wert = wert * 10 + static_cast<std::uint64_t>(c - '0');
    if (wert > groessteDualzahl)
        return {Zahlstatus::ZuGross};
    return {Zahlstatus::Zahl, static_cast<std::uint32_t>(wert)};
}

std::string_view fehlertext(Zahlstatus status)
{
    switch (status) {
    case Zahlstatus::NichtNumerisch:
        return wertNichtNumerisch;
    case Zahlstatus::ZuGross:
        return zahlZuGross;
    case Zahlstatus::Zahl:
        break;
    }
    return {};
}

std::string dualwandeln(std::string& wert)
{
    const Zahlwert gelesen = leseZahl(wert);
    if (gelesen.status != Zahlstatus::Zahl)
        return std::string(fehlertext(gelesen.status));
    std::string text = binaerText(gelesen.zahl);
    wert.assign(1, '0'); // not = "0": g++ 12 misreports that as overlapping (-Wrestrict)
    return text;
}

std::string umkehren(std::string_view text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size());
    std::size_t ende = text.size();
    while (ende > 0) {
        // Step back over UTF-8 continuation bytes to the start of the character.
        std::size_t anfang = ende - 1;
        while (anfang > 0 && (static_cast<unsigned char>(text[anfang]) & 0xC0) == 0x80)
            --anfang;
        ergebnis.append(text.substr(anfang, ende - anfang));
        ende = anfang;
    }
    return ergebnis;
}

} // namespace netzplaner
