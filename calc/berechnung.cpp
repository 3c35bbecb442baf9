// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Mask and counts both use this one byte, so they always agree.
    Bits bits;
    if (eingaben.netzart && *eingaben.netzart != Netzart::Normal)
        bits = textZuByte(eingaben.bits);
    // Order matters: the class follows the first field's text before ip is
    // refreshed, NetzBroadcast needs this run's mask, ausgabe shows only what
    // this run wrote.
    deaktiviren(eingaben, anzeige) && klasseermitteln(eingaben) && beschriftung(anzeige) && breite(eingaben, bits)
        && NetzBroadcast(eingaben) && ausgabe(eingaben, bits, anzeige);
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

bool Berechnung::breite(const Eingaben& eingaben, const Bits& bits)
{
    if (eingaben.adressanteil)
        zustand_.anteil = *eingaben.adressanteil;
    if (!eingaben.netzart)
        return true; // no mask written; the run goes on with the old one
    const bool normal = *eingaben.netzart == Netzart::Normal;
    if (!normal && !bits)
        return false; // the address part is taken all the same
    const auto praefix = praefixLaenge(*eingaben.netzart, zustand_.anteil, bits.value_or(0));
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

bool Berechnung::ausgabe(const Eingaben& eingaben, const Bits& bits, Anzeige& anzeige)
{
    // breite has let the run go on only with a bit count for a subnet or supernet.
    std::optional<std::string> anzahl;
    if (eingaben.netzart)
        anzahl = anzahlText(*eingaben.netzart, zustand_.anteil, bits.value_or(0));

    Ergebnisse ergebnisse;
    ergebnisse.maske = zeilen(zustand_.subnet);
    ergebnisse.netz = zeilen(zustand_.netz);
    ergebnisse.broadcast = zeilen(zustand_.broad);
    ergebnisse.anzahl = std::move(anzahl);
    anzeige.ergebnisse = std::move(ergebnisse);
    return true;
}

} // namespace netzplaner
