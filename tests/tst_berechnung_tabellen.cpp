// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/berechnung.h"
#include "tests/hilfen/eingaben.h"

using namespace netzplaner;

// The tables a recalculation must reproduce: every mask, every count, every
// class boundary, and network and broadcast addresses.
class TstBerechnungTabellen : public QObject {
    Q_OBJECT

private slots:
    void maske_data();
    void maske();
    void anzahl_data();
    void anzahl();
    void klasse_data();
    void klasse();
    void netzUndBroadcast_data();
    void netzUndBroadcast();
};

void TstBerechnungTabellen::maske_data()
{
    QTest::addColumn<Netzart>("netzart");
    QTest::addColumn<Adressanteil>("anteil");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("maske");

    const Adressanteil anteile[] = {Adressanteil::Bit8, Adressanteil::Bit16, Adressanteil::Bit24};
    // Row per address part, columns n = 1..8.
    const char* subMasken[3][8] = {
        {"255.128.0.0", "255.192.0.0", "255.224.0.0", "255.240.0.0", "255.248.0.0", "255.252.0.0", "255.254.0.0",
         "255.255.0.0"},
        {"255.255.128.0", "255.255.192.0", "255.255.224.0", "255.255.240.0", "255.255.248.0", "255.255.252.0",
         "255.255.254.0", "255.255.255.0"},
        {"255.255.255.128", "255.255.255.192", "255.255.255.224", "255.255.255.240", "255.255.255.248",
         "255.255.255.252", "255.255.255.254", "255.255.255.255"},
    };
    const char* superMasken[3][8] = {
        {"254.0.0.0", "252.0.0.0", "248.0.0.0", "240.0.0.0", "224.0.0.0", "192.0.0.0", "128.0.0.0", "0.0.0.0"},
        {"255.254.0.0", "255.252.0.0", "255.248.0.0", "255.240.0.0", "255.224.0.0", "255.192.0.0", "255.128.0.0",
         "255.0.0.0"},
        {"255.255.254.0", "255.255.252.0", "255.255.248.0", "255.255.240.0", "255.255.224.0", "255.255.192.0",
         "255.255.128.0", "255.255.0.0"},
    };
    const char* klassenMasken[3] = {"255.0.0.0", "255.255.0.0", "255.255.255.0"};

    for (int a = 0; a < 3; ++a) {
        const int k = 8 * (a + 1);
        for (int n = 1; n <= 8; ++n) {
            QTest::addRow("sub /%d n=%d", k, n) << sub << anteile[a] << QString::number(n) << subMasken[a][n - 1];
            QTest::addRow("super /%d n=%d", k, n)
                << super << anteile[a] << QString::number(n) << superMasken[a][n - 1];
        }
        // Normal ignores the bit count, whatever the field holds.
        QTest::addRow("normal /%d", k) << normal << anteile[a] << "7" << klassenMasken[a];
        QTest::addRow("normal /%d, letters in bits", k) << normal << anteile[a] << "x" << klassenMasken[a];
        QTest::addRow("normal /%d, empty bits", k) << normal << anteile[a] << "" << klassenMasken[a];
        // A bit count of 0 keeps the address part's own mask.
        QTest::addRow("sub /%d n=0", k) << sub << anteile[a] << "0" << klassenMasken[a];
        QTest::addRow("super /%d n=0", k) << super << anteile[a] << "0" << klassenMasken[a];
    }
}

void TstBerechnungTabellen::maske()
{
    QFETCH(Netzart, netzart);
    QFETCH(Adressanteil, anteil);
    QFETCH(QString, bits);
    QFETCH(QString, maske);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben("192.168.4.1", netzart, anteil, bits));
    QVERIFY(a.vollstaendig());
    QCOMPARE(punktiert(a.ergebnisse->maske.dezimal), maske);
}

void TstBerechnungTabellen::anzahl_data()
{
    QTest::addColumn<Netzart>("netzart");
    QTest::addColumn<Adressanteil>("anteil");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("text");

    const char* netze[9] = {"1", "2", "4", "8", "16", "32", "64", "128", "256"};
    const char* hosts[3][9] = {
        {"16777214", "8388606", "4194302", "2097150", "1048574", "524286", "262142", "131070", "65534"},
        {"65534", "32766", "16382", "8190", "4094", "2046", "1022", "510", "254"},
        {"254", "126", "62", "30", "14", "6", "2", "0", "0"},
    };
    const Adressanteil anteile[] = {Adressanteil::Bit8, Adressanteil::Bit16, Adressanteil::Bit24};

    for (int b = 0; b <= 8; ++b) {
        for (int a = 0; a < 3; ++a) {
            QTest::addRow("super /%d b=%d", 8 * (a + 1), b)
                << super << anteile[a] << b
                << QStringLiteral("max: %1 Netze können\r\nverbunden werden").arg(netze[b]);
            QTest::addRow("sub /%d b=%d", 8 * (a + 1), b)
                << sub << anteile[a] << b << QStringLiteral("max: %1 Hosts\r\npro Subnetz").arg(hosts[a][b]);
        }
    }
    QTest::newRow("normal is empty") << normal << Adressanteil::Bit24 << 2 << QString();
}

void TstBerechnungTabellen::anzahl()
{
    QFETCH(Netzart, netzart);
    QFETCH(Adressanteil, anteil);
    QFETCH(int, bits);
    QFETCH(QString, text);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben("10.1.2.3", netzart, anteil, QString::number(bits)));
    QVERIFY(a.vollstaendig());
    QVERIFY(a.ergebnisse->anzahl.has_value());
    QCOMPARE(QString::fromStdString(*a.ergebnisse->anzahl), text);
}

void TstBerechnungTabellen::klasse_data()
{
    QTest::addColumn<QString>("erstesOktett");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Adressanteil>("anteil");

    QTest::newRow("0") << "0" << "Klasse A Netz" << Adressanteil::Bit8;
    QTest::newRow("127") << "127" << "Klasse A Netz" << Adressanteil::Bit8;
    QTest::newRow("128") << "128" << "Klasse B Netz" << Adressanteil::Bit16;
    QTest::newRow("191") << "191" << "Klasse B Netz" << Adressanteil::Bit16;
    QTest::newRow("192") << "192" << "Klasse C Netz" << Adressanteil::Bit24;
    QTest::newRow("223") << "223" << "Klasse C Netz" << Adressanteil::Bit24;
    QTest::newRow("224") << "224" << "Klasse D Netz" << Adressanteil::Bit24;
    QTest::newRow("239") << "239" << "Klasse D Netz" << Adressanteil::Bit24;
    QTest::newRow("240") << "240" << "Klasse E Netz" << Adressanteil::Bit24;
    QTest::newRow("255") << "255" << "Klasse E Netz" << Adressanteil::Bit24;
    QTest::newRow("leading zeros") << "010" << "Klasse A Netz" << Adressanteil::Bit8;
}

void TstBerechnungTabellen::klasse()
{
    QFETCH(QString, erstesOktett);
    QFETCH(QString, text);
    QFETCH(Adressanteil, anteil);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben(erstesOktett + ".1.1.1", normal, Adressanteil::Bit8, "2"));
    QCOMPARE(QString::fromStdString(a.klassenText.value_or("")), text);
    QCOMPARE(b.klassepruefen(), anteil);
}

void TstBerechnungTabellen::netzUndBroadcast_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<Netzart>("netzart");
    QTest::addColumn<Adressanteil>("anteil");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("netz");
    QTest::addColumn<QString>("broadcast");

    QTest::newRow("class C net") << "192.168.4.1" << normal << Adressanteil::Bit24 << "2" << "192.168.4.0"
                                 << "192.168.4.255";
    QTest::newRow("supernet /22") << "192.168.5.1" << super << Adressanteil::Bit24 << "2" << "192.168.4.0"
                                  << "192.168.7.255";
    QTest::newRow("subnet /10") << "10.1.2.3" << sub << Adressanteil::Bit8 << "2" << "10.0.0.0" << "10.63.255.255";
    QTest::newRow("host mask /32") << "172.16.9.77" << sub << Adressanteil::Bit24 << "8" << "172.16.9.77"
                                   << "172.16.9.77";
    QTest::newRow("empty mask /0") << "172.16.9.77" << super << Adressanteil::Bit8 << "8" << "0.0.0.0"
                                   << "255.255.255.255";
    QTest::newRow("address 0.0.0.0 /8") << "0.0.0.0" << normal << Adressanteil::Bit8 << "2" << "0.0.0.0"
                                        << "0.255.255.255";
    QTest::newRow("leading zeros in octets") << "010.001.002.003" << normal << Adressanteil::Bit16 << "2"
                                             << "10.1.0.0" << "10.1.255.255";
}

void TstBerechnungTabellen::netzUndBroadcast()
{
    QFETCH(QString, adresse);
    QFETCH(Netzart, netzart);
    QFETCH(Adressanteil, anteil);
    QFETCH(QString, bits);
    QFETCH(QString, netz);
    QFETCH(QString, broadcast);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben(adresse, netzart, anteil, bits));
    QVERIFY(a.vollstaendig());
    QCOMPARE(punktiert(a.ergebnisse->netz.dezimal), netz);
    QCOMPARE(punktiert(a.ergebnisse->broadcast.dezimal), broadcast);
}

QTEST_APPLESS_MAIN(TstBerechnungTabellen)
#include "tst_berechnung_tabellen.moc"
