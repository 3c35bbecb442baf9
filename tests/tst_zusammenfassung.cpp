// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/netzzeile.h"
#include "calc/zusammenfassungstext.h"

using namespace netzplaner;

namespace {

Zusammenfassung aus(const QByteArray& text)
{
    return fasseZusammen(std::string_view(text.constData(), std::size_t(text.size())));
}

} // namespace

class TstZusammenfassung : public QObject {
    Q_OBJECT

private slots:
    void netze_data();
    void netze();
    void abgelehnt_data();
    void abgelehnt();
    void meldung_data();
    void meldung();
    void stueckweise_data();
    void stueckweise();
};

void TstZusammenfassung::netze_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("netze");      // the result blocks, blank-separated
    QTest::addColumn<QString>("umfassend");  // the net around them and how many it holds besides

    // Adjacent blocks merge up the tree, whatever their order and separators.
    QTest::newRow("halves and quarters to a /23") << QByteArray("10.0.0.64/26 10.0.0.0/26\n10.0.0.128/25 10.0.1.0/24") << "10.0.0.0/23" << "10.0.0.0/23 +0";
    QTest::newRow("separators of every kind")     << QByteArray("10.0.3.0/24;10.0.1.0/24,10.0.0.0/24\t10.0.2.0/24\r\n") << "10.0.0.0/22" << "10.0.0.0/22 +0";
    QTest::newRow("four addresses")               << QByteArray("192.168.0.3 192.168.0.1 192.168.0.0 192.168.0.2") << "192.168.0.0/30" << "192.168.0.0/30 +0";
    QTest::newRow("neighbours, not siblings")     << QByteArray("10.0.1.0/24 10.0.2.0/24") << "10.0.1.0/24 10.0.2.0/24" << "10.0.0.0/22 +512";
    QTest::newRow("host bits set, mask")          << QByteArray("10.1.2.3/24 10.1.3.9/255.255.255.0") << "10.1.2.0/23" << "10.1.2.0/23 +0";
    QTest::newRow("address and mask are two")     << QByteArray("10.0.0.0 255.255.0.0") << "10.0.0.0/32 255.255.0.0/32" << "0.0.0.0/0 +4294967294";

    // Overlaps and duplicates count once.
    QTest::newRow("inside a larger net")          << QByteArray("10.0.0.0/24 10.0.0.0/24 10.0.0.128/25 10.0.0.5 10.0.0.0/16") << "10.0.0.0/16" << "10.0.0.0/16 +0";
    QTest::newRow("overlapping ranges")           << QByteArray("10.0.0.10-10.0.0.20 10.0.0.15 - 10.0.0.40") << "10.0.0.10/31 10.0.0.12/30 10.0.0.16/28 10.0.0.32/29 10.0.0.40/32" << "10.0.0.0/26 +33";

    // Exclusions, before or after what they cut.
    QTest::newRow("one address cuts a /24 in 8") << QByteArray("10.0.0.0/24 !10.0.0.128") << "10.0.0.0/25 10.0.0.129/32 10.0.0.130/31 10.0.0.132/30 10.0.0.136/29 10.0.0.144/28 10.0.0.160/27 10.0.0.192/26" << "10.0.0.0/24 +1";
    QTest::newRow("private nets but the lab")     << QByteArray("! 10.0.0.0/9\n10.0.0.0/8 172.16.0.0/12 192.168.0.0/16") << "10.128.0.0/9 172.16.0.0/12 192.168.0.0/16" << "0.0.0.0/0 +4285464576";
    QTest::newRow("two holes in a range")         << QByteArray("10.0.0.0-10.0.0.15 !10.0.0.4/30 !10.0.0.9") << "10.0.0.0/30 10.0.0.8/32 10.0.0.10/31 10.0.0.12/30" << "10.0.0.0/28 +5";
    QTest::newRow("all excluded")                 << QByteArray("10.0.0.0/24 !10.0.0.0/23") << "" << "";
    QTest::newRow("exclusion only")               << QByteArray("!10.0.0.0/8") << "" << "";

    // Ranges to blocks, up to both ends of the address space.
    QTest::newRow("the whole space")              << QByteArray("0.0.0.0-255.255.255.255") << "0.0.0.0/0" << "0.0.0.0/0 +0";
    QTest::newRow("0.0.0.0/0 and its last")       << QByteArray("255.255.255.255 0.0.0.0/0") << "0.0.0.0/0" << "0.0.0.0/0 +0";
    QTest::newRow("one-address range")            << QByteArray("10.0.0.7-10.0.0.7") << "10.0.0.7/32" << "10.0.0.7/32 +0";
    QTest::newRow("en dash, blanks around")       << QByteArray("10.1.4.0 \u2013 10.1.9.255") << "10.1.4.0/22 10.1.8.0/23" << "10.1.0.0/20 +2560";
    QTest::newRow("top end, cut at the last")     << QByteArray("255.255.255.252/30 !255.255.255.255") << "255.255.255.252/31 255.255.255.254/32" << "255.255.255.252/30 +1";
    QTest::newRow("first and last address")       << QByteArray("0.0.0.0,255.255.255.255") << "0.0.0.0/32 255.255.255.255/32" << "0.0.0.0/0 +4294967294";
}

void TstZusammenfassung::netze()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, netze);
    QFETCH(QString, umfassend);

    const Zusammenfassung ergebnis = aus(text);
    QVERIFY(ergebnis.fehler.empty());
    QStringList gelesen;
    for (const Block& block : ergebnis.bloecke)
        gelesen << QString::fromStdString(cidrText(block.netz, block.praefix));
    QCOMPARE(gelesen.join(u' '), netze);
    QString um;
    if (ergebnis.umfassend)
        um = QStringLiteral("%1 +%2").arg(QString::fromStdString(cidrText(ergebnis.umfassend->netz, ergebnis.umfassend->praefix))).arg(ergebnis.zusaetzlich);
    QCOMPARE(um, umfassend);
}

void TstZusammenfassung::abgelehnt_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("grund");

    QTest::newRow("octet above 255")     << QByteArray("10.0.0.300")                << "„10.0.0.300“ ist keine IPv4-Adresse";
    QTest::newRow("three octets")        << QByteArray("10.0.0")                    << "„10.0.0“ ist keine IPv4-Adresse";
    QTest::newRow("IPv6")                << QByteArray("fe80::1")                   << "„fe80::1“ ist keine IPv4-Adresse";
    QTest::newRow("bad net address")     << QByteArray("10.0.0.256/24")             << "„10.0.0.256/24“: „10.0.0.256“ ist keine IPv4-Adresse";
    QTest::newRow("prefix 33")           << QByteArray("10.0.0.0/33")               << "„10.0.0.0/33“: „33“ ist kein Präfix von 0 bis 32";
    QTest::newRow("empty prefix")        << QByteArray("10.0.0.0/")                 << "„10.0.0.0/“: „“ ist kein Präfix von 0 bis 32";
    QTest::newRow("three-part mask")     << QByteArray("10.0.0.0/255.255.0")        << "„10.0.0.0/255.255.0“: „255.255.0“ ist keine Netzmaske";
    QTest::newRow("mask with a gap")     << QByteArray("10.0.0.0/255.0.255.0")      << "„10.0.0.0/255.0.255.0“: „255.0.255.0“ ist keine zusammenhängende Netzmaske";
    QTest::newRow("wildcard mask")       << QByteArray("10.0.0.0/0.0.0.255")        << "„10.0.0.0/0.0.0.255“: „0.0.0.255“ ist keine zusammenhängende Netzmaske";
    QTest::newRow("end before start")    << QByteArray("10.0.0.9 - 10.0.0.1")       << "„10.0.0.9 - 10.0.0.1“: das Ende liegt vor dem Anfang";
    QTest::newRow("range without end")   << QByteArray("10.0.0.1-")                 << "„10.0.0.1-“ ist kein vollständiger Bereich";
    QTest::newRow("net as range end")    << QByteArray("10.0.0.1-10.0.0.0/24")      << "„10.0.0.1-10.0.0.0/24“: „10.0.0.0/24“ ist keine IPv4-Adresse";
    QTest::newRow("exclamation alone")   << QByteArray("!")                         << "„!“ nennt keine Adressen";
    QTest::newRow("twice excluded")      << QByteArray("!!10.0.0.1")                << "„!!10.0.0.1“: „!10.0.0.1“ ist keine IPv4-Adresse";
    QTest::newRow("long text cut")       << QByteArray(39, 'x') + "\u00e4\u00e4"    << "„" + QString(39, u'x') + "…“ ist keine IPv4-Adresse";
}

void TstZusammenfassung::abgelehnt()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, grund);

    const auto gelesen = leseEintrag(std::string_view(text.constData(), std::size_t(text.size())));
    QVERIFY(std::holds_alternative<std::string>(gelesen));
    QCOMPARE(QString::fromStdString(std::get<std::string>(gelesen)), grund);
}

void TstZusammenfassung::meldung_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("umfassend");
    QTest::addColumn<QString>("ersteZeile");

    QTest::newRow("nothing")          << QByteArray(" \n\n ") << "" << "" << "";
    QTest::newRow("one of each")      << QByteArray("10.0.0.7") << "1 Eintrag → 1 Netz, 1 Adresse"
                                      << "Kleinstes Netz um alles: 10.0.0.7/32, enthält keine Adressen, die nicht eingegeben wurden"
                                      << "10.0.0.7/32\t10.0.0.7\t10.0.0.7\t1";
    QTest::newRow("one more")         << QByteArray("10.0.0.0 10.0.0.1 10.0.0.2") << "3 Einträge → 2 Netze, 3 Adressen"
                                      << "Kleinstes Netz um alles: 10.0.0.0/30, enthält 1 Adresse, die nicht eingegeben wurde"
                                      << "10.0.0.0/31\t10.0.0.0\t10.0.0.1\t2";
    QTest::newRow("range and cut")    << QByteArray("10.1.4.0 - 10.1.9.255\n!10.1.5.0/24") << "2 Einträge → 3 Netze, 1.280 Adressen"
                                      << "Kleinstes Netz um alles: 10.1.0.0/20, enthält 2.816 Adressen, die nicht eingegeben wurden"
                                      << "10.1.4.0/24\t10.1.4.0\t10.1.4.255\t256";
    QTest::newRow("everything")       << QByteArray("0.0.0.0/0") << "1 Eintrag → 1 Netz, 4.294.967.296 Adressen"
                                      << "Kleinstes Netz um alles: 0.0.0.0/0, enthält keine Adressen, die nicht eingegeben wurden"
                                      << "0.0.0.0/0\t0.0.0.0\t255.255.255.255\t4294967296";
    QTest::newRow("faults by line")   << QByteArray("10.0.0.1\n\n10.0.0.300, 10.0.0.2\r\nfoo") << "4 Einträge → 2 Netze, 2 Adressen\n"
                                         "2 Einträge nicht verstanden, ausgelassen:\nZeile 3: „10.0.0.300“ ist keine IPv4-Adresse\nZeile 4: „foo“ ist keine IPv4-Adresse"
                                      << "Kleinstes Netz um alles: 10.0.0.0/30, enthält 2 Adressen, die nicht eingegeben wurden"
                                      << "10.0.0.1/32\t10.0.0.1\t10.0.0.1\t1";
    QTest::newRow("first five faults") << QByteArray("a\nb\nc\nd\ne\nf\n!") << "7 Einträge → 0 Netze, 0 Adressen\n7 Einträge nicht verstanden, ausgelassen:\n"
                                          "Zeile 1: „a“ ist keine IPv4-Adresse\nZeile 2: „b“ ist keine IPv4-Adresse\nZeile 3: „c“ ist keine IPv4-Adresse\n"
                                          "Zeile 4: „d“ ist keine IPv4-Adresse\nZeile 5: „e“ ist keine IPv4-Adresse\n… und 2 weitere"
                                       << "" << "";
}

void TstZusammenfassung::meldung()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, meldung);
    QFETCH(QString, umfassend);
    QFETCH(QString, ersteZeile);

    const Zusammenfassung ergebnis = aus(text);
    QCOMPARE(QString::fromStdString(meldungsText(ergebnis)), meldung);
    QCOMPARE(QString::fromStdString(umfassendText(ergebnis)), umfassend);
    QStringList zeile;
    if (!ergebnis.bloecke.empty())
        for (const std::string& zelle : zusammenfassungsZeile(ergebnis.bloecke.front()))
            zeile << QString::fromStdString(zelle);
    QCOMPARE(zeile.join(u'\t'), ersteZeile);
}

void TstZusammenfassung::stueckweise_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("range with blanks") << QByteArray("10.0.0.1 - 10.0.0.9\n10.0.1.0 -10.0.1.3");
    QTest::newRow("en dash after blanks") << QByteArray("10.0.0.1  \u2013  10.0.0.9;1.2.3.4\u201310.0.0.1");
    QTest::newRow("lone ! and a word after") << QByteArray("10.0.0.0/8 !\t10.1.0.0/16 ! ,x 10.2.0.0/16");
    QTest::newRow("refused, over lines") << QByteArray("a\r\n\r\nb - \n - c 1.2.3.4/33\n\n!");
    QTest::newRow("ends in a dash") << QByteArray("1.2.3.4 -");
}

void TstZusammenfassung::stueckweise()
{
    QFETCH(QByteArray, text);
    const std::string_view ganz(text.constData(), std::size_t(text.size()));
    const Eintraege erwartet = leseEintraege(ganz);
    // Every cut, as a pipe may deliver the bytes: what is left over comes
    // again at the front of the next piece.
    for (std::size_t stueck = 1; stueck <= ganz.size(); ++stueck) {
        Eintraege eintraege;
        Eintragsleser leser(eintraege);
        std::string puffer;
        for (std::size_t pos = 0; pos < ganz.size(); pos += stueck) {
            puffer += ganz.substr(pos, stueck);
            puffer.erase(0, leser.lies(puffer, false));
        }
        leser.lies(puffer, true);
        QVERIFY2(eintraege.hinein == erwartet.hinein && eintraege.heraus == erwartet.heraus
                     && eintraege.fehler == erwartet.fehler && eintraege.anzahl == erwartet.anzahl,
                 qPrintable(QString::number(stueck)));
    }
}

QTEST_APPLESS_MAIN(TstZusammenfassung)
#include "tst_zusammenfassung.moc"
