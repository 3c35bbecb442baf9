// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/planausgabe.h"

using namespace netzplaner;
using Art = Planart;

namespace {

// Only the cells a writer treats apart are filled: Nr., Name and Netz.
Planzeilentext zeile(int tiefe, Art art, const char* nr, const char* name, const char* netz)
{
    Planzeilentext z{tiefe, art, {}};
    z.zellen[0] = nr;
    z.zellen[1] = name;
    z.zellen[3] = netz;
    return z;
}

// A site with a fixed net, a requirement and a free block inside, and a
// requirement beside it whose name a spreadsheet would run.
const std::vector<Planzeilentext> mitEbenen = {
    zeile(0, Art::gruppe, "1", "Standort Nord", "10.0.0.0/23"),
    zeile(1, Art::fest, "2", "Server", "10.0.0.0/24"),
    zeile(1, Art::bedarf, "3", "Büro, 1. OG", "10.0.1.0/25"),
    zeile(1, Art::frei, "", "frei", "10.0.1.128/25"),
    zeile(0, Art::bedarf, "4", "=Gäste \"WLAN\"", "10.0.2.0/24"),
};

} // namespace

class TstPlanausgabe : public QObject {
    Q_OBJECT

private slots:
    void formate_data();
    void formate();
};

void TstPlanausgabe::formate_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("erwartet");

    QTest::newRow("text") << QByteArray("text")
        << QByteArray("Nr.  Name           Bedarf  Netz           Maske  Erster Host  Letzter Host  Broadcast  Hosts  Auslastung\n"
                      "1    Standort Nord          10.0.0.0/23\n"
                      "2      Server               10.0.0.0/24\n"
                      "3      Büro, 1. OG          10.0.1.0/25\n"
                      "       frei                 10.0.1.128/25\n"
                      "4    =Gäste \"WLAN\"          10.0.2.0/24\n");
    QTest::newRow("csv") << QByteArray("csv")
        << QByteArray("Nr.;Name;Bedarf;Netz;Maske;Erster Host;Letzter Host;Broadcast;Hosts;Auslastung\r\n"
                      "1;Standort Nord;;10.0.0.0/23;;;;;;\r\n"
                      "2;Server;;10.0.0.0/24;;;;;;\r\n"
                      "3;Büro, 1. OG;;10.0.1.0/25;;;;;;\r\n"
                      ";frei;;10.0.1.128/25;;;;;;\r\n"
                      "4;\"'=Gäste \"\"WLAN\"\"\";;10.0.2.0/24;;;;;;\r\n");
    QTest::newRow("netbox") << QByteArray("netbox")
        << QByteArray("prefix,status,description\n"
                      "10.0.0.0/23,container,Standort Nord\n"
                      "10.0.0.0/24,active,Server\n"
                      "10.0.1.0/25,active,\"Büro, 1. OG\"\n"
                      "10.0.2.0/24,active,\"=Gäste \"\"WLAN\"\"\"\n");
}

void TstPlanausgabe::formate()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, erwartet);
    const std::string text = format == "netbox" ? planFuerNetbox(mitEbenen)
                             : format == "csv"  ? planAlsCsv(mitEbenen)
                                                : planAlsText(mitEbenen);
    QCOMPARE(QByteArray::fromStdString(text), erwartet);
}

QTEST_APPLESS_MAIN(TstPlanausgabe)
#include "tst_planausgabe.moc"
