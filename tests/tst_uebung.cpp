// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/antwort.h"
#include "calc/aufgabe.h"
#include "calc/planbaum.h"
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

// The net that follows wort in a task's text: "Host 10.1.2.3/24", "Netz 10.1.0.0/16".
std::optional<Netzantwort> netzNach(const std::string& text, const std::string& wort)
{
    const auto anfang = text.find(wort) + wort.size();
    return leseNetzantwort(text.substr(anfang, text.find_first_of(" ,", anfang) - anfang));
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
    void urteil_data();
    void urteil();
    void festeSerien_data();
    void festeSerien();
    void tausendAufgabenStimmenMitDenRechnungen_data();
    void tausendAufgabenStimmenMitDenRechnungen();
};

void TstUebung::urteil_data()
{
    QTest::addColumn<int>("form"); // Antwortform
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<QString>("urteil"); // "falsch" or "unlesbar": with the right answer, and why

    // Address 192.168.4.64, mask /26, count 16382, net 192.168.4.0/26.
    QTest::newRow("mask slash")            << 1 << "/26"                  << "richtig";
    QTest::newRow("mask number")           << 1 << "26"                   << "richtig";
    QTest::newRow("mask dotted")           << 1 << " 255.255.255.192 "    << "richtig";
    QTest::newRow("mask blanks anywhere")  << 1 << " / 2 6 "              << "richtig";
    QTest::newRow("mask other")            << 1 << "/25"                  << "falsch";
    QTest::newRow("mask too long")         << 1 << "/33"                  << "unlesbar";
    QTest::newRow("mask not contiguous")   << 1 << "255.255.0.255"        << "unlesbar";
    QTest::newRow("mask with prefix")      << 1 << "255.255.255.192/26"   << "unlesbar";
    QTest::newRow("mask words")            << 1 << "abc"
        << "falsch, richtig ist 255.255.255.192 (/26) („abc“ ist keine Maske der Form /26, 26 oder 255.255.255.192)";
    QTest::newRow("mask empty")            << 1 << "  " << "falsch, richtig ist 255.255.255.192 (/26) (keine Antwort)";
    QTest::newRow("count plain")           << 2 << "16382"                << "richtig";
    QTest::newRow("count points")          << 2 << "16.382"               << "richtig";
    QTest::newRow("count blanks")          << 2 << " 16 382 "             << "richtig";
    QTest::newRow("count short group")     << 2 << "16.38"                << "unlesbar";
    QTest::newRow("count long first")      << 2 << "1638.200"             << "unlesbar";
    QTest::newRow("count comma")           << 2 << "16,382"               << "unlesbar";
    QTest::newRow("count 13 digits")       << 2 << "0.000.000.016.382"    << "unlesbar";
    QTest::newRow("address blanks")        << 0 << " 192 . 168 . 4 . 64 " << "richtig";
    QTest::newRow("address three octets")  << 0 << "192.168.4"            << "unlesbar";
    QTest::newRow("address with prefix")   << 0 << "192.168.4.64/26"      << "unlesbar";
    QTest::newRow("net blanks at slash")   << 3 << "192.168.4.0 / 26"     << "richtig";
    QTest::newRow("net with mask")         << 3 << "192.168.4.0 255.255.255.192" << "richtig";
    QTest::newRow("net host bits")         << 3 << "192.168.4.1/26"       << "falsch";
    QTest::newRow("net without prefix")    << 3 << "192.168.4.0"          << "unlesbar";
}

void TstUebung::urteil()
{
    QFETCH(int, form);
    QFETCH(QString, antwort);
    QFETCH(QString, urteil);
    const std::array<Antwortfeld, 4> felder{{
        {"Adresse", Antwortform::Adresse, 0xC0A80440u, 0, 0, "192.168.4.64"},
        {"Maske", Antwortform::Maske, 0, 26, 0, "255.255.255.192 (/26)"},
        {"Hosts", Antwortform::Anzahl, 0, 0, 16382, "16.382"},
        {"Netz", Antwortform::Netz, 0xC0A80400u, 26, 0, "192.168.4.0/26"},
    }};
    const Antwortfeld& feld = felder[std::size_t(form)];
    const Urteil u = pruefe(feld, antwort.toStdString());
    const QString falsch = "falsch, richtig ist " + q(feld.loesung);
    if (urteil == "falsch")
        QCOMPARE(q(u.text), falsch);
    else if (urteil == "unlesbar")
        QVERIFY2(q(u.text).startsWith(falsch + " („" + antwort + "“ ist k"), qPrintable(q(u.text)));
    else
        QCOMPARE(q(u.text), urteil);
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
    QTest::newRow("maske 99999/10") << 99999u << "maske" << 10u << "Ein Netz soll mindestens 246 Hosts aufnehmen."
        << "Maske: 255.255.255.0 (/24)";
    QTest::newRow("teilnetze 42/3") << 42u << "teilnetze" << 3u
        << "Das Netz 10.104.98.0/23 wird in 14 gleich große Teilnetze geteilt."
        << "Maske: 255.255.255.224 (/27)|Hosts je Teilnetz: 30|12. Teilnetz: 10.104.99.96|"
           "Broadcast des 12. Teilnetzes: 10.104.99.127";
    QTest::newRow("vlsm 42/7") << 42u << "vlsm" << 7u
        << "Teilen Sie 172.21.14.0/24 auf (größte zuerst, lückenlos ab der Netzadresse): "
           "A 10 Hosts, B 12 Hosts, C 17 Hosts, D 5 Hosts, E 20 Hosts"
        << "A: 172.21.14.80/28|B: 172.21.14.64/28|C: 172.21.14.32/27|D: 172.21.14.96/29|E: 172.21.14.0/27";
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
            const auto host = netzNach(a.text.substr(0, a.text.size() - 1), "Host ");
            const Netzzellen z = netzzellen(host->adresse, host->praefix);
            QCOMPARE(q(cidrText(f[0].adresse, host->praefix) + f[1].loesung + f[2].loesung + f[3].loesung
                       + std::to_string(f[4].anzahl)),
                     q(z.netz + z.broadcast + z.erster + z.letzter + z.hosts));
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
            const auto netz = netzNach(a.text, "Netz ");
            const std::uint32_t n = std::stoul(a.text.substr(a.text.find(" in ") + 4));
            const std::uint32_t k = std::stoul(f[2].frage);
            // The k-th of n equal blocks back to back, as the address plan lays them.
            const Planbaum plan = plane({{netz->adresse, netz->praefix},
                                         false,
                                         Umgebung::klassisch,
                                         std::vector<Planknoten>(n, {"T", std::uint32_t(f[1].anzahl)})});
            QCOMPARE(plan.zeilen[k - 1].praefix, f[0].praefix);
            QCOMPARE(q(adressText(plan.zeilen[k - 1].netz)), q(f[2].loesung));
            QCOMPARE(q(netzzellen(f[2].adresse, f[0].praefix).broadcast), q(f[3].loesung));
            QVERIFY(netzgroesse(netz->praefix) / netzgroesse(f[0].praefix) >= n);
            QVERIFY(netzgroesse(netz->praefix) / netzgroesse(f[0].praefix - 1) < n);
            break;
        }
        case Aufgabenart::Vlsm: {
            QVERIFY(f.size() >= 3 && f.size() <= 5);
            const auto netz = netzNach(a.text, "Sie ");
            std::vector<const Antwortfeld*> reihe;
            for (const Antwortfeld& feld : f)
                reihe.push_back(&feld);
            std::sort(reihe.begin(), reihe.end(), [](auto* x, auto* y) { return x->adresse < y->adresse; });
            Adresse weiter = netz->adresse;
            std::uint64_t vorige = 0;
            for (std::size_t i = 0; i < reihe.size(); ++i) {
                const std::string hier = reihe[i]->frage + " ";
                const std::uint64_t hosts = std::stoull(a.text.substr(a.text.find(hier, a.text.find("): ")) + hier.size()));
                QCOMPARE(reihe[i]->adresse, weiter); // no gap, largest first
                QVERIFY(netzgroesse(reihe[i]->praefix) - 2 >= hosts);
                QVERIFY(netzgroesse(reihe[i]->praefix + 1) - 2 < hosts);
                // Largest block first; among equal blocks, most hosts first.
                QVERIFY(i == 0 || reihe[i]->praefix > reihe[i - 1]->praefix
                        || (reihe[i]->praefix == reihe[i - 1]->praefix && hosts < vorige));
                vorige = hosts;
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
