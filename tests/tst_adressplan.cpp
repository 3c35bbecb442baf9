// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/bedarfcsv.h"
#include "calc/planbaum.h"

using namespace netzplaner;

namespace {

QString alsQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Name=hosts" per requirement; "Name=" is one not planned yet.
std::vector<Bedarf> bedarfAus(const QStringList& paare)
{
    std::vector<Bedarf> bedarf;
    for (const QString& paar : paare) {
        const QString hosts = paar.section(QLatin1Char('='), 1);
        bedarf.push_back({paar.section(QLatin1Char('='), 0, 0).toStdString(),
                          hosts.isEmpty() ? std::nullopt : std::optional<std::uint32_t>(hosts.toUInt())});
    }
    return bedarf;
}

} // namespace

class TstAdressplan : public QObject {
    Q_OBJECT

private slots:
    void plane_data();
    void plane();
    void leseEingabe_data();
    void leseEingabe();
    void leseBedarfCsv_data();
    void leseBedarfCsv();
};

void TstAdressplan::plane_data()
{
    QTest::addColumn<QString>("netz");
    QTest::addColumn<bool>("rfc3021");
    QTest::addColumn<QStringList>("bedarf");
    QTest::addColumn<QStringList>("zeilen"); // the cells of each row, joined by "|"
    QTest::addColumn<QString>("meldung");

    const QStringList standort{"Vertrieb=350", "Büro=250", "Labor=80", "Lager=50", "WLAN=20",
                               "L1=2", "L2=2", "L3=2", "L4=2", "L5=2", "L6=2"};
    QTest::newRow("site in a /22") << "10.0.0.0/22" << false << standort << QStringList{
        "1|Vertrieb|350|10.0.0.0/23|255.255.254.0|10.0.0.1|10.0.1.254|10.0.1.255|510|69 %",
        "2|Büro|250|10.0.2.0/24|255.255.255.0|10.0.2.1|10.0.2.254|10.0.2.255|254|98 %",
        "3|Labor|80|10.0.3.0/25|255.255.255.128|10.0.3.1|10.0.3.126|10.0.3.127|126|63 %",
        "4|Lager|50|10.0.3.128/26|255.255.255.192|10.0.3.129|10.0.3.190|10.0.3.191|62|81 %",
        "5|WLAN|20|10.0.3.192/27|255.255.255.224|10.0.3.193|10.0.3.222|10.0.3.223|30|67 %",
        "6|L1|2|10.0.3.224/30|255.255.255.252|10.0.3.225|10.0.3.226|10.0.3.227|2|100 %",
        "7|L2|2|10.0.3.228/30|255.255.255.252|10.0.3.229|10.0.3.230|10.0.3.231|2|100 %",
        "8|L3|2|10.0.3.232/30|255.255.255.252|10.0.3.233|10.0.3.234|10.0.3.235|2|100 %",
        "9|L4|2|10.0.3.236/30|255.255.255.252|10.0.3.237|10.0.3.238|10.0.3.239|2|100 %",
        "10|L5|2|10.0.3.240/30|255.255.255.252|10.0.3.241|10.0.3.242|10.0.3.243|2|100 %",
        "11|L6|2|10.0.3.244/30|255.255.255.252|10.0.3.245|10.0.3.246|10.0.3.247|2|100 %",
        "|frei||10.0.3.248/29|255.255.255.248|10.0.3.249|10.0.3.254|10.0.3.255|6|"}
        << "11 Netze geplant, 1.016 von 1.024 Adressen belegt (99 %), 8 frei";
    // Largest first; Büro and Gäste tie and keep their row order; Reserve waits.
    QTest::newRow("three in a /24, rows kept") << "192.168.0.0/24" << false
        << QStringList{"Server=10", "Reserve=", "Büro=20", "Gäste=30"} << QStringList{
        "3|Büro|20|192.168.0.0/27|255.255.255.224|192.168.0.1|192.168.0.30|192.168.0.31|30|67 %",
        "4|Gäste|30|192.168.0.32/27|255.255.255.224|192.168.0.33|192.168.0.62|192.168.0.63|30|100 %",
        "1|Server|10|192.168.0.64/28|255.255.255.240|192.168.0.65|192.168.0.78|192.168.0.79|14|71 %",
        "|frei||192.168.0.80/28|255.255.255.240|192.168.0.81|192.168.0.94|192.168.0.95|14|",
        "|frei||192.168.0.96/27|255.255.255.224|192.168.0.97|192.168.0.126|192.168.0.127|30|",
        "|frei||192.168.0.128/25|255.255.255.128|192.168.0.129|192.168.0.254|192.168.0.255|126|"}
        << "3 Netze geplant, 80 von 256 Adressen belegt (31 %), 176 frei";
    const QStringList links{"a=2", "b=1", "c=2", "d=1", "e=2"};
    QTest::newRow("rfc3021 fills a /29 exactly") << "10.0.0.0/29" << true << links << QStringList{
        "1|a|2|10.0.0.0/31|255.255.255.254|10.0.0.0|10.0.0.1|entfällt|2|100 %",
        "3|c|2|10.0.0.2/31|255.255.255.254|10.0.0.2|10.0.0.3|entfällt|2|100 %",
        "5|e|2|10.0.0.4/31|255.255.255.254|10.0.0.4|10.0.0.5|entfällt|2|100 %",
        "2|b|1|10.0.0.6/32|255.255.255.255|10.0.0.6|10.0.0.6|entfällt|1|100 %",
        "4|d|1|10.0.0.7/32|255.255.255.255|10.0.0.7|10.0.0.7|entfällt|1|100 %"}
        << "5 Netze geplant, 8 von 8 Adressen belegt (100 %), 0 frei";
    QTest::newRow("one address too many") << "10.0.0.0/29" << true << links + QStringList{"f=1"} << QStringList{}
        << "Nr. 6 „f“ passt nicht in 10.0.0.0/29 (8 Adressen): der Bedarf von 9 Adressen braucht mindestens ein /28";
    QTest::newRow("rfc3021 off: /30 for links") << "10.0.0.0/29" << false << QStringList{"a=2", "b=1"} << QStringList{
        "1|a|2|10.0.0.0/30|255.255.255.252|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "2|b|1|10.0.0.4/30|255.255.255.252|10.0.0.5|10.0.0.6|10.0.0.7|2|50 %"}
        << "2 Netze geplant, 8 von 8 Adressen belegt (100 %), 0 frei";
    QTest::newRow("/32 holds one host") << "10.1.2.3/32" << true << QStringList{"x=1"} << QStringList{
        "1|x|1|10.1.2.3/32|255.255.255.255|10.1.2.3|10.1.2.3|entfällt|1|100 %"}
        << "1 Netz geplant, 1 von 1 Adresse belegt (100 %), 0 frei";
    QTest::newRow("/0, no requirement") << "0.0.0.0/0" << false << QStringList{} << QStringList{
        "|frei||0.0.0.0/0|0.0.0.0|0.0.0.1|255.255.255.254|255.255.255.255|4294967294|"}
        << "Noch kein Netz geplant, 4.294.967.296 Adressen frei";
    QTest::newRow("/0 split by the most hosts") << "0.0.0.0/0" << false
        << QStringList{"a=2147483646", "b=2147483646"} << QStringList{
        "1|a|2147483646|0.0.0.0/1|128.0.0.0|0.0.0.1|127.255.255.254|127.255.255.255|2147483646|100 %",
        "2|b|2147483646|128.0.0.0/1|128.0.0.0|128.0.0.1|255.255.255.254|255.255.255.255|2147483646|100 %"}
        << "2 Netze geplant, 4.294.967.296 von 4.294.967.296 Adressen belegt (100 %), 0 frei";
    QTest::newRow("more than the address space") << "0.0.0.0/0" << false
        << QStringList{"a=2147483646", "b=2147483646", "c=1"} << QStringList{}
        << "Nr. 3 „c“ passt nicht in 0.0.0.0/0: der Bedarf von 4.294.967.300 Adressen passt nicht einmal in den "
           "ganzen IPv4-Adressraum (4.294.967.296 Adressen)";
}

void TstAdressplan::plane()
{
    QFETCH(QString, netz);
    QFETCH(bool, rfc3021);
    QFETCH(QStringList, bedarf);
    QFETCH(QStringList, zeilen);
    QFETCH(QString, meldung);

    const auto angabe = netzplaner::leseNetzangabe(netz.toStdString());
    QVERIFY(std::holds_alternative<Netzangabe>(angabe));
    const std::vector<Bedarf> anforderungen = bedarfAus(bedarf);
    // A plan of one level, as plan files of version 1 hold it, through the
    // planner in levels: planned exactly as before.
    Planauftrag auftrag{std::get<Netzangabe>(angabe), rfc3021, Umgebung::klassisch, {}};
    for (const Bedarf& b : anforderungen)
        auftrag.bedarf.push_back({b.name, b.hosts});
    const Planbaum plan = netzplaner::plane(auftrag);
    QStringList gelesen;
    for (const Planblock& zeile : plan.zeilen) {
        QStringList zellen;
        for (const std::string& zelle : planzellen(zeile, Umgebung::klassisch))
            zellen << alsQString(zelle);
        gelesen << zellen.join(QLatin1Char('|'));
    }
    QCOMPARE(gelesen, zeilen);
    QCOMPARE(alsQString(plan.meldung), meldung);
}

void TstAdressplan::leseEingabe_data()
{
    QTest::addColumn<bool>("netz");        // the net field, or a Hosts cell
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("erwartet"); // the net or number, the refusal's start, "leer" or "nein"

    QTest::newRow("host bits cleared") << true << " 10.20.1.7/22\t" << "10.20.0.0/22";
    QTest::newRow("mask") << true << "10.20.1.7  255.255.252.0" << "10.20.0.0/22";
    QTest::newRow("empty net") << true << " " << "Kein Netz angegeben";
    QTest::newRow("no prefix") << true << "10.0.0.0" << "Die Präfixlänge fehlt";
    QTest::newRow("/33") << true << "10.0.0.0/33" << "Die Präfixlänge nach „/“ muss";
    QTest::newRow("bad address") << true << "10.0.0/8" << "Die Adresse muss";
    QTest::newRow("gap in mask") << true << "10.0.0.0 255.0.255.0" << "Die Maske muss zusammenhängend";
    QTest::newRow("bad mask") << true << "10.0.0.0 255.0" << "Die Maske muss aus vier Zahlen";
    QTest::newRow("hosts with blanks") << false << " 0200\t" << "200";
    QTest::newRow("most hosts") << false << "2147483646" << "2147483646";
    QTest::newRow("no hosts") << false << " \t" << "leer";
    QTest::newRow("one too many") << false << "2147483647" << "nein";
    QTest::newRow("many digits") << false << QString(40, QLatin1Char('9')) << "nein";
    QTest::newRow("zero") << false << "0" << "nein";
    QTest::newRow("fraction") << false << "5.0" << "nein";
}

void TstAdressplan::leseEingabe()
{
    QFETCH(bool, netz);
    QFETCH(QString, text);
    QFETCH(QString, erwartet);

    QString gelesen;
    if (netz) {
        const auto angabe = netzplaner::leseNetzangabe(text.toStdString());
        gelesen = alsQString(std::holds_alternative<Netzangabe>(angabe) ? netzText(std::get<Netzangabe>(angabe))
                                                                        : std::get<std::string>(angabe));
    } else {
        const auto hosts = netzplaner::leseHosts(text.toStdString());
        gelesen = !hosts ? QStringLiteral("nein") : !*hosts ? QStringLiteral("leer") : QString::number(**hosts);
    }
    QVERIFY2(gelesen.startsWith(erwartet), qPrintable(gelesen));
}

void TstAdressplan::leseBedarfCsv_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("erwartet"); // "Name=hosts" joined by "|", after "Kopf N|" for a header; or the refusal

    QTest::newRow("semicolon, BOM, header") << QByteArray("\xEF\xBB\xBFName;Hosts\r\nBüro;20\r\nReserve;\r\n")
                                            << "Kopf 1|Büro=20|Reserve=";
    QTest::newRow("first row in words is a header, and said") << QByteArray("Büro;zwanzig\nLager;5") << "Kopf 1|Lager=5";
    QTest::newRow("UTF-16LE with tabs") << QByteArray::fromHex("fffe4200fc0072006f000900320030000d000a00")
                                        << "Büro=20";
    QTest::newRow("UTF-16BE, surrogate pair") << QByteArray::fromHex("feff0061d83cdf10003b0031") << "a🌐=1";
    QTest::newRow("UTF-16, lone surrogate") << QByteArray::fromHex("fffe00dc3b003100") << "Die Datei ist kein gültiges UTF-16";
    QTest::newRow("another separator below") << QByteArray("a,1\nb;2") << "Zeile 2: 1 Feld, die erste Zeile hat 2 Felder";
    QTest::newRow("comma, Windows-1252") << QByteArray("B\xFCro,20\nK\x80" "che,5\n") << "Büro=20|K€che=5";
    QTest::newRow("tab, pasted") << QByteArray("Vertrieb\t200\nLabor, Keller\t50") << "Vertrieb=200|Labor, Keller=50";
    // Separators inside quotes belong to the name and choose no separator.
    QTest::newRow("quotes") << QByteArray("\"Lager;, \"\"Nord\"\"\" ;30") << "Lager;, \"Nord\"=30";
    QTest::newRow("control character") << QByteArray("\"a\tb\";1") << "Zeile 1: Name enthält ein Steuerzeichen (U+0009)";
    QTest::newRow("empty lines, CR, blanks") << QByteArray(" a ; 1 ;;\r\r;;\rb;2;;") << "a=1|b=2";
    QTest::newRow("not a number") << QByteArray("Name;Hosts\nBüro;zwanzig")
                                  << "Zeile 2: Hosts muss eine ganze Zahl von 1 bis 2147483646 sein";
    QTest::newRow("zero is no header") << QByteArray("a;0") << "Zeile 1: Hosts muss eine ganze Zahl von 1 bis 2147483646 sein";
    QTest::newRow("open quote") << QByteArray("a;1\n\n\"b;2") << "Zeile 3: ein Anführungszeichen wird nicht geschlossen";
    QTest::newRow("text after quote") << QByteArray("\"a\"x;1")
                                      << "Zeile 1: nach dem schließenden Anführungszeichen muss das Trennzeichen folgen";
    QTest::newRow("four fields") << QByteArray("a;1;;2") << "Zeile 1: mehr als drei Felder, erwartet sind Name, Hosts und Netz";
    QTest::newRow("Netz column") << QByteArray("Name;Hosts;Netz\nDMZ;;10.0.255.7/24\nBüro;20;\nWAN;2;10.9.0.0 255.255.255.252")
                                 << "Kopf 1|DMZ=@10.0.255.0/24|Büro=20|WAN=2@10.9.0.0/30";
    QTest::newRow("Netz not a net") << QByteArray("a;1;10.0.0.0") << "Zeile 1: Netz „10.0.0.0“: Die Präfixlänge fehlt: a.b.c.d/p oder a.b.c.d m.m.m.m eingeben";
}

void TstAdressplan::leseBedarfCsv()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, erwartet);

    const auto gelesen = netzplaner::leseBedarfCsv(std::string_view(csv.constData(), std::size_t(csv.size())));
    if (const auto* fehler = std::get_if<std::string>(&gelesen))
        QCOMPARE(alsQString(*fehler), erwartet);
    else {
        QStringList zeilen;
        const Bedarfsliste& liste = std::get<Bedarfsliste>(gelesen);
        if (liste.kopfzeile)
            zeilen << QStringLiteral("Kopf %1").arg(liste.kopfzeile);
        for (const Planknoten& b : liste.bedarf)
            zeilen << alsQString(b.name) + QLatin1Char('=') + (b.hosts ? QString::number(*b.hosts) : QString())
                          + (b.fest ? QLatin1Char('@') + alsQString(netzText(*b.fest)) : QString());
        QCOMPARE(zeilen.join(QLatin1Char('|')), erwartet);
    }
}

QTEST_GUILESS_MAIN(TstAdressplan)
#include "tst_adressplan.moc"
