#include "calc/berechnung.h"

#include "calc/anzahl.h"
#include "calc/dual.h"
#include "calc/klasse.h"
#include "calc/maske.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

// Decimal texts first, then the binary texts, which consume the octets.
Oktettzeilen zeilen(Oktette& oktette)
{
    Oktettzeilen z;
    for (std::size_t i = 0; i < 4; ++i) {
        z.dezimal[i] = std::to_string(oktette[i]);
        z.dual[i] = dualwandeln(oktette[i]);
    }
    return z;
}

} // namespace

Anzeige Berechnung::ausfuehren(const Eingaben& eingaben)
{
    Anzeige anzeige;
    // Order matters: the class follows the first field's text before ip is
    // refreshed, NetzBroadcast needs this run's mask, ausgabe shows only what
    // this run wrote.
    deaktiviren(eingaben, anzeige) && klasseermitteln(eingaben) && beschriftung(anzeige) && breite(eingaben)
        && NetzBroadcast(eingaben) && ausgabe(eingaben, anzeige);
    return anzeige;
}

Adressanteil Berechnung::klassepruefen() const
{
    return adressanteilVon(zustand_.klasse);
}

bool Berechnung::deaktiviren(const Eingaben& eingaben, Anzeige& anzeige)
{
    // No net kind on counts as "not Normal": the field stays usable.
    anzeige.bitsAktiv = eingaben.netzart != Netzart::Normal;
    return true;
}

bool Berechnung::klasseermitteln(const Eingaben& eingaben)
{
    const auto erstes = textZuByte(eingaben.oktette[0]);
    if (!erstes)
        return false;
    zustand_.klasse = klasseVon(*erstes);
    return true;
}

bool Berechnung::beschriftung(Anzeige& anzeige)
{
    anzeige.klassenText = std::string(klassenText(zustand_.klasse));
    return true;
}

bool Berechnung::breite(const Eingaben& eingaben)
{
    if (eingaben.adressanteil)
        zustand_.anteil = static_cast<std::uint8_t>(*eingaben.adressanteil);
    if (!eingaben.netzart)
        return true; // no mask written; the run goes on with the old one

    std::uint8_t n = 0;
    if (*eingaben.netzart != Netzart::Normal) {
        const auto bits = textZuByte(eingaben.bits);
        if (!bits)
            return false;
        n = *bits;
    }
    const auto praefix = praefixLaenge(*eingaben.netzart, static_cast<Adressanteil>(zustand_.anteil), n);
    if (praefix)
        zustand_.subnet = maskeMitPraefix(*praefix);
    return true;
}

bool Berechnung::NetzBroadcast(const Eingaben& eingaben)
{
    // All four octets are read before anything is derived from them; a field
    // that does not convert leaves ip half refreshed, netz and broad untouched.
    for (std::size_t i = 0; i < 4; ++i) {
        const auto oktett = textZuByte(eingaben.oktette[i]);
        if (!oktett)
            return false;
        zustand_.ip[i] = *oktett;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        zustand_.netz[i] = zustand_.ip[i] & zustand_.subnet[i];
        zustand_.broad[i] = static_cast<std::uint8_t>(~zustand_.subnet[i] | zustand_.ip[i]);
    }
    return true;
}

bool Berechnung::ausgabe(const Eingaben& eingaben, Anzeige& anzeige)
{
    // Converted again, not carried over from breite: it succeeded there on the
    // same text, so it cannot fail here. Subnet and supernet counts both use
    // this rounded byte, so mask and count always agree.
    std::optional<std::string> anzahl;
    if (eingaben.netzart) {
        std::uint8_t bits = 0;
        if (*eingaben.netzart != Netzart::Normal) {
            const auto b = textZuByte(eingaben.bits);
            if (!b)
                return false;
            bits = *b;
        }
        anzahl = anzahlText(*eingaben.netzart, static_cast<Adressanteil>(zustand_.anteil), bits);
    }

    Ergebnisse ergebnisse;
    ergebnisse.maske = zeilen(zustand_.subnet);
    ergebnisse.netz = zeilen(zustand_.netz);
    ergebnisse.broadcast = zeilen(zustand_.broad);
    ergebnisse.anzahl = std::move(anzahl);
    anzeige.ergebnisse = std::move(ergebnisse);
    return true;
}

} // namespace netzplaner
