// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/zufall/orakel.h"

#include <algorithm>

namespace zufall {
namespace {

// The classes A to E are the first octets with 0 to 4 leading one bits
// (0xxx, 10xx, 110x, 1110, 1111).
int klasseVon(std::uint32_t erstesOktett)
{
    int einsen = 0;
    while (einsen < 4 && (erstesOktett & (0x80u >> einsen)))
        ++einsen;
    return einsen;
}

std::string binaer(std::uint64_t zahl, std::size_t mindestens)
{
    std::string text;
    for (; zahl > 0; zahl >>= 1)
        text.insert(text.begin(), char('0' + (zahl & 1)));
    if (text.size() < mindestens)
        text.insert(0, mindestens - text.size(), '0');
    return text;
}

std::string ziffern(std::uint64_t zahl, unsigned basis)
{
    static const char zeichen[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), zeichen[zahl % basis]);
        zahl /= basis;
    } while (zahl > 0);
    return text;
}

Zeile zeile(std::uint32_t adresse)
{
    Zeile z;
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t oktett = (adresse >> (24 - 8 * i)) & 0xFFu;
        z.dezimal[std::size_t(i)] = std::to_string(oktett);
        z.dual[std::size_t(i)] = binaer(oktett, 8);
    }
    return z;
}

int praefixVon(const Eingabe& e)
{
    const int klassenteil = 8 * (e.anteil + 1);
    return e.netzart == 0 ? klassenteil : e.netzart == 1 ? klassenteil + e.bits : klassenteil - e.bits;
}

std::uint32_t adresseVon(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d)
{
    return a << 24 | b << 16 | c << 8 | d;
}

// The RFC ranges, checked in this order: the one /32 lies inside 240.0.0.0/4.
std::string typVon(std::uint32_t ip)
{
    const struct {
        std::uint32_t netz;
        int praefix;
        const char* typ;
    } bereiche[] = {
        {adresseVon(255, 255, 255, 255), 32, "Broadcast (RFC 919)"},
        {adresseVon(0, 0, 0, 0), 8, "dieses Netz (RFC 791)"},
        {adresseVon(10, 0, 0, 0), 8, "privat (RFC 1918)"},
        {adresseVon(172, 16, 0, 0), 12, "privat (RFC 1918)"},
        {adresseVon(192, 168, 0, 0), 16, "privat (RFC 1918)"},
        {adresseVon(100, 64, 0, 0), 10, "Carrier-NAT (RFC 6598)"},
        {adresseVon(127, 0, 0, 0), 8, "Loopback (RFC 1122)"},
        {adresseVon(169, 254, 0, 0), 16, "Link-Local (RFC 3927)"},
        {adresseVon(192, 0, 0, 0), 24, "IETF-Protokolle (RFC 6890)"},
        {adresseVon(192, 0, 2, 0), 24, "Dokumentation, TEST-NET-1 (RFC 5737)"},
        {adresseVon(198, 51, 100, 0), 24, "Dokumentation, TEST-NET-2 (RFC 5737)"},
        {adresseVon(203, 0, 113, 0), 24, "Dokumentation, TEST-NET-3 (RFC 5737)"},
        {adresseVon(192, 88, 99, 0), 24, "6to4-Relay, veraltet (RFC 7526)"},
        {adresseVon(198, 18, 0, 0), 15, "Benchmark (RFC 2544)"},
        {adresseVon(224, 0, 0, 0), 4, "Multicast (RFC 5771)"},
        {adresseVon(240, 0, 0, 0), 4, "reserviert (RFC 1112)"},
    };
    for (const auto& b : bereiche)
        if ((ip & maskeVon(b.praefix)) == b.netz)
            return b.typ;
    return "\xC3\xB6" "ffentlich";
}

} // namespace

std::uint32_t maskeVon(int praefix)
{
    return praefix == 0 ? 0u : ~0u << (32 - praefix);
}

std::string punktiert(std::uint32_t adresse)
{
    return std::to_string(adresse >> 24) + '.' + std::to_string(adresse >> 16 & 0xFFu) + '.'
           + std::to_string(adresse >> 8 & 0xFFu) + '.' + std::to_string(adresse & 0xFFu);
}

// First and last host and the host count of the net of prefix q at netz: a
// /31 is two hosts and a /32 one (RFC 3021), with no broadcast address.
Hosts hostsVon(std::uint32_t netz, int q)
{
    const std::uint32_t broadcast = netz | ~maskeVon(q);
    if (q >= 31)
        return {netz, broadcast, std::uint64_t{broadcast - netz} + 1};
    return {netz + 1, broadcast - 1, (std::uint64_t{1} << (32 - q)) - 2};
}

Eingabe wahlVon(Eingabe eingabe)
{
    if (eingabe.netzart == 0)
        eingabe.bits = 0;
    return eingabe;
}

Netzlistenerwartung erwarteNetzliste(const Eingabe& e)
{
    const std::uint32_t ip = adresseVon(e.oktette[0], e.oktette[1], e.oktette[2], e.oktette[3]);
    const int p = praefixVon(e), k = 8 * (e.anteil + 1);
    Netzlistenerwartung soll;
    const std::uint32_t netz = ip & maskeVon(p);
    const Hosts h = hostsVon(netz, p);
    soll.kopf = {punktiert(netz) + '/' + std::to_string(p), punktiert(maskeVon(p)), punktiert(~maskeVon(p)),
                 punktiert(h.erster) + " \xE2\x80\x93 " + punktiert(h.letzter), std::to_string(h.anzahl), typVon(ip)};

    // Rows of the longer of the two prefixes, across the net of the shorter.
    const int q = std::max(p, k), weit = std::min(p, k);
    const std::uint32_t erstes = ip & maskeVon(weit);
    const int anzahl = 1 << (q - weit);
    for (int i = 0; i < anzahl; ++i) {
        const std::uint32_t zeilennetz = erstes + std::uint32_t(i) * (1u << (32 - q)); // q is 8 at least
        const Hosts zh = hostsVon(zeilennetz, q);
        soll.zeilen.push_back(std::to_string(i + 1) + '|' + punktiert(zeilennetz) + '/' + std::to_string(q) + '|'
                              + punktiert(zh.erster) + '|' + punktiert(zh.letzter) + '|'
                              + (q >= 31 ? "entf\xC3\xA4llt" : punktiert(zeilennetz | ~maskeVon(q))) + '|'
                              + std::to_string(zh.anzahl));
        if ((ip & maskeVon(q)) == zeilennetz)
            soll.aktuell = i;
    }
    return soll;
}

int anteilDerKlasse(std::uint32_t erstesOktett)
{
    return std::min(klasseVon(erstesOktett), 2); // D and E use C's 24 bits
}

Erwartung erwarte(const Eingabe& e)
{
    const std::uint32_t ip = adresseVon(e.oktette[0], e.oktette[1], e.oktette[2], e.oktette[3]);
    const int praefix = praefixVon(e);
    const std::uint32_t maske = maskeVon(praefix);

    Erwartung erwartung;
    erwartung.maske = zeile(maske);
    erwartung.netz = zeile(ip & maske);
    erwartung.broadcast = zeile(ip | ~maske);
    erwartung.klasse = std::string("Klasse ") + char('A' + klasseVon(e.oktette[0])) + " Netz";
    if (e.netzart == 2) {
        erwartung.anzahl = "max: " + std::to_string(1u << e.bits) + " Netze k\xC3\xB6nnen\r\nverbunden werden";
    } else if (e.netzart == 1) {
        // All addresses of a subnet but its own and its broadcast address.
        const std::int64_t hosts = (std::int64_t{1} << (32 - praefix)) - 2;
        erwartung.anzahl = "max: " + std::to_string(std::max<std::int64_t>(hosts, 0)) + " Hosts\r\npro Subnetz";
    }
    return erwartung;
}

std::string umgerechnet(const std::string& eingabe, int basis)
{
    if (eingabe.empty() || !std::all_of(eingabe.begin(), eingabe.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return "Wert nicht Numerisch!!!";
    const std::size_t erste = std::min(eingabe.find_first_not_of('0'), eingabe.size() - 1);
    if (eingabe.size() - erste > 9)
        return "Zahl ist zu gross!!!";
    const std::uint64_t zahl = std::stoull(eingabe.substr(erste));
    switch (basis) {
    case 1:
        return binaer(zahl, 8);
    case 2:
        return ziffern(zahl, 8);
    default:
        return ziffern(zahl, 16);
    }
}

} // namespace zufall
