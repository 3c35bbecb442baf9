// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/adressplan.h"
#include "calc/antwort.h"
#include "calc/aufgabe.h"
#include "calc/netzzeile.h"
#include "calc/zusammenfassung.h"

using namespace netzplaner;

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString loesungen(const Aufgabe& aufgabe)
{
    QStringList teile;
    for (const Antwortfeld& feld : aufgabe.felder)
        teile << q(feld.frage + ": " + feld.loesung);
    return teile.join(QLatin1Char('|'));
}

// The solution as a learner would type it: a mask without its "(/p)".
std::string getippt(const Antwortfeld& feld)
{
    return feld.form == Antwortform::Maske ? adressText(maske(feld.praefix)) : feld.loesung;
}

} // namespace

class TstUebung : public QObject {
    Q_OBJECT

private slots:
    void maskenantwort_data();
    void maskenantwort();
    void anzahlantwort_data();
    void anzahlantwort();
    void adressUndNetzantwort_data();
    void adressUndNetzantwort();
    void urteil_data();
    void urteil();
    void festeSerien_data();
    void festeSerien();
    void tausendAufgabenStimmenMitDenRechnungen_data();
    void tausendAufgabenStimmenMitDenRechnungen();
};

void TstUebung::maskenantwort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("praefix"); // -1: refused

    QTest::newRow("slash")              << "/26"             << 26;
    QTest::newRow("number")             << "26"              << 26;
    QTest::newRow("dotted")             << "255.255.255.192" << 26;
    QTest::newRow("blanks anywhere")    << " / 2 6 "         << 26;
    QTest::newRow("dotted with blanks") << " 255.255.255.0 " << 24;
    QTest::newRow("zero")               << "0"               << 0;
    QTest::newRow("all")                << "/32"             << 32;
    QTest::newRow("too long")           << "/33"             << -1;
    QTest::newRow("three digits")       << "024"             << -1;
    QTest::newRow("not contiguous")     << "255.255.0.255"   << -1;
    QTest::newRow("octet too big")      << "255.255.256.0"   << -1;
    QTest::newRow("net with prefix")    << "255.255.255.0/24" << -1;
    QTest::newRow("empty")              << ""                << -1;
    QTest::newRow("slash alone")        << "/"               << -1;
    QTest::newRow("letters")            << "2a"              << -1;
}

void TstUebung::maskenantwort()
{
    QFETCH(QString, text);
    QFETCH(int, praefix);
    QCOMPARE(leseMaskenantwort(text.toStdString()).value_or(-1), praefix);
}

void TstUebung::anzahlantwort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("anzahl"); // -1: refused

    QTest::newRow("plain")             << "62"        << qint64(62);
    QTest::newRow("plain thousands")   << "16382"     << qint64(16382);
    QTest::newRow("points")            << "16.382"    << qint64(16382);
    QTest::newRow("two points")        << "1.048.574" << qint64(1048574);
    QTest::newRow("blanks")            << " 1 022 "   << qint64(1022);
    QTest::newRow("short group")       << "16.38"     << qint64(-1);
    QTest::newRow("long group")        << "1.0000"    << qint64(-1);
    QTest::newRow("long first group")  << "1234.567"  << qint64(-1);
    QTest::newRow("leading point")     << ".382"      << qint64(-1);
    QTest::newRow("trailing point")    << "16.382."   << qint64(-1);
    QTest::newRow("double point")      << "1..382"    << qint64(-1);
    QTest::newRow("minus")             << "-2"        << qint64(-1);
    QTest::newRow("comma")             << "2,5"       << qint64(-1);
    QTest::newRow("empty")             << ""          << qint64(-1);
}

void TstUebung::anzahlantwort()
{
    QFETCH(QString, text);
    QFETCH(qint64, anzahl);
    const auto gelesen = leseAnzahlantwort(text.toStdString());
    QCOMPARE(gelesen ? qint64(*gelesen) : qint64(-1), anzahl);
}

void TstUebung::adressUndNetzantwort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("adresse"); // "" : refused as an address
    QTest::addColumn<QString>("netz");    // "" : refused as a net

    QTest::newRow("address")          << "192.168.4.0"                 << "192.168.4.0" << "";
    QTest::newRow("blanks")           << " 192 . 168 . 4 . 0 "         << "192.168.4.0" << "";
    QTest::newRow("three octets")     << "192.168.4"                   << ""            << "";
    QTest::newRow("cidr")             << "192.168.4.0/26"              << ""            << "192.168.4.0/26";
    QTest::newRow("blanks at slash")  << "192.168.4.0 / 26"            << ""            << "192.168.4.0/26";
    QTest::newRow("with mask")        << "192.168.4.0 255.255.255.192" << ""            << "192.168.4.0/26";
    QTest::newRow("host bits stay")   << "192.168.4.7/26"              << ""            << "192.168.4.7/26";
    QTest::newRow("prefix too long")  << "192.168.4.0/33"              << ""            << "";
}

void TstUebung::adressUndNetzantwort()
{
    QFETCH(QString, text);
    const auto adresse = leseAdressantwort(text.toStdString());
    QTEST(adresse ? q(adressText(*adresse)) : QString(), "adresse");
    const auto netz = leseNetzantwort(text.toStdString());
    QTEST(netz ? q(cidrText(netz->adresse, netz->praefix)) : QString(), "netz");
}

void TstUebung::urteil_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<QString>("urteil");

    // Mask /26, count 16382, address 192.168.4.64, net 192.168.4.0/26.
    QTest::newRow("mask right")     << 1 << "/26" << "richtig";
    QTest::newRow("mask wrong")     << 1 << "/25" << "falsch, richtig ist 255.255.255.192 (/26)";
    QTest::newRow("mask unread")    << 1 << "abc"
        << "falsch, richtig ist 255.255.255.192 (/26) („abc“ ist keine Maske der Form /26, 26 oder 255.255.255.192)";
    QTest::newRow("mask empty")     << 1 << "  " << "falsch, richtig ist 255.255.255.192 (/26) (keine Antwort)";
    QTest::newRow("count points")   << 2 << "16.382" << "richtig";
    QTest::newRow("count wrong")    << 2 << "16384" << "falsch, richtig ist 16.382";
    QTest::newRow("address right")  << 0 << "192.168.4.64" << "richtig";
    QTest::newRow("address wrong")  << 0 << "192.168.4.63" << "falsch, richtig ist 192.168.4.64";
    QTest::newRow("net right")      << 3 << "192.168.4.0 255.255.255.192" << "richtig";
    QTest::newRow("net host bits")  << 3 << "192.168.4.1/26" << "falsch, richtig ist 192.168.4.0/26";
    QTest::newRow("net no prefix")  << 3 << "192.168.4.0"
        << "falsch, richtig ist 192.168.4.0/26 („192.168.4.0“ ist kein Netz der Form a.b.c.d/p)";
}

void TstUebung::urteil()
{
    QFETCH(int, form);
    QFETCH(QString, antwort);
    const std::array<Antwortfeld, 4> felder{{
        {"Adresse", Antwortform::Adresse, 0xC0A80440u, 0, 0, "192.168.4.64"},
        {"Maske", Antwortform::Maske, 0, 26, 0, "255.255.255.192 (/26)"},
        {"Hosts", Antwortform::Anzahl, 0, 0, 16382, "16.382"},
        {"Netz", Antwortform::Netz, 0xC0A80400u, 26, 0, "192.168.4.0/26"},
    }};
    const Urteil u = pruefe(felder[std::size_t(form)], antwort.toStdString());
    QTEST(q(u.text), "urteil");
    QCOMPARE(u.richtig, u.text == "richtig");
}

void TstUebung::festeSerien_data()
{
    QTest::addColumn<uint>("serie");
    QTest::addColumn<QString>("art");
    QTest::addColumn<uint>("nummer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("loesungen");

    QTest::newRow("netz 4711/1") << 4711u << "netz" << 1u << "Gegeben ist der Host 192.168.230.166/29."
        << "Netzadresse: 192.168.230.160|Broadcast: 192.168.230.167|Erster Host: 192.168.230.161|"
           "Letzter Host: 192.168.230.166|Hosts: 6";
    QTest::newRow("netz 1/1") << 1u << "netz" << 1u << "Gegeben ist der Host 10.81.34.229/28."
        << "Netzadresse: 10.81.34.224|Broadcast: 10.81.34.239|Erster Host: 10.81.34.225|"
           "Letzter Host: 10.81.34.238|Hosts: 14";
    QTest::newRow("maske 4711/2") << 4711u << "maske" << 2u << "Ein Netz soll mindestens 912 Hosts aufnehmen."
        << "Maske: 255.255.252.0 (/22)";
    QTest::newRow("maske 99999/10") << 99999u << "maske" << 10u << "Ein Netz soll mindestens 246 Hosts aufnehmen."
        << "Maske: 255.255.255.0 (/24)";
    QTest::newRow("teilnetze 4711/1") << 4711u << "teilnetze" << 1u
        << "Das Netz 192.168.137.0/24 wird in 7 gleich große Teilnetze geteilt."
        << "Maske: 255.255.255.224 (/27)|Hosts je Teilnetz: 30|2. Teilnetz: 192.168.137.32|"
           "Broadcast des 2. Teilnetzes: 192.168.137.63";
    QTest::newRow("teilnetze 42/3") << 42u << "teilnetze" << 3u
        << "Das Netz 10.104.98.0/23 wird in 14 gleich große Teilnetze geteilt."
        << "Maske: 255.255.255.224 (/27)|Hosts je Teilnetz: 30|12. Teilnetz: 10.104.99.96|"
           "Broadcast des 12. Teilnetzes: 10.104.99.127";
    QTest::newRow("vlsm 4711/1") << 4711u << "vlsm" << 1u
        << "Teilen Sie 172.20.52.0/23 auf (größte zuerst, lückenlos ab der Netzadresse): "
           "A 46 Hosts, B 71 Hosts, C 29 Hosts"
        << "A: 172.20.52.128/26|B: 172.20.52.0/25|C: 172.20.52.192/27";
    QTest::newRow("vlsm 42/7") << 42u << "vlsm" << 7u
        << "Teilen Sie 172.21.14.0/24 auf (größte zuerst, lückenlos ab der Netzadresse): "
           "A 10 Hosts, B 12 Hosts, C 17 Hosts, D 5 Hosts, E 20 Hosts"
        << "A: 172.21.14.64/28|B: 172.21.14.80/28|C: 172.21.14.0/27|D: 172.21.14.96/29|E: 172.21.14.32/27";
    QTest::newRow("zusammenfassen 1/5") << 1u << "zusammenfassen" << 5u
        << "Fassen Sie zusammen: 172.23.80.0/21, 172.23.88.0/21" << "Zusammenfassung: 172.23.80.0/20";
    QTest::newRow("gemischt 4711/1") << 4711u << "gemischt" << 1u
        << "Fassen Sie zusammen: 172.23.40.0/24, 172.23.43.0/24, 172.23.46.0/24"
        << "Zusammenfassung: 172.23.40.0/21";
}

void TstUebung::festeSerien()
{
    QFETCH(uint, serie);
    QFETCH(QString, art);
    QFETCH(uint, nummer);
    const Aufgabe aufgabe = erzeugeAufgabe(serie, *aufgabenartVon(art.toStdString()), nummer);
    QTEST(q(aufgabe.text), "text");
    QTEST(loesungen(aufgabe), "loesungen");
}

void TstUebung::tausendAufgabenStimmenMitDenRechnungen_data()
{
    QTest::addColumn<QString>("art");
    for (const std::string_view name : aufgabenartNamen())
        QTest::newRow(std::string(name).c_str()) << QString::fromUtf8(name.data(), qsizetype(name.size()));
}

void TstUebung::tausendAufgabenStimmenMitDenRechnungen()
{
    QFETCH(QString, art);
    const Aufgabenart gewaehlt = *aufgabenartVon(art.toStdString());
    std::array<int, 5> arten{};
    for (std::uint32_t nummer = 1; nummer <= 1000; ++nummer) {
        const Aufgabe a = erzeugeAufgabe(2026, gewaehlt, nummer);
        QVERIFY2(gewaehlt == Aufgabenart::Gemischt || a.art == gewaehlt, a.text.c_str());
        ++arten[std::size_t(a.art)];
        for (const Antwortfeld& feld : a.felder)
            QVERIFY2(pruefe(feld, getippt(feld)).richtig, (a.text + " " + feld.frage).c_str());
        const auto& f = a.felder;
        switch (a.art) {
        case Aufgabenart::Netz: {
            const auto anfang = a.text.find("Host ") + 5;
            const auto host = leseNetzantwort(a.text.substr(anfang, a.text.size() - anfang - 1));
            const Netzzellen z = netzzellen(host->adresse, host->praefix);
            QCOMPARE(q(cidrText(f[0].adresse, host->praefix)), q(z.netz));
            QCOMPARE(q(f[1].loesung), q(z.broadcast));
            QCOMPARE(q(f[2].loesung), q(z.erster));
            QCOMPARE(q(f[3].loesung), q(z.letzter));
            QCOMPARE(QString::number(f[4].anzahl), q(z.hosts));
            QVERIFY(host->adresse != f[0].adresse && host->adresse != f[1].adresse);
            break;
        }
        case Aufgabenart::Maske: {
            const auto anfang = a.text.find("mindestens ") + 11;
            const std::uint64_t hosts = *leseAnzahlantwort(a.text.substr(anfang, a.text.find(" Hosts") - anfang));
            QVERIFY(netzgroesse(f[0].praefix) - 2 >= hosts);
            QVERIFY(netzgroesse(f[0].praefix + 1) - 2 < hosts);
            break;
        }
        case Aufgabenart::Teilnetze: {
            const auto anfang = a.text.find("Netz ") + 5;
            const auto netz = leseNetzantwort(a.text.substr(anfang, a.text.find(' ', anfang) - anfang));
            const std::uint32_t n = std::stoul(a.text.substr(a.text.find(" in ") + 4));
            const std::uint32_t k = std::stoul(f[2].frage);
            // The k-th of n equal blocks back to back, as the address plan lays them.
            const Plan plan = plane({netz->adresse, netz->praefix},
                                    std::vector<Bedarf>(n, {"T", std::uint32_t(f[1].anzahl)}), false);
            QVERIFY(plan.gelungen);
            QCOMPARE(plan.zeilen[k - 1].praefix, f[0].praefix);
            QCOMPARE(q(adressText(plan.zeilen[k - 1].netz)), q(f[2].loesung));
            QCOMPARE(q(netzzellen(f[2].adresse, f[0].praefix).broadcast), q(f[3].loesung));
            QVERIFY(netzgroesse(netz->praefix) / netzgroesse(f[0].praefix) >= n);
            QVERIFY(netzgroesse(netz->praefix) / netzgroesse(f[0].praefix - 1) < n);
            break;
        }
        case Aufgabenart::Vlsm: {
            QVERIFY(f.size() >= 3 && f.size() <= 5);
            const auto anfang = a.text.find("Sie ") + 4;
            const auto netz = leseNetzantwort(a.text.substr(anfang, a.text.find(' ', anfang) - anfang));
            std::vector<const Antwortfeld*> reihe;
            for (const Antwortfeld& feld : f)
                reihe.push_back(&feld);
            std::sort(reihe.begin(), reihe.end(), [](auto* x, auto* y) { return x->adresse < y->adresse; });
            Adresse weiter = netz->adresse;
            for (std::size_t i = 0; i < reihe.size(); ++i) {
                const std::string hier = reihe[i]->frage + " ";
                const std::uint64_t hosts = std::stoull(a.text.substr(a.text.find(hier, a.text.find("): ")) + hier.size()));
                QCOMPARE(reihe[i]->adresse, weiter); // no gap, largest first
                QVERIFY(netzgroesse(reihe[i]->praefix) - 2 >= hosts);
                QVERIFY(netzgroesse(reihe[i]->praefix + 1) - 2 < hosts);
                QVERIFY(i == 0 || reihe[i]->praefix >= reihe[i - 1]->praefix);
                weiter += Adresse(netzgroesse(reihe[i]->praefix));
            }
            QVERIFY(weiter - netz->adresse <= netzgroesse(netz->praefix));
            break;
        }
        case Aufgabenart::Zusammenfassen:
        case Aufgabenart::Gemischt: {
            std::string liste = a.text.substr(a.text.find(": ") + 2);
            for (char& c : liste)
                c = c == ',' ? '\n' : c;
            const Zusammenfassung z = fasseZusammen(liste);
            QVERIFY(z.fehler.empty() && z.umfassend);
            QCOMPARE(q(cidrText(z.umfassend->netz, z.umfassend->praefix)), q(f[0].loesung));
            break;
        }
        }
    }
    for (std::size_t i = 0; i < arten.size(); ++i)
        QVERIFY(gewaehlt != Aufgabenart::Gemischt || arten[i] > 100);
}

QTEST_APPLESS_MAIN(TstUebung)
#include "tst_uebung.moc"
