// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ipv6teilung.h"

#include <algorithm>
#include <bit>

#include "calc/grosszahl.h"
#include "calc/ipv6text.h"
#include "calc/ipv6typ.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

std::string zweierpotenzText(int exponent)
{
    return mitTausenderpunkten(zweierpotenz(exponent)) + " (2^" + std::to_string(exponent) + ')';
}

// Every group with as many digits as its largest value has, and no "::",
// which only ever shortens a text.
std::string laengstesMuster(Zahl128 groesste)
{
    std::string muster;
    for (int gruppe = 7; gruppe >= 0; --gruppe) {
        const unsigned wert = unsigned(groesste >> (16 * gruppe)) & 0xffff;
        muster.append(std::size_t(std::max(1, (int(std::bit_width(wert)) + 3) / 4)), '0');
        if (gruppe > 0)
            muster += ':';
    }
    return muster;
}

} // namespace

const std::array<std::string_view, Ipv6Teilung::spaltenzahl>& Ipv6Teilung::spalten()
{
    using namespace std::string_view_literals;
    static constexpr std::array namen{"Nr."sv, "Teilnetz"sv, "Erste Adresse"sv, "Letzte Adresse"sv};
    return namen;
}

Ipv6Teilung::Ipv6Teilung(const Ipv6Netz& netz, int teilpraefix)
    : netz_(ohneHostbits({netz.adresse, std::clamp(netz.praefix, 0, 128)}))
    , teilpraefix_(std::clamp(teilpraefix, netz_.praefix, 128))
{
}

int Ipv6Teilung::zeilenAb(Zahl128 erster) const
{
    if (erster > letzterIndex())
        return 0;
    return int(std::min<Zahl128>(letzterIndex() - erster, hoechstensZeilen - 1) + 1);
}

std::array<std::string, Ipv6Teilung::spaltenzahl> Ipv6Teilung::zeile(Zahl128 index) const
{
    if (index > letzterIndex())
        return {};
    // The index has at most teilpraefix - praefix bits, so the shift keeps it
    // inside the net; for /0 in /0 the index is 0 and must not be shifted by 128.
    const int rest = 128 - teilpraefix_;
    const Ipv6Netz teilnetz{netz_.adresse | (rest < 128 ? index << rest : 0), teilpraefix_};
    return {nummerText(index), ipv6NetzText(teilnetz), ipv6Text(teilnetz.adresse),
            ipv6Text(netzplaner::letzteAdresse(teilnetz))};
}

Ipv6Kopf Ipv6Teilung::kopf() const
{
    return {ipv6NetzText(netz_),
            ipv6Lang(netz_.adresse),
            ipv6Text(netz_.adresse),
            ipv6Text(netzplaner::letzteAdresse(netz_)),
            zweierpotenzText(128 - netz_.praefix),
            zweierpotenzText(teilpraefix_ - netz_.praefix),
            std::string(ipv6Typ(netz_)),
            reverseZone(netz_)};
}

std::string Ipv6Teilung::umfang(Zahl128 erster) const
{
    const int zeilen = zeilenAb(erster);
    if (erster == 0 && Zahl128(zeilen) - 1 == letzterIndex())
        return {};
    const std::string gesamt = mitTausenderpunkten(zweierpotenz(teilpraefix_ - netz_.praefix));
    if (erster == 0)
        return "Die Tabelle zeigt die ersten " + mitTausenderpunkten(std::to_string(zeilen)) + " von " + gesamt
               + " Teilnetzen.";
    return "Die Tabelle zeigt die Teilnetze Nr. " + nummerText(erster) + " bis " + nummerText(erster + zeilen - 1)
           + " von " + gesamt + '.';
}

std::array<std::string, Ipv6Teilung::spaltenzahl> Ipv6Teilung::breitesteZeile() const
{
    const Zahl128 hostbits = ~ipv6Maske(teilpraefix_);
    const Zahl128 hoechstesTeilnetz = netzplaner::letzteAdresse(netz_) & ~hostbits;
    const std::string nummer(zweierpotenz(teilpraefix_ - netz_.praefix).size(), '0');
    return {mitTausenderpunkten(nummer), laengstesMuster(hoechstesTeilnetz) + '/' + std::to_string(teilpraefix_),
            laengstesMuster(hoechstesTeilnetz), laengstesMuster(hoechstesTeilnetz | hostbits)};
}

} // namespace netzplaner
