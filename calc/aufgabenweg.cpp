// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/aufgabenweg.h"

#include "calc/netzzeile.h"
#include "calc/rechenweg.h"
#include "calc/text.h"

namespace netzplaner {
namespace {

const std::string minus = "\u2212";

void haengeAn(std::vector<std::string>& zeilen, const std::array<std::string, 3>& schritt)
{
    zeilen.insert(zeilen.end(), schritt.begin(), schritt.end());
}

std::string zweiHoch(int h)
{
    return "2^" + std::to_string(h) + " = " + mitTausenderpunkten(netzgroesse(32 - h));
}

} // namespace

std::vector<std::string> wegNetz(Adresse host, int praefix)
{
    const Adresse m = maske(praefix), netz = host & m, broadcast = netz | ~m;
    std::vector<std::string> zeilen{"/" + std::to_string(praefix) + ": " + bitsMitGrenze(host, praefix),
                                    "Netzanteil " + std::to_string(praefix) + " Bit, Hostanteil "
                                        + std::to_string(32 - praefix) + " Bit"};
    haengeAn(zeilen, verknuepfung("UND", host, m, netz));
    haengeAn(zeilen, verknuepfung("ODER", netz, ~m, broadcast));
    zeilen.push_back("Erster Host = Netzadresse + 1 = " + adressText(netz + 1));
    zeilen.push_back("Letzter Host = Broadcast " + minus + " 1 = " + adressText(broadcast - 1));
    zeilen.push_back(hostsZeile(praefix));
    return zeilen;
}

std::vector<std::string> wegMaske(std::uint32_t hosts, int praefix)
{
    const int h = 32 - praefix;
    return {mitTausenderpunkten(hosts) + " Hosts + Netzadresse + Broadcast = " + mitTausenderpunkten(hosts + 2ull)
                + " Adressen",
            zweiHoch(h) + " reicht, " + zweiHoch(h - 1) + " nicht: Hostanteil " + std::to_string(h) + " Bit",
            "Präfix 32 " + minus + " " + std::to_string(h) + " = /" + std::to_string(praefix) + ": Maske "
                + adressText(maske(praefix)),
            hostsZeile(praefix)};
}

std::vector<std::string> wegTeilnetze(Adresse netz, int praefix, std::uint32_t anzahl, int teilpraefix, std::uint32_t k)
{
    const int b = teilpraefix - praefix;
    const auto schritt = netzgroesse(teilpraefix);
    const Adresse teilnetz = netz + static_cast<Adresse>((k - 1) * schritt);
    const std::string kte = std::to_string(k) + ". Teilnetz";
    return {std::to_string(anzahl) + " Teilnetze: 2^" + std::to_string(b) + " = " + std::to_string(1u << b) + " ≥ "
                + std::to_string(anzahl) + ", also " + std::to_string(b) + " Bit leihen: /" + std::to_string(praefix)
                + " + " + std::to_string(b) + " = /" + std::to_string(teilpraefix),
            "Maske /" + std::to_string(teilpraefix) + " = " + adressText(maske(teilpraefix)), hostsZeile(teilpraefix),
            "Schrittweite " + zweiHoch(32 - teilpraefix) + " Adressen: " + kte + " = " + adressText(netz) + " + ("
                + std::to_string(k) + " " + minus + " 1) · " + mitTausenderpunkten(schritt) + " = "
                + adressText(teilnetz),
            "Broadcast des " + kte + "es = " + kte + " + " + mitTausenderpunkten(schritt) + " " + minus
                + " 1 = " + adressText(teilnetz | ~maske(teilpraefix))};
}

std::vector<std::string> wegVlsm(const Planbaum& plan)
{
    std::vector<std::string> zeilen{"Größte zuerst, jeder Block 2^h ≥ Hosts + 2:"};
    for (const Planblock& zeile : plan.zeilen) {
        if (zeile.art == Planart::frei)
            continue;
        zeilen.push_back(zeile.name + ": " + std::to_string(*zeile.bedarf) + " Hosts + 2 ≤ "
                         + zweiHoch(32 - zeile.praefix) + " → " + cidrText(zeile.netz, zeile.praefix));
    }
    return zeilen;
}

std::vector<std::string> wegZusammenfassen(const std::vector<Adresse>& netze, int praefix, Adresse summe,
                                           int summenpraefix)
{
    std::vector<std::string> zeilen;
    for (const Adresse netz : netze)
        zeilen.push_back(bitsMitGrenze(netz, summenpraefix) + "  " + cidrText(netz, praefix));
    zeilen.push_back("Gleiche Bits von links: " + std::to_string(summenpraefix) + " → "
                     + cidrText(summe, summenpraefix));
    return zeilen;
}

} // namespace netzplaner
