// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ipv6text.h"

#include <array>
#include <charconv>

namespace netzplaner {
namespace {

std::array<unsigned, 8> gruppen(Zahl128 adresse)
{
    std::array<unsigned, 8> g{};
    for (int i = 7; i >= 0; --i, adresse >>= 16)
        g[std::size_t(i)] = unsigned(adresse & 0xffff);
    return g;
}

void haengeHexAn(std::string& text, unsigned gruppe)
{
    char puffer[4];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, gruppe, 16).ptr;
    text.append(puffer, ende);
}

} // namespace

std::string ipv6Text(Zahl128 adresse)
{
    // RFC 5952 section 5: an IPv4-mapped address ends in its IPv4 address,
    // dotted, as inet_ntop writes it; that part is an IPv4 host's own address.
    if ((adresse >> 32) == 0xffff) {
        std::string text = "::ffff:";
        for (int oktett = 3; oktett >= 0; --oktett) {
            text += std::to_string(unsigned(adresse >> (8 * oktett)) & 0xff);
            if (oktett > 0)
                text += '.';
        }
        return text;
    }
    const auto g = gruppen(adresse);
    // RFC 5952 4.2.2: a single zero group stays "0", so a run counts from two.
    std::size_t lauf = 0, laufLaenge = 1;
    for (std::size_t i = 0; i < g.size();) {
        std::size_t j = i;
        while (j < g.size() && g[j] == 0)
            ++j;
        if (j - i > laufLaenge) {
            lauf = i;
            laufLaenge = j - i;
        }
        i = j == i ? i + 1 : j;
    }
    const bool verkuerzt = laufLaenge > 1;

    std::string text;
    for (std::size_t i = 0; i < g.size(); ++i) {
        if (verkuerzt && i == lauf) {
            text += "::";
            i += laufLaenge - 1;
            continue;
        }
        if (!text.empty() && text.back() != ':')
            text += ':';
        haengeHexAn(text, g[i]);
    }
    return text;
}

std::string ipv6Lang(Zahl128 adresse)
{
    static constexpr char ziffern[] = "0123456789abcdef";
    std::string text;
    for (int nibble = 31; nibble >= 0; --nibble) {
        text += ziffern[unsigned(adresse >> (4 * nibble)) & 0xf];
        if (nibble % 4 == 0 && nibble > 0)
            text += ':';
    }
    return text;
}

std::string ipv6NetzText(const Ipv6Netz& netz)
{
    return ipv6Text(netz.adresse) + '/' + std::to_string(netz.praefix);
}

} // namespace netzplaner
