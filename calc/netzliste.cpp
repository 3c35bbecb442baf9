// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/netzliste.h"

#include <algorithm>

#include "calc/adresstyp.h"
#include "calc/maske.h"
#include "calc/netzzeile.h"

namespace netzplaner {
Netzliste::Netzliste(const Netzwahl& wahl)
    : ip_(wahl.ip)
{
    const Adresse ip = alsAdresse(ip_);
    const int k = *praefixLaenge(Netzart::Normal, wahl.anteil, 0);
    praefix_ = *praefixLaenge(wahl.netzart, wahl.anteil, std::min<std::uint8_t>(wahl.bits, 8));
    // A subnet choice splits the class net into rows of the longer prefix; a
    // supernet choice joins rows of the class prefix.
    const int weit = std::min(k, praefix_);
    zeilenpraefix_ = std::max(k, praefix_);
    erstesNetz_ = ip & maske(weit);
    zeilenzahl_ = static_cast<int>(netzgroesse(weit) / netzgroesse(zeilenpraefix_));
    aktuelleZeile_ = static_cast<int>((ip - erstesNetz_) / netzgroesse(zeilenpraefix_));
}

const std::array<std::string_view, Netzliste::spaltenzahl>& Netzliste::spalten()
{
    using namespace std::string_view_literals;
    static constexpr std::array namen{"Nr."sv, "Netz"sv, "Erster Host"sv, "Letzter Host"sv, "Broadcast"sv, "Hosts"sv};
    return namen;
}

std::array<std::string, Netzliste::spaltenzahl> Netzliste::zeile(int index) const
{
    if (index < 0 || index >= zeilenzahl_)
        return {};
    const auto adresse = static_cast<Adresse>(erstesNetz_ + std::uint64_t(index) * netzgroesse(zeilenpraefix_));
    Netzzellen z = netzzellen(adresse, zeilenpraefix_);
    return {std::to_string(index + 1), std::move(z.netz),      std::move(z.erster),
            std::move(z.letzter),      std::move(z.broadcast), std::move(z.hosts)};
}

Netzkopf Netzliste::kopf() const
{
    const Netzzellen z = netzzellen(alsAdresse(ip_), praefix_);
    return {z.netz,
            adressText(maske(praefix_)),
            adressText(~maske(praefix_)),
            z.erster + " \u2013 " + z.letzter, // en dash
            z.hosts,
            std::string(adresstyp(ip_))};
}

} // namespace netzplaner
