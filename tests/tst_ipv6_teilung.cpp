// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/grosszahl.h"
#include "calc/ipv6teilung.h"
#include "tests/hilfen/ipv6netz.h"

using namespace netzplaner;

// A prefix split into subnets: the rows a table lists, its head, and the
// subnet number a user types to go to.
class TstIpv6Teilung : public QObject {
    Q_OBJECT

private slots:
    void zeile_data();
    void zeile();
    void kopf();
    void nummer_data();
    void nummer();
};

void TstIpv6Teilung::zeile_data()
{
    QTest::addColumn<QByteArray>("netz");
    QTest::addColumn<int>("teilpraefix");
    QTest::addColumn<quint64>("indexHoch");
    QTest::addColumn<quint64>("indexTief");
    QTest::addColumn<int>("zeilen"); // what a table from this index lists
    QTest::addColumn<QString>("erwartet");

    const quint64 alle = ~quint64{0};
    QTest::newRow("first /64 of a /48") << QByteArray("2001:db8::1/48") << 64 << quint64{0} << quint64{0} << 65536
        << "1|2001:db8::/64|2001:db8::|2001:db8::ffff:ffff:ffff:ffff";
    QTest::newRow("second") << QByteArray("2001:db8::/48") << 64 << quint64{0} << quint64{1} << 65535
        << "2|2001:db8:0:1::/64|2001:db8:0:1::|2001:db8:0:1:ffff:ffff:ffff:ffff";
    QTest::newRow("last") << QByteArray("2001:db8::/48") << 64 << quint64{0} << quint64{65535} << 1
        << "65.536|2001:db8:0:ffff::/64|2001:db8:0:ffff::|2001:db8:0:ffff:ffff:ffff:ffff:ffff";
    QTest::newRow("beyond the last") << QByteArray("2001:db8::/48") << 64 << quint64{0} << quint64{65536} << 0 << "|||";
    QTest::newRow("beyond the listing, /32 in /64") << QByteArray("2001:db8::/32") << 64 << quint64{0} << quint64{1 << 20}
        << 1048576 << "1.048.577|2001:db8:10::/64|2001:db8:10::|2001:db8:10:0:ffff:ffff:ffff:ffff";
    QTest::newRow("last of /32 in /64") << QByteArray("2001:db8::/32") << 64 << quint64{0} << quint64{0xffffffff} << 1
        << "4.294.967.296|2001:db8:ffff:ffff::/64|2001:db8:ffff:ffff::|2001:db8:ffff:ffff:ffff:ffff:ffff:ffff";
    QTest::newRow("/127 in /128") << QByteArray("fe80::1/127") << 128 << quint64{0} << quint64{1} << 1
        << "2|fe80::1/128|fe80::1|fe80::1";
    QTest::newRow("/127 itself") << QByteArray("fe80::1/127") << 127 << quint64{0} << quint64{0} << 1
        << "1|fe80::/127|fe80::|fe80::1";
    QTest::newRow("/128 itself") << QByteArray("::1") << 128 << quint64{0} << quint64{0} << 1 << "1|::1/128|::1|::1";
    QTest::newRow("/0 itself") << QByteArray("::/0") << 0 << quint64{0} << quint64{0} << 1
        << "1|::/0|::|ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff";
    QTest::newRow("last of 2^128") << QByteArray("::/0") << 128 << alle << alle << 1
        << "340.282.366.920.938.463.463.374.607.431.768.211.456|ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128"
           "|ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff|ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff";
    QTest::newRow("sub-prefix below the net's is raised") << QByteArray("2001:db8::/48") << 40 << quint64{0} << quint64{0}
        << 1 << "1|2001:db8::/48|2001:db8::|2001:db8:0:ffff:ffff:ffff:ffff:ffff";
}

void TstIpv6Teilung::zeile()
{
    QFETCH(QByteArray, netz);
    QFETCH(int, teilpraefix);
    QFETCH(quint64, indexHoch);
    QFETCH(quint64, indexTief);
    QFETCH(int, zeilen);
    QFETCH(QString, erwartet);

    const Ipv6Teilung teilung(gelesen(netz), teilpraefix);
    const Zahl128 index = ipv6Zahl(indexHoch, indexTief);
    QStringList felder;
    for (const auto& feld : teilung.zeile(index))
        felder << q(feld);
    QCOMPARE(felder.join('|'), erwartet);
    QCOMPARE(teilung.zeilenAb(index), zeilen);
}

void TstIpv6Teilung::kopf()
{
    // The longest texts the window shows.
    const Ipv6Teilung alles(gelesen("::/0"), 128);
    const Ipv6Kopf k = alles.kopf();
    QCOMPARE(q(k.adressen), "340.282.366.920.938.463.463.374.607.431.768.211.456 (2^128)");
    QCOMPARE(k.teilnetze, k.adressen);
    QCOMPARE(q(alles.umfang(0)),
             "Die Tabelle zeigt die ersten 1.048.576 von 340.282.366.920.938.463.463.374.607.431.768.211.456 Teilnetzen.");
    QCOMPARE(q(alles.umfang(ipv6Zahl(0, 5))),
             "Die Tabelle zeigt die Teilnetze Nr. 6 bis 1.048.581 von 340.282.366.920.938.463.463.374.607.431.768.211.456.");

    const Ipv6Kopf d = Ipv6Teilung(gelesen("2001:db8:0:0:8::1/48"), 64).kopf();
    QCOMPARE(QStringList({q(d.netz), q(d.lang), q(d.erste), q(d.letzte), q(d.adressen), q(d.teilnetze), q(d.typ)}),
             QStringList({"2001:db8::/48", "2001:0db8:0000:0000:0000:0000:0000:0000", "2001:db8::",
                          "2001:db8:0:ffff:ffff:ffff:ffff:ffff", "1.208.925.819.614.629.174.706.176 (2^80)",
                          "65.536 (2^16)", "Dokumentation (RFC 3849)"}));
    const Ipv6Teilung teilung(gelesen("2001:db8::/48"), 64);
    QCOMPARE(teilung.umfang(0), std::string());
    // Column widths: every group as long as it can get in this split, no "::".
    const auto breiteste = teilung.breitesteZeile();
    QCOMPARE(QStringList({q(breiteste[0]), q(breiteste[1]), q(breiteste[2]), q(breiteste[3])}),
             QStringList({"00.000", "0000:000:0:0000:0:0:0:0/64", "0000:000:0:0000:0:0:0:0",
                          "0000:000:0:0000:0000:0000:0000:0000"}));
}

void TstIpv6Teilung::nummer_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("index"); // empty: refused

    QTest::newRow("1") << QByteArray("1") << "0";
    QTest::newRow("grouped, blanks around") << QByteArray(" 1.048.577 ") << "1048576";
    QTest::newRow("leading zeros") << QByteArray("00010") << "9";
    QTest::newRow("2^128") << QByteArray("340282366920938463463374607431768211456") << "340282366920938463463374607431768211455";
    QTest::newRow("2^128 + 1") << QByteArray("340282366920938463463374607431768211457") << "";
    QTest::newRow("0") << QByteArray("0") << "";
    QTest::newRow("wrongly grouped") << QByteArray("10.48.576") << "";
    QTest::newRow("sign") << QByteArray("-1") << "";
    QTest::newRow("empty") << QByteArray("") << "";
}

void TstIpv6Teilung::nummer()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, index);

    const auto gelesen = leseNummer(text.toStdString());
    QCOMPARE(gelesen ? q(dezimal(*gelesen)) : QString(), index);
}

QTEST_APPLESS_MAIN(TstIpv6Teilung)
#include "tst_ipv6_teilung.moc"
