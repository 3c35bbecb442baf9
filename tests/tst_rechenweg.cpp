// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/rechenweg.h"

using namespace netzplaner;

namespace {

QString alsQString(const std::string& text)
{
    return QString::fromStdString(text);
}

Oktette oktette(const QString& text)
{
    Oktette o{};
    const QStringList teile = text.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i)
        o[std::size_t(i)] = std::uint8_t(teile[i].toUInt());
    return o;
}

} // namespace

class TstRechenweg : public QObject {
    Q_OBJECT

private slots:
    void schritte_data();
    void schritte();
};

void TstRechenweg::schritte_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<int>("netzart");
    QTest::addColumn<int>("anteil");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("muster");
    QTest::addColumn<QString>("anteile");
    QTest::addColumn<QString>("oder"); // the result line
    QTest::addColumn<QString>("anzahl"); // lines joined by "|"

    QTest::newRow("C Normal") << "192.168.4.1" << 0 << 2 << 0
        << "11000000.10101000.00000100|00000001" << "Netzanteil 24 Bit (Klasse C: 24), Hostanteil 8 Bit"
        << "=    11000000.10101000.00000100.11111111  192.168.4.255"
        << "Hosts je Netz: 2^8 − 2 = 254";
    QTest::newRow("C Sub /26") << "192.168.4.1" << 1 << 2 << 2
        << "11000000.10101000.00000100.00|000001" << "Netzanteil 26 Bit (Klasse C: 24, geliehen: 2), Hostanteil 6 Bit"
        << "=    11000000.10101000.00000100.00111111  192.168.4.63"
        << "Hosts je Netz: 2^6 − 2 = 62|Teilnetze: 2^2 = 4|Schrittweite 64 im 4. Oktett: 192.168.4.0/26 ist Teilnetz 1 von 4";
    QTest::newRow("C Sub /32") << "192.168.4.1" << 1 << 2 << 8
        << "11000000.10101000.00000100.00000001|" << "Netzanteil 32 Bit (Klasse C: 24, geliehen: 8), Hostanteil 0 Bit"
        << "=    11000000.10101000.00000100.00000001  192.168.4.1"
        << "Hosts je Netz: 2^0 − 2 < 0, also 0|Teilnetze: 2^8 = 256|Schrittweite 1 im 4. Oktett: 192.168.4.1/32 ist Teilnetz 2 von 256";
    QTest::newRow("C Super /22") << "192.168.5.9" << 2 << 2 << 2
        << "11000000.10101000.000001|01.00001001" << "Netzanteil 22 Bit (Klasse C: 24, abgegeben: 2), Hostanteil 10 Bit"
        << "=    11000000.10101000.00000111.11111111  192.168.7.255"
        << "Hosts je Netz: 2^10 − 2 = 1.022|Zusammengefasste Netze: 2^2 = 4";
    QTest::newRow("B Normal") << "172.16.200.7" << 0 << 1 << 0
        << "10101100.00010000|11001000.00000111" << "Netzanteil 16 Bit (Klasse B: 16), Hostanteil 16 Bit"
        << "=    10101100.00010000.11111111.11111111  172.16.255.255"
        << "Hosts je Netz: 2^16 − 2 = 65.534";
    QTest::newRow("B Sub /20") << "172.16.200.7" << 1 << 1 << 4
        << "10101100.00010000.1100|1000.00000111" << "Netzanteil 20 Bit (Klasse B: 16, geliehen: 4), Hostanteil 12 Bit"
        << "=    10101100.00010000.11001111.11111111  172.16.207.255"
        << "Hosts je Netz: 2^12 − 2 = 4.094|Teilnetze: 2^4 = 16|Schrittweite 16 im 3. Oktett: 172.16.192.0/20 ist Teilnetz 13 von 16";
    QTest::newRow("B Super /15") << "172.17.3.4" << 2 << 1 << 1
        << "10101100.0001000|1.00000011.00000100" << "Netzanteil 15 Bit (Klasse B: 16, abgegeben: 1), Hostanteil 17 Bit"
        << "=    10101100.00010001.11111111.11111111  172.17.255.255"
        << "Hosts je Netz: 2^17 − 2 = 131.070|Zusammengefasste Netze: 2^1 = 2";
    QTest::newRow("A Normal") << "10.1.2.3" << 0 << 0 << 0
        << "00001010|00000001.00000010.00000011" << "Netzanteil 8 Bit (Klasse A: 8), Hostanteil 24 Bit"
        << "=    00001010.11111111.11111111.11111111  10.255.255.255"
        << "Hosts je Netz: 2^24 − 2 = 16.777.214";
    QTest::newRow("A Sub /16") << "10.1.2.3" << 1 << 0 << 8
        << "00001010.00000001|00000010.00000011" << "Netzanteil 16 Bit (Klasse A: 8, geliehen: 8), Hostanteil 16 Bit"
        << "=    00001010.00000001.11111111.11111111  10.1.255.255"
        << "Hosts je Netz: 2^16 − 2 = 65.534|Teilnetze: 2^8 = 256|Schrittweite 1 im 2. Oktett: 10.1.0.0/16 ist Teilnetz 2 von 256";
    QTest::newRow("A Super /5") << "10.1.2.3" << 2 << 0 << 3
        << "00001|010.00000001.00000010.00000011" << "Netzanteil 5 Bit (Klasse A: 8, abgegeben: 3), Hostanteil 27 Bit"
        << "=    00001111.11111111.11111111.11111111  15.255.255.255"
        << "Hosts je Netz: 2^27 − 2 = 134.217.726|Zusammengefasste Netze: 2^3 = 8";
    QTest::newRow("A Super /0") << "10.1.2.3" << 2 << 0 << 8
        << "|00001010.00000001.00000010.00000011" << "Netzanteil 0 Bit (Klasse A: 8, abgegeben: 8), Hostanteil 32 Bit"
        << "=    11111111.11111111.11111111.11111111  255.255.255.255"
        << "Hosts je Netz: 2^32 − 2 = 4.294.967.294|Zusammengefasste Netze: 2^8 = 256";
}

void TstRechenweg::schritte()
{
    QFETCH(QString, ip);
    QFETCH(int, netzart);
    QFETCH(int, anteil);
    QFETCH(int, bits);
    const Rechenweg weg = rechenweg({oktette(ip), Netzart(netzart), Adressanteil(anteil), std::uint8_t(bits)});
    QTEST(alsQString(weg.bits), "muster");
    QTEST(alsQString(weg.anteile), "anteile");
    QTEST(alsQString(weg.oder[2]), "oder");
    QStringList anzahl;
    for (const std::string& zeile : weg.anzahl)
        anzahl << alsQString(zeile);
    QTEST(anzahl.join(QLatin1Char('|')), "anzahl");
}

QTEST_APPLESS_MAIN(TstRechenweg)
#include "tst_rechenweg.moc"
