// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hilfetext.h"

namespace netzplaner {

QString hilfetext(const QString& programm)
{
    return QStringLiteral("Aufruf: %1 [DATEI]\n"
                          "  oder: %1 --zusammenfassen [DATEI…]\n"
                          "  oder: %1 --plan DATEI [--format text|csv|netbox]\n"
                          "Berechnet Sub- und Supernetze für IPv4-Adressen und plant die Adressen\n"
                          "eines Netzes. Mit DATEI, einem Adressplan (*.adressplan), öffnet es\n"
                          "diesen beim Start im Fenster „Adressplan“.\n\n"
                          "Optionen:\n"
                          "  -h, --help            Zeigt diese Hilfe an.\n"
                          "      --version         Zeigt die Versionsnummer an.\n"
                          "      --zusammenfassen  Fasst die Adressen, Netze und Bereiche der Dateien\n"
                          "                        (ohne DATEI oder mit „-“: der Standardeingabe) zu den\n"
                          "                        wenigsten CIDR-Blöcken zusammen, einer je Zeile;\n"
                          "                        Einträge mit „!“ davor werden ausgenommen.\n"
                          "      --plan DATEI      Gibt den Plan eines Adressplans aus, ohne Fenster.\n"
                          "      --format FORMAT   Zu --plan: text (Tabelle, Vorgabe), csv (wie der\n"
                          "                        CSV-Export) oder netbox (Präfix-Import von NetBox).\n\n"
                          "Beispiele:\n"
                          "  %1 --zusammenfassen sperrliste.txt > bloecke.txt\n"
                          "  %1 --plan standort.adressplan --format netbox > prefixes.csv\n\n"
                          "Rückgabewert: 0 bei Erfolg; 1, wenn Einträge nicht verstanden wurden oder der\n"
                          "Plan keine Zeilen hat; 2 bei einem falschen Aufruf oder einer Datei, die sich\n"
                          "nicht lesen lässt.\n\n"
                          "Dazu versteht es die Optionen jedes Qt-Programms, etwa -platform.\n")
        .arg(programm);
}

} // namespace netzplaner
