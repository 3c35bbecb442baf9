// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the net and the hosts the user types into the address plan.
#include "calc/netzangabe.h"

#include <cstdio>

#include "calc/einfuegen.h"
#include "calc/netzzeile.h"
#include "calc/zeichen.h"

namespace netzplaner {
namespace {

bool istAdresseOhnePraefix(std::string_view text)
{
    const auto adresse = leseAdresse(text);
    return adresse && !adresse->praefix;
}

// leseAdresse only says no; the user needs to know which part to mend. Called
// only for a text it refused.
std::string fehlerImNetz(std::string_view text)
{
    const std::string_view kern = ohneRand(text, istRand);
    if (kern.empty())
        return "Kein Netz angegeben: a.b.c.d/p oder a.b.c.d m.m.m.m eingeben, etwa 192.168.4.0/24";
    const std::string_view adressfehler =
        "Die Adresse muss eine IPv4-Adresse aus vier Zahlen von 0 bis 255 mit Punkten sein, etwa 192.168.4.0";
    if (const auto schraeg = kern.find('/'); schraeg != std::string_view::npos) {
        if (!istAdresseOhnePraefix(kern.substr(0, schraeg)))
            return std::string(adressfehler);
        return "Die Präfixlänge nach „/“ muss eine Zahl von 0 bis 32 sein";
    }
    const auto luecke = kern.find_first_of(" \t");
    if (!istAdresseOhnePraefix(kern.substr(0, luecke)))
        return std::string(adressfehler);
    if (luecke == std::string_view::npos)
        return "Die Präfixlänge fehlt: a.b.c.d/p oder a.b.c.d m.m.m.m eingeben";
    if (istAdresseOhnePraefix(ohneRand(kern.substr(luecke), istLuecke)))
        return "Die Maske muss zusammenhängend sein (erst Einsen, dann Nullen), etwa 255.255.252.0";
    return "Die Maske muss aus vier Zahlen von 0 bis 255 mit Punkten bestehen, etwa 255.255.252.0";
}

} // namespace

std::variant<Netzangabe, std::string> leseNetzangabe(std::string_view text)
{
    const auto adresse = leseAdresse(text);
    if (!adresse || !adresse->praefix)
        return fehlerImNetz(text);
    const int praefix = *adresse->praefix;
    return Netzangabe{alsAdresse(adresse->oktette) & maske(praefix), praefix};
}

std::string netzText(const Netzangabe& netz)
{
    return cidrText(netz.netz, netz.praefix);
}

std::optional<std::optional<std::uint32_t>> leseHosts(std::string_view text)
{
    const std::string_view kern = ohneRand(text, istRand);
    if (kern.empty())
        return std::optional<std::optional<std::uint32_t>>(std::in_place);
    std::uint64_t wert = 0;
    for (const char c : kern) {
        // Stopping beyond the limit keeps a long run of digits from overflowing.
        if (!istZiffer(c) || wert > hoechsteHosts)
            return std::nullopt;
        wert = wert * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (wert < 1 || wert > hoechsteHosts)
        return std::nullopt;
    return std::optional<std::uint32_t>(static_cast<std::uint32_t>(wert));
}

const std::string& hostsFehler()
{
    static const std::string fehler = "Hosts muss eine ganze Zahl von 1 bis " + std::to_string(hoechsteHosts) + " sein";
    return fehler;
}

std::optional<std::string> namensFehler(std::string_view name)
{
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            char nummer[8];
            std::snprintf(nummer, sizeof nummer, "U+%04X", unsigned{b});
            return std::string("Name enthält ein Steuerzeichen (") + nummer + ")";
        }
    }
    return std::nullopt;
}

} // namespace netzplaner
