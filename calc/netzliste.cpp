// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/netzliste.h"

#include <algorithm>
#include <numeric>

#include "calc/adresstyp.h"
#include "calc/maske.h"

namespace netzplaner {
namespace {

constexpr std::string_view entfaellt = "entfällt";

struct Netz {
    Adresse netz, erster, letzter, broadcast;
    std::uint64_t hosts; // 2^32 - 2 for /0
    bool mitBroadcast;
};

Netz netzVon(Adresse adresse, int praefix)
{
    Netz n{};
    n.netz = adresse & maske(praefix);
    n.broadcast = n.netz | ~maske(praefix);
    // RFC 3021: a /31 link has no room for net and broadcast address, both
    // are hosts; a /32 is the one host itself.
    n.mitBroadcast = praefix < 31;
    n.erster = n.mitBroadcast ? n.netz + 1 : n.netz;
    n.letzter = n.mitBroadcast ? n.broadcast - 1 : n.broadcast;
    n.hosts = n.mitBroadcast ? netzgroesse(praefix) - 2 : netzgroesse(praefix);
    return n;
}

std::string cidr(Adresse netz, int praefix)
{
    return adressText(netz) + '/' + std::to_string(praefix);
}

} // namespace

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
    const Netz n = netzVon(adresse, zeilenpraefix_);
    return {std::to_string(index + 1),
            cidr(n.netz, zeilenpraefix_),
            adressText(n.erster),
            adressText(n.letzter),
            n.mitBroadcast ? adressText(n.broadcast) : std::string(entfaellt),
            std::to_string(n.hosts)};
}

Netzkopf Netzliste::kopf() const
{
    const Netz n = netzVon(alsAdresse(ip_), praefix_);
    return {cidr(n.netz, praefix_),
            adressText(maske(praefix_)),
            adressText(~maske(praefix_)),
            adressText(n.erster) + " \u2013 " + adressText(n.letzter), // en dash
            std::to_string(n.hosts),
            std::string(adresstyp(ip_))};
}

std::string alsText(const Netzliste& liste, const std::vector<int>& zeilen, std::string_view trenner,
                    std::string_view zeilenende)
{
    // No field holds a tab, a ";", a quote or a line break, so none needs quoting.
    const auto zeileAnhaengen = [&](std::string& text, const auto& felder) {
        for (std::size_t i = 0; i < felder.size(); ++i) {
            if (i > 0)
                text += trenner;
            text += felder[i];
        }
        text += zeilenende;
    };
    std::string text;
    zeileAnhaengen(text, Netzliste::spalten());
    for (const int index : zeilen)
        if (index >= 0 && index < liste.zeilenzahl())
            zeileAnhaengen(text, liste.zeile(index));
    return text;
}

std::string alsText(const Netzliste& liste, std::string_view trenner, std::string_view zeilenende)
{
    std::vector<int> alle(static_cast<std::size_t>(liste.zeilenzahl()));
    std::iota(alle.begin(), alle.end(), 0);
    return alsText(liste, alle, trenner, zeilenende);
}

} // namespace netzplaner
