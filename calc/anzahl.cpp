// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/anzahl.h"

#include <cmath>

#include "calc/text.h"

namespace netzplaner {
namespace {

// Powers of two and the subtraction are exact in double for every count the
// bit field allows (at most 2^24 - 2), and cannot overflow for any byte.
double hostsProSubnetz(Adressanteil anteil, std::uint8_t bits)
{
    const int hostbits = 8 * (3 - static_cast<int>(anteil)) - bits;
    const double hosts = std::ldexp(1.0, hostbits) - 2.0;
    if (anteil == Adressanteil::Bit24) {
        // Subnets of one or no host bit leave no usable address; the text
        // comparison turns 0 and -1 into 0, as a negative count makes no sense.
        if (!sortiertNach(zahlAlsText(hosts), "0"))
            return 0.0;
    }
    return hosts;
}

} // namespace

std::string anzahlText(Netzart netzart, Adressanteil anteil, std::uint8_t bits)
{
    switch (netzart) {
    case Netzart::SuperNetz:
        return "max: " + zahlAlsText(std::ldexp(1.0, bits)) + " Netze können\r\nverbunden werden";
    case Netzart::SubNetz:
        return "max: " + zahlAlsText(hostsProSubnetz(anteil, bits)) + " Hosts\r\npro Subnetz";
    case Netzart::Normal:
        break;
    }
    return {};
}

} // namespace netzplaner
