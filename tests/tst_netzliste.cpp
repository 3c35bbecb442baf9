// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/adresstyp.h"
#include "calc/netzliste.h"

using namespace netzplaner;

Q_DECLARE_METATYPE(Eingaben)

namespace {

const auto normal = Netzart::Normal;
const auto sub = Netzart::SubNetz;
const auto super = Netzart::SuperNetz;
const auto bit8 = Adressanteil::Bit8;
const auto bit24 = Adressanteil::Bit24;

template <typename Felder> QString verbunden(const Felder& felder)
{
    QStringList teile;
    for (const std::string_view feld : felder)
        teile << QString::fromUtf8(feld.data(), qsizetype(feld.size()));
    return teile.join(QLatin1Char('|'));
}

} // namespace

class TstNetzliste : public QObject {
    Q_OBJECT

private slots:
    void liste_data();
    void liste();
    void keineListe();
    void adresstyp_data();
    void adresstyp();
};

void TstNetzliste::liste_data()
{
    QTest::addColumn<Eingaben>("eingaben");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<int>("aktuell");
    QTest::addColumn<QString>("kopf");
    QTest::addColumn<QString>("erste");
    QTest::addColumn<QString>("letzte");

    QTest::newRow("normal ignores bits") << Eingaben{{"8", "8", "4", "4"}, normal, bit24, "x"} << 1 << 0
        << "8.8.4.0/24|255.255.255.0|0.0.0.255|8.8.4.1 – 8.8.4.254|254|öffentlich"
        << "1|8.8.4.0/24|8.8.4.1|8.8.4.254|8.8.4.255|254" << "1|8.8.4.0/24|8.8.4.1|8.8.4.254|8.8.4.255|254";
    // Texts convert as the main window converts them: "010" is 10, "2.5" rounds to 2.
    QTest::newRow("sub /24, 3 bits") << Eingaben{{"010", "0", "0", "77"}, sub, bit24, "3"} << 8 << 2
        << "10.0.0.64/27|255.255.255.224|0.0.0.31|10.0.0.65 – 10.0.0.94|30|privat (RFC 1918)"
        << "1|10.0.0.0/27|10.0.0.1|10.0.0.30|10.0.0.31|30" << "8|10.0.0.224/27|10.0.0.225|10.0.0.254|10.0.0.255|30";
    QTest::newRow("super /24, 2 bits") << Eingaben{{"8", "8", "5", "1"}, super, bit24, "2.5"} << 4 << 1
        << "8.8.4.0/22|255.255.252.0|0.0.3.255|8.8.4.1 – 8.8.7.254|1022|öffentlich"
        << "1|8.8.4.0/24|8.8.4.1|8.8.4.254|8.8.4.255|254" << "4|8.8.7.0/24|8.8.7.1|8.8.7.254|8.8.7.255|254";
    QTest::newRow("/31") << Eingaben{{"127", "0", "0", "7"}, sub, bit24, "7"} << 128 << 3
        << "127.0.0.6/31|255.255.255.254|0.0.0.1|127.0.0.6 – 127.0.0.7|2|Loopback (RFC 1122)"
        << "1|127.0.0.0/31|127.0.0.0|127.0.0.1|entfällt|2" << "128|127.0.0.254/31|127.0.0.254|127.0.0.255|entfällt|2";
    QTest::newRow("/32") << Eingaben{{"1", "2", "3", "200"}, sub, bit24, "8"} << 256 << 200
        << "1.2.3.200/32|255.255.255.255|0.0.0.0|1.2.3.200 – 1.2.3.200|1|öffentlich"
        << "1|1.2.3.0/32|1.2.3.0|1.2.3.0|entfällt|1" << "256|1.2.3.255/32|1.2.3.255|1.2.3.255|entfällt|1";
    QTest::newRow("/0") << Eingaben{{"100", "64", "1", "2"}, super, bit8, "8"} << 256 << 100
        << "0.0.0.0/0|0.0.0.0|255.255.255.255|0.0.0.1 – 255.255.255.254|4294967294|Carrier-NAT (RFC 6598)"
        << "1|0.0.0.0/8|0.0.0.1|0.255.255.254|0.255.255.255|16777214"
        << "256|255.0.0.0/8|255.0.0.1|255.255.255.254|255.255.255.255|16777214";
}

void TstNetzliste::liste()
{
    QFETCH(Eingaben, eingaben);
    QFETCH(int, zeilen);
    QFETCH(int, aktuell);
    QFETCH(QString, kopf);
    QFETCH(QString, erste);
    QFETCH(QString, letzte);

    const auto wahl = netzwahlAus(eingaben);
    QVERIFY(wahl);
    const Netzliste liste(*wahl);
    QCOMPARE(liste.zeilenzahl(), zeilen);
    QCOMPARE(liste.aktuelleZeile(), aktuell);
    const Netzkopf k = liste.kopf();
    QCOMPARE(verbunden(std::array{k.cidr, k.maske, k.wildcard, k.hostbereich, k.hosts, k.adresstyp}), kopf);
    QCOMPARE(verbunden(liste.zeile(0)), erste);
    QCOMPARE(verbunden(liste.zeile(zeilen - 1)), letzte);
    QCOMPARE(verbunden(liste.zeile(zeilen)), QStringLiteral("|||||"));
}

void TstNetzliste::keineListe()
{
    // Where the main window shows no net of its own, there is none to list.
    QVERIFY(netzwahlAus(Eingaben{{"1", "2", "3", "4"}, sub, bit24, "8"}));
    QVERIFY(!netzwahlAus(Eingaben{{"1", "2", "3", "4"}, sub, bit24, "9"}));
    QVERIFY(!netzwahlAus(Eingaben{{"1", "256", "3", "4"}, normal, bit24, "0"}));
    QVERIFY(!netzwahlAus(Eingaben{{"1", "2", "3", "4"}, std::nullopt, bit24, "0"}));
    QVERIFY(!netzwahlAus(Eingaben{{"1", "2", "3", "4"}, sub, std::nullopt, "0"}));
}

void TstNetzliste::adresstyp_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("typ");

    // First and last address of every range, and the neighbours just outside.
    const std::pair<const char*, const char*> typen[] = {
        {"dieses Netz (RFC 791)", "0.0.0.0 0.255.255.255"},
        {"privat (RFC 1918)", "10.0.0.0 10.255.255.255 172.16.0.0 172.31.255.255 192.168.0.0 192.168.255.255"},
        {"Carrier-NAT (RFC 6598)", "100.64.0.0 100.127.255.255"},
        {"Loopback (RFC 1122)", "127.0.0.0 127.255.255.255"},
        {"Link-Local (RFC 3927)", "169.254.0.0 169.254.255.255"},
        {"IETF-Protokolle (RFC 6890)", "192.0.0.0 192.0.0.255"},
        {"Dokumentation, TEST-NET-1 (RFC 5737)", "192.0.2.0 192.0.2.255"},
        {"Dokumentation, TEST-NET-2 (RFC 5737)", "198.51.100.0 198.51.100.255"},
        {"Dokumentation, TEST-NET-3 (RFC 5737)", "203.0.113.0 203.0.113.255"},
        {"6to4-Relay, veraltet (RFC 7526)", "192.88.99.0 192.88.99.255"},
        {"Benchmark (RFC 2544)", "198.18.0.0 198.19.255.255"},
        {"Multicast (RFC 5771)", "224.0.0.0 239.255.255.255"},
        {"Broadcast (RFC 919)", "255.255.255.255"},
        {"reserviert (RFC 1112)", "240.0.0.0 255.255.255.254"},
        {"öffentlich", "1.0.0.0 9.255.255.255 11.0.0.0 100.63.255.255 100.128.0.0 126.255.255.255 128.0.0.0 "
                       "169.253.255.255 169.255.0.0 172.15.255.255 172.32.0.0 191.255.255.255 192.0.1.0 192.0.3.0 "
                       "192.88.98.255 192.88.100.0 192.167.255.255 192.169.0.0 198.17.255.255 198.20.0.0 "
                       "198.51.99.255 198.51.101.0 203.0.112.255 203.0.114.0 223.255.255.255"},
    };
    for (const auto& [typ, adressen] : typen)
        for (const QString& adresse : QString::fromLatin1(adressen).split(QLatin1Char(' ')))
            QTest::addRow("%s", qPrintable(adresse)) << adresse << QString::fromUtf8(typ);
}

void TstNetzliste::adresstyp()
{
    QFETCH(QString, adresse);
    QFETCH(QString, typ);

    const QStringList teile = adresse.split(QLatin1Char('.'));
    Oktette oktette{};
    for (std::size_t i = 0; i < 4; ++i)
        oktette[i] = std::uint8_t(teile.at(qsizetype(i)).toUInt());
    const std::string_view t = netzplaner::adresstyp(oktette);
    QCOMPARE(QString::fromUtf8(t.data(), qsizetype(t.size())), typ);
}

QTEST_APPLESS_MAIN(TstNetzliste)
#include "tst_netzliste.moc"
