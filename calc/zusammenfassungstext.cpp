// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/zusammenfassungstext.h"

#include "calc/adresse.h"
#include "calc/netzzeile.h"
#include "calc/text.h"

namespace netzplaner {
const std::array<std::string_view, 4>& zusammenfassungsSpalten()
{
    static const std::array<std::string_view, 4> spalten = {"Netz", "Erste Adresse", "Letzte Adresse", "Adressen"};
    return spalten;
}

std::array<std::string, 4> zusammenfassungsZeile(const Block& block)
{
    const std::uint64_t groesse = netzgroesse(block.praefix);
    return {cidrText(block.netz, block.praefix), adressText(block.netz),
            adressText(static_cast<Adresse>(block.netz + groesse - 1)), std::to_string(groesse)};
}

std::string meldungsText(const Zusammenfassung& ergebnis, std::size_t hoechstensFehler)
{
    if (ergebnis.eintraege == 0)
        return {};
    std::string text = anzahlMitWort(ergebnis.eintraege, "Eintrag", "Einträge") + " \u2192 "
                       + anzahlMitWort(ergebnis.bloecke.size(), "Netz", "Netze") + ", "
                       + anzahlMitWort(ergebnis.adressen, "Adresse", "Adressen");
    const std::size_t fehler = ergebnis.fehler.size();
    if (fehler == 0)
        return text;
    text += fehler == 1 ? "\n1 Eintrag nicht verstanden, ausgelassen:"
                        : "\n" + mitTausenderpunkten(fehler) + " Einträge nicht verstanden, ausgelassen:";
    for (std::size_t i = 0; i < fehler && i < hoechstensFehler; ++i)
        text += "\nZeile " + std::to_string(ergebnis.fehler[i].zeile) + ": " + ergebnis.fehler[i].grund;
    if (fehler > hoechstensFehler)
        text += "\n\u2026 und " + mitTausenderpunkten(fehler - hoechstensFehler) + " weitere";
    return text;
}

std::string umfassendText(const Zusammenfassung& ergebnis)
{
    if (!ergebnis.umfassend)
        return {};
    std::string text = "Kleinstes Netz um alles: " + cidrText(ergebnis.umfassend->netz, ergebnis.umfassend->praefix)
                       + ", enthält ";
    if (ergebnis.zusaetzlich == 0)
        return text + "keine Adressen, die nicht eingegeben wurden";
    if (ergebnis.zusaetzlich == 1)
        return text + "1 Adresse, die nicht eingegeben wurde";
    return text + mitTausenderpunkten(ergebnis.zusaetzlich) + " Adressen, die nicht eingegeben wurden";
}

} // namespace netzplaner
