// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/adresstyp.h"

#include <array>

#include "calc/adresse.h"

namespace netzplaner {
namespace {

struct Bereich {
    Oktette netz;
    int praefix;
    std::string_view text;
};

// The first range that holds the address wins, so a range must come before
// any wider one that contains it: the limited broadcast lies inside 240.0.0.0/4.
constexpr std::array<Bereich, 16> bereiche{{
    {{0, 0, 0, 0}, 8, "dieses Netz (RFC 791)"},
    {{10, 0, 0, 0}, 8, "privat (RFC 1918)"},
    {{172, 16, 0, 0}, 12, "privat (RFC 1918)"},
    {{192, 168, 0, 0}, 16, "privat (RFC 1918)"},
    {{100, 64, 0, 0}, 10, "Carrier-NAT (RFC 6598)"},
    {{127, 0, 0, 0}, 8, "Loopback (RFC 1122)"},
    {{169, 254, 0, 0}, 16, "Link-Local (RFC 3927)"},
    {{192, 0, 0, 0}, 24, "IETF-Protokolle (RFC 6890)"},
    {{192, 0, 2, 0}, 24, "Dokumentation, TEST-NET-1 (RFC 5737)"},
    {{198, 51, 100, 0}, 24, "Dokumentation, TEST-NET-2 (RFC 5737)"},
    {{203, 0, 113, 0}, 24, "Dokumentation, TEST-NET-3 (RFC 5737)"},
    {{192, 88, 99, 0}, 24, "6to4-Relay, veraltet (RFC 7526)"},
    {{198, 18, 0, 0}, 15, "Benchmark (RFC 2544)"},
    {{224, 0, 0, 0}, 4, "Multicast (RFC 5771)"},
    {{255, 255, 255, 255}, 32, "Broadcast (RFC 919)"},
    {{240, 0, 0, 0}, 4, "reserviert (RFC 1112)"},
}};

} // namespace

std::string_view adresstyp(const Oktette& adresse)
{
    const Adresse a = alsAdresse(adresse);
    for (const Bereich& b : bereiche)
        if ((a & maske(b.praefix)) == alsAdresse(b.netz))
            return b.text;
    return "öffentlich";
}

} // namespace netzplaner
