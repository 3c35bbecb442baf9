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

} // namespace

int anteilDerKlasse(std::uint32_t erstesOktett)
{
    return std::min(klasseVon(erstesOktett), 2); // D and E use C's 24 bits
}

Erwartung erwarte(const Eingabe& e)
{
    const std::uint32_t ip = e.oktette[0] << 24 | e.oktette[1] << 16 | e.oktette[2] << 8 | e.oktette[3];
    const int klassenteil = 8 * (e.anteil + 1);
    const int praefix = e.netzart == 0 ? klassenteil : e.netzart == 1 ? klassenteil + e.bits : klassenteil - e.bits;
    const std::uint32_t maske = praefix == 0 ? 0u : ~0u << (32 - praefix);

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
