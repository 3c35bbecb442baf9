// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/netzzeile.h"

namespace netzplaner {

std::string cidrText(Adresse netz, int praefix)
{
    return adressText(netz) + '/' + std::to_string(praefix);
}

Netzzellen netzzellen(Adresse adresse, int praefix)
{
    const Adresse netz = adresse & maske(praefix);
    const Adresse broadcast = netz | ~maske(praefix);
    // RFC 3021: a /31 link has no room for net and broadcast address, both
    // are hosts; a /32 is the one host itself.
    const bool mitBroadcast = praefix < 31;
    return {cidrText(netz, praefix), adressText(mitBroadcast ? netz + 1 : netz),
            adressText(mitBroadcast ? broadcast - 1 : broadcast),
            mitBroadcast ? adressText(broadcast) : std::string("entfällt"),
            std::to_string(mitBroadcast ? netzgroesse(praefix) - 2 : netzgroesse(praefix))};
}

} // namespace netzplaner
