// SPDX-License-Identifier: GPL-3.0-or-later
// leseIpv6 must agree with the C library's inet_pton on every bare address,
// print back (RFC 5952 and written out) to texts that read the same, agree with
// inet_ntop (which also writes the deprecated IPv4-compatible ::a.b.c.d dotted,
// where RFC 5952 keeps hex groups), and split any net it reads without leaving
// it.
#include <arpa/inet.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/ipv6lesen.h"
#include "calc/ipv6teilung.h"
#include "calc/ipv6text.h"
#include "fuzz/pruefe.h"

namespace {

using netzplaner::Ipv6Netz;
using netzplaner::Zahl128;

Zahl128 alsZahl(const in6_addr& a)
{
    Zahl128 zahl = 0;
    for (const std::uint8_t byte : a.s6_addr)
        zahl = zahl << 8 | byte;
    return zahl;
}

in6_addr alsIn6(Zahl128 zahl)
{
    in6_addr a{};
    for (int i = 15; i >= 0; --i, zahl >>= 8)
        a.s6_addr[i] = std::uint8_t(zahl);
    return a;
}

// The C library takes a NUL-ended bare address; blanks, a prefix and the
// leading zeros in a dotted tail that it refuses are the reader's own.
void vergleicheMitCBibliothek(std::string_view text, const netzplaner::Ipv6Lesung& lesung)
{
    if (text.find_first_of(std::string_view("/ \t\r\n\0", 6)) != std::string_view::npos)
        return;
    in6_addr a{};
    const bool cBibliothek = inet_pton(AF_INET6, std::string(text).c_str(), &a) == 1;
    if (cBibliothek)
        PRUEFE(lesung.netz && lesung.netz->adresse == alsZahl(a) && lesung.netz->praefix == 128);
    else if (text.find('.') == std::string_view::npos)
        PRUEFE(!lesung.netz);
}

void pruefeText(const Ipv6Netz& netz)
{
    const std::string text = netzplaner::ipv6Text(netz.adresse);
    PRUEFE(text.size() <= 39 && text.find_first_of("ABCDEF") == std::string::npos);
    char puffer[INET6_ADDRSTRLEN];
    const in6_addr a = alsIn6(netz.adresse);
    PRUEFE(inet_ntop(AF_INET6, &a, puffer, sizeof puffer));
    const bool gemappt = (netz.adresse >> 32) == 0xffff;
    if (gemappt || std::strchr(puffer, '.') == nullptr)
        PRUEFE(text == puffer);
    PRUEFE(gemappt == (text.find('.') != std::string::npos));

    const std::string praefix = "/" + std::to_string(netz.praefix);
    PRUEFE(netzplaner::leseIpv6(text + praefix).netz == netz);
    PRUEFE(netzplaner::leseIpv6(netzplaner::ipv6Lang(netz.adresse) + praefix).netz == netz);
}

void pruefeTeilung(const Ipv6Netz& netz, int teilpraefix)
{
    const netzplaner::Ipv6Teilung teilung(netz, teilpraefix);
    const Ipv6Netz ganz = netzplaner::ohneHostbits(netz);
    PRUEFE(teilung.netz() == ganz);
    PRUEFE(teilung.teilpraefix() >= netz.praefix && teilung.teilpraefix() <= 128);
    const auto erste = teilung.zeile(0);
    const auto letzte = teilung.zeile(teilung.letzterIndex());
    PRUEFE(erste[2] == netzplaner::ipv6Text(ganz.adresse));
    PRUEFE(letzte[3] == netzplaner::ipv6Text(netzplaner::letzteAdresse(ganz)));
    const int zeilen = teilung.zeilenAb(0);
    PRUEFE(zeilen >= 1 && zeilen <= netzplaner::Ipv6Teilung::hoechstensZeilen);
    PRUEFE(teilung.zeile(Zahl128(zeilen - 1))[0] != "" && teilung.zeilenAb(teilung.letzterIndex()) == 1);
    PRUEFE(!teilung.kopf().reverse.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const auto lesung = netzplaner::leseIpv6(text);
    PRUEFE(lesung.netz.has_value() == lesung.fehler.empty());
    vergleicheMitCBibliothek(text, lesung);
    if (lesung.netz) {
        PRUEFE(lesung.netz->praefix >= 0 && lesung.netz->praefix <= 128);
        pruefeText(*lesung.netz);
        pruefeTeilung(*lesung.netz, groesse > 0 ? daten[0] % 140 : 0);
    }
    return 0;
}
