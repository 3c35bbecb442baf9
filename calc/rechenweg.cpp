// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rechenweg.h"

#include "calc/klasse.h"
#include "calc/maske.h"
#include "calc/netzliste.h"
#include "calc/netzzeile.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

constexpr std::string_view minus = "\u2212";

std::string dualOktett(Adresse adresse, int oktett)
{
    std::string text;
    for (int bit = 31 - 8 * oktett; bit > 23 - 8 * oktett; --bit)
        text += (adresse >> bit & 1u) ? '1' : '0';
    return text;
}

// The bits of one side of the boundary, octets parted by blanks, for reading out.
std::string bitsGelesen(Adresse adresse, int von, int bis)
{
    std::string text;
    for (int bit = von; bit < bis; ++bit) {
        if (bit > von && bit % 8 == 0)
            text += ' ';
        text += (adresse >> (31 - bit) & 1u) ? '1' : '0';
    }
    return text.empty() ? std::string("keiner") : text;
}

std::string anteileText(Klasse klasse, int klassenbits, const Netzwahl& wahl, int praefix)
{
    std::string text = "Netzanteil " + std::to_string(praefix) + " Bit (Klasse " + char('A' + static_cast<int>(klasse))
                       + ": " + std::to_string(klassenbits);
    if (wahl.netzart == Netzart::SubNetz)
        text += ", geliehen: " + std::to_string(wahl.bits);
    else if (wahl.netzart == Netzart::SuperNetz)
        text += ", abgegeben: " + std::to_string(wahl.bits);
    return text + "), Hostanteil " + std::to_string(32 - praefix) + " Bit";
}

std::string schrittweiteZeile(const Netzwahl& wahl, int praefix)
{
    const int oktett = praefix == 0 ? 1 : (praefix + 7) / 8;
    const int schritt = 1 << (8 * oktett - praefix);
    const Netzliste liste(wahl);
    return "Schrittweite " + std::to_string(schritt) + " im " + std::to_string(oktett)
           + ". Oktett: " + cidrText(alsAdresse(wahl.ip) & maske(praefix), praefix) + " ist Teilnetz "
           + std::to_string(liste.aktuelleZeile() + 1) + " von " + std::to_string(liste.zeilenzahl());
}

} // namespace

std::string vorgelesen(std::string text)
{
    for (std::size_t stelle; (stelle = text.find('^')) != std::string::npos;)
        text.replace(stelle, 1, " hoch ");
    for (std::size_t stelle; (stelle = text.find(minus)) != std::string::npos;)
        text.replace(stelle, minus.size(), "minus");
    return text;
}

std::string dualPunktiert(Adresse adresse)
{
    std::string text;
    for (int oktett = 0; oktett < 4; ++oktett)
        text += (oktett > 0 ? "." : "") + dualOktett(adresse, oktett);
    return text;
}

std::string bitsMitGrenze(Adresse adresse, int praefix)
{
    std::string text = praefix == 0 ? "|" : "";
    for (int bit = 0; bit < 32; ++bit) {
        if (bit > 0 && bit % 8 == 0 && bit != praefix)
            text += '.';
        text += (adresse >> (31 - bit) & 1u) ? '1' : '0';
        if (bit + 1 == praefix)
            text += '|';
    }
    return text;
}

std::array<std::string, 3> verknuepfung(std::string_view op, Adresse links, Adresse rechts, Adresse ergebnis)
{
    const auto zeile = [](std::string_view zeichen, Adresse adresse) {
        std::string text(zeichen);
        text.resize(5, ' ');
        return text + dualPunktiert(adresse) + "  " + adressText(adresse);
    };
    return {zeile("", links), zeile(op, rechts), zeile("=", ergebnis)};
}

std::string hostsZeile(int praefix)
{
    const int h = 32 - praefix;
    const std::string potenz = "Hosts je Netz: 2^" + std::to_string(h) + " " + std::string(minus) + " 2";
    if (h == 0)
        return potenz + " < 0, also 0";
    return potenz + " = " + mitTausenderpunkten(netzgroesse(praefix) - 2);
}

Rechenweg rechenweg(const Netzwahl& wahl)
{
    Rechenweg weg;
    const Adresse ip = alsAdresse(wahl.ip);
    const int klassenbits = 8 * (static_cast<int>(wahl.anteil) + 1);
    const int p = praefixLaenge(wahl.netzart, wahl.anteil, wahl.bits).value_or(klassenbits);
    weg.praefix = p;
    weg.bits = bitsMitGrenze(ip, p);
    for (int bit = 0; bit < 32; ++bit) {
        const bool imNetz = bit < p, inKlasse = bit < klassenbits;
        weg.teile[std::size_t(bit)] = imNetz && inKlasse ? Bitteil::Netz
                                      : imNetz           ? Bitteil::Geliehen
                                      : inKlasse         ? Bitteil::Abgegeben
                                                         : Bitteil::Host;
    }
    weg.anteile = anteileText(klasseVon(wahl.ip[0]), klassenbits, wahl, p);

    const Adresse m = maske(p), netz = ip & m, broadcast = netz | ~m;
    weg.und = verknuepfung("UND", ip, m, netz);
    weg.oder = verknuepfung("ODER", netz, ~m, broadcast);

    weg.anzahl.push_back(hostsZeile(p));
    const std::string potenz = "2^" + std::to_string(wahl.bits) + " = " + std::to_string(1 << wahl.bits);
    if (wahl.netzart == Netzart::SubNetz) {
        weg.anzahl.push_back("Teilnetze: " + potenz);
        weg.anzahl.push_back(schrittweiteZeile(wahl, p));
    } else if (wahl.netzart == Netzart::SuperNetz) {
        weg.anzahl.push_back("Zusammengefasste Netze: " + potenz);
    }

    const std::string n = std::to_string(p) + " Bit", h = std::to_string(32 - p) + " Bit";
    weg.bitsGesprochen = "Adresse in Bits, Netzanteil: " + bitsGelesen(ip, 0, p)
                         + ", Hostanteil: " + bitsGelesen(ip, p, 32) + ". " + weg.anteile;
    weg.undGesprochen = "Adresse " + adressText(ip) + " UND Maske " + adressText(m) + " ergibt die Netzadresse "
                        + adressText(netz) + ": der Netzanteil von " + n + " bleibt, der Hostanteil von " + h
                        + " wird 0.";
    weg.oderGesprochen = "Netzadresse " + adressText(netz) + " ODER invertierte Maske " + adressText(~m)
                         + " ergibt den Broadcast " + adressText(broadcast) + ": der Netzanteil von " + n
                         + " bleibt, der Hostanteil von " + h + " wird 1.";
    weg.anzahlGesprochen = "Aus dem Hostanteil von " + h + " und dem Netzanteil von " + n + ": ";
    for (std::size_t i = 0; i < weg.anzahl.size(); ++i)
        weg.anzahlGesprochen += (i > 0 ? "; " : "") + vorgelesen(weg.anzahl[i]);
    return weg;
}

} // namespace netzplaner
