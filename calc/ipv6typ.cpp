// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ipv6typ.h"

#include <array>

namespace netzplaner {
namespace {

struct Bereich {
    Zahl128 netz;
    int praefix;
    std::string_view text;
};

// Ordered from long prefixes to short: the first range that holds the net is
// the most specific one (2001:db8::/32 lies inside 2000::/3).
constexpr std::array<Bereich, 16> bereiche{{
    {ipv6Zahl(0, 0), 128, "Unspezifiziert"},
    {ipv6Zahl(0, 1), 128, "Loopback"},
    {ipv6Zahl(0, 0x0000'ffff'0000'0000), 96, "IPv4-gemappt"},
    {ipv6Zahl(0x0064'ff9b'0000'0000, 0), 96, "NAT64 (RFC 6052)"},
    {ipv6Zahl(0x0100'0000'0000'0000, 0), 64, "Discard-Only (RFC 6666)"},
    {ipv6Zahl(0x0064'ff9b'0001'0000, 0), 48, "NAT64 lokal (RFC 8215)"},
    {ipv6Zahl(0x2001'0002'0000'0000, 0), 48, "Benchmarking (RFC 5180)"},
    {ipv6Zahl(0x2001'0000'0000'0000, 0), 32, "Teredo (RFC 4380)"},
    {ipv6Zahl(0x2001'0db8'0000'0000, 0), 32, "Dokumentation (RFC 3849)"},
    {ipv6Zahl(0x2001'0020'0000'0000, 0), 28, "ORCHIDv2 (RFC 7343)"},
    {ipv6Zahl(0x3fff'0000'0000'0000, 0), 20, "Dokumentation (RFC 9637)"},
    {ipv6Zahl(0x2002'0000'0000'0000, 0), 16, "6to4 (RFC 3056)"},
    {ipv6Zahl(0xfe80'0000'0000'0000, 0), 10, "Link-Local"},
    {ipv6Zahl(0xff00'0000'0000'0000, 0), 8, "Multicast"},
    {ipv6Zahl(0xfc00'0000'0000'0000, 0), 7, "Unique Local (RFC 4193)"},
    {ipv6Zahl(0x2000'0000'0000'0000, 0), 3, "Global Unicast"},
}};

} // namespace

std::string_view ipv6Typ(const Ipv6Netz& netz)
{
    for (const Bereich& b : bereiche)
        if (b.praefix <= netz.praefix && (netz.adresse & ipv6Maske(b.praefix)) == b.netz)
            return b.text;
    return "Reserviert";
}

std::string reverseZone(const Ipv6Netz& netz)
{
    static constexpr char ziffern[] = "0123456789abcdef";
    const int stellen = netz.praefix / 4;
    std::string zone;
    for (int i = stellen - 1; i >= 0; --i) {
        zone += ziffern[unsigned(netz.adresse >> (124 - 4 * i)) & 0xf];
        zone += '.';
    }
    zone += "ip6.arpa";
    if (netz.praefix % 4 != 0)
        zone += " (auf /" + std::to_string(4 * stellen) + " abgerundet)";
    return zone;
}

} // namespace netzplaner
