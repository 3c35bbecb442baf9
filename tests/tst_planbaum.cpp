// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/planbaum.h"

using namespace netzplaner;

namespace {

QString alsQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// One line per row, two blanks per level: "Name", "Name=hosts",
// "Name@a.b.c.d/p", "Name=hosts@a.b.c.d/p".
std::vector<Planknoten> baumAus(const QStringList& zeilen)
{
    std::vector<Planknoten> baum;
    for (const QString& zeile : zeilen) {
        const QString text = zeile.trimmed();
        Planknoten knoten;
        const QString netz = text.section(QLatin1Char('@'), 1);
        if (!netz.isEmpty())
            knoten.fest = std::get<Netzangabe>(leseNetzangabe(netz.toStdString()));
        const QString vorn = text.section(QLatin1Char('@'), 0, 0);
        knoten.name = vorn.section(QLatin1Char('='), 0, 0).toStdString();
        if (vorn.contains(QLatin1Char('=')))
            knoten.hosts = vorn.section(QLatin1Char('='), 1).toUInt();
        std::vector<Planknoten>* ebene = &baum;
        for (qsizetype tiefe = (zeile.size() - zeile.trimmed().size()) / 2; tiefe > 0; --tiefe)
            ebene = &ebene->back().kinder;
        ebene->push_back(std::move(knoten));
    }
    return baum;
}

// Two blanks per level, then the kind and the cells but the mask; a free
// block only as "frei" and its net, since the net list writes its cells.
QString zeileAlsText(const Planzeilentext& zeile)
{
    const QString einzug(2 * zeile.tiefe, QLatin1Char(' '));
    if (zeile.art == Planart::frei)
        return einzug + QStringLiteral("frei ") + alsQString(zeile.zellen[3]);
    QStringList zellen{QString(QLatin1Char("gbf"[static_cast<int>(zeile.art)]))};
    for (std::size_t i = 0; i < zeile.zellen.size(); ++i)
        if (i != 4)
            zellen << alsQString(zeile.zellen[i]);
    return einzug + zellen.join(QLatin1Char('|'));
}

} // namespace

class TstPlanbaum : public QObject {
    Q_OBJECT

private slots:
    void plane_data();
    void plane();
};

void TstPlanbaum::plane_data()
{
    QTest::addColumn<QString>("netz");
    QTest::addColumn<QString>("umgebung");
    QTest::addColumn<QStringList>("bedarf");
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QString>("meldung");

    QTest::newRow("company") << "10.0.0.0/16" << "klassisch" << QStringList{
        "Berlin", "  VLAN 200=200", "  VLAN 100=100", "  VLAN 50=50",
        "Hamburg", "  Büro=120", "  Link 1=2", "  Link 2=2", "DMZ@10.0.255.0/24"} << QStringList{
        "g|1|Berlin|350|10.0.0.0/23|10.0.0.1|10.0.1.254|10.0.1.255|510|88 %",
        "  b|1.1|VLAN 200|200|10.0.0.0/24|10.0.0.1|10.0.0.254|10.0.0.255|254|79 %",
        "  b|1.2|VLAN 100|100|10.0.1.0/25|10.0.1.1|10.0.1.126|10.0.1.127|126|79 %",
        "  b|1.3|VLAN 50|50|10.0.1.128/26|10.0.1.129|10.0.1.190|10.0.1.191|62|81 %",
        "  frei 10.0.1.192/26",
        "g|2|Hamburg|124|10.0.2.0/24|10.0.2.1|10.0.2.254|10.0.2.255|254|53 %",
        "  b|2.1|Büro|120|10.0.2.0/25|10.0.2.1|10.0.2.126|10.0.2.127|126|95 %",
        "  b|2.2|Link 1|2|10.0.2.128/30|10.0.2.129|10.0.2.130|10.0.2.131|2|100 %",
        "  b|2.3|Link 2|2|10.0.2.132/30|10.0.2.133|10.0.2.134|10.0.2.135|2|100 %",
        "  frei 10.0.2.136/29", "  frei 10.0.2.144/28", "  frei 10.0.2.160/27", "  frei 10.0.2.192/26",
        "f|3|DMZ||10.0.255.0/24|10.0.255.1|10.0.255.254|10.0.255.255|254|",
        "frei 10.0.3.0/24", "frei 10.0.4.0/22", "frei 10.0.8.0/21", "frei 10.0.16.0/20", "frei 10.0.32.0/19",
        "frei 10.0.64.0/18", "frei 10.0.128.0/18", "frei 10.0.192.0/19", "frei 10.0.224.0/20",
        "frei 10.0.240.0/21", "frei 10.0.248.0/22", "frei 10.0.252.0/23", "frei 10.0.254.0/24"}
        << "7 Netze geplant, 1.024 von 65.536 Adressen belegt (2 %), 64.512 frei";
    // 1 host takes the smallest subnet; 11 fills a /28, 12 needs a /27.
    QTest::newRow("AWS") << "10.0.0.0/24" << "aws" << QStringList{"a=1", "b=11", "c=12"} << QStringList{
        "b|3|c|12|10.0.0.0/27|10.0.0.4|10.0.0.30|10.0.0.31|27|44 %",
        "b|1|a|1|10.0.0.32/28|10.0.0.36|10.0.0.46|10.0.0.47|11|9 %",
        "b|2|b|11|10.0.0.48/28|10.0.0.52|10.0.0.62|10.0.0.63|11|100 %",
        "frei 10.0.0.64/26", "frei 10.0.0.128/25"}
        << "3 Netze geplant, 64 von 256 Adressen belegt (25 %), 192 frei";
    QTest::newRow("Azure") << "10.0.0.0/24" << "azure" << QStringList{"a=1", "b=3", "c=4"} << QStringList{
        "b|3|c|4|10.0.0.0/28|10.0.0.4|10.0.0.14|10.0.0.15|11|36 %",
        "b|1|a|1|10.0.0.16/29|10.0.0.20|10.0.0.22|10.0.0.23|3|33 %",
        "b|2|b|3|10.0.0.24/29|10.0.0.28|10.0.0.30|10.0.0.31|3|100 %",
        "frei 10.0.0.32/27", "frei 10.0.0.64/26", "frei 10.0.0.128/25"}
        << "3 Netze geplant, 32 von 256 Adressen belegt (13 %), 224 frei";
    QTest::newRow("GCP") << "10.0.0.0/24" << "gcp" << QStringList{"a=1", "b=4", "c=5"} << QStringList{
        "b|3|c|5|10.0.0.0/28|10.0.0.2|10.0.0.13|10.0.0.15|12|42 %",
        "b|1|a|1|10.0.0.16/29|10.0.0.18|10.0.0.21|10.0.0.23|4|25 %",
        "b|2|b|4|10.0.0.24/29|10.0.0.26|10.0.0.29|10.0.0.31|4|100 %",
        "frei 10.0.0.32/27", "frei 10.0.0.64/26", "frei 10.0.0.128/25"}
        << "3 Netze geplant, 32 von 256 Adressen belegt (13 %), 224 frei";
    // The /25 passes over the gap in front of the fixed net; the smaller ones fill it.
    QTest::newRow("first fit") << "10.0.0.0/24" << "klassisch"
        << QStringList{"d@10.0.0.64/26", "a=100", "b=20", "c=2"} << QStringList{
        "b|3|b|20|10.0.0.0/27|10.0.0.1|10.0.0.30|10.0.0.31|30|67 %",
        "b|4|c|2|10.0.0.32/30|10.0.0.33|10.0.0.34|10.0.0.35|2|100 %",
        "f|1|d||10.0.0.64/26|10.0.0.65|10.0.0.126|10.0.0.127|62|",
        "b|2|a|100|10.0.0.128/25|10.0.0.129|10.0.0.254|10.0.0.255|126|79 %",
        "frei 10.0.0.36/30", "frei 10.0.0.40/29", "frei 10.0.0.48/28"}
        << "4 Netze geplant, 228 von 256 Adressen belegt (89 %), 28 frei";
    QTest::newRow("fixed group, fixed host") << "10.0.0.0/24" << "klassisch"
        << QStringList{"G@10.0.0.128/25", "  x=2@10.0.0.252/31", "  y=50", "leer", "  nichts"} << QStringList{
        "g|1|G|52|10.0.0.128/25|10.0.0.129|10.0.0.254|10.0.0.255|126|52 %",
        "  b|1.2|y|50|10.0.0.128/26|10.0.0.129|10.0.0.190|10.0.0.191|62|81 %",
        "  f|1.1|x|2|10.0.0.252/31|10.0.0.252|10.0.0.253|entfällt|2|100 %",
        "  frei 10.0.0.192/27", "  frei 10.0.0.224/28", "  frei 10.0.0.240/29", "  frei 10.0.0.248/30",
        "  frei 10.0.0.254/31",
        "frei 10.0.0.0/25"}
        << "2 Netze geplant, 128 von 256 Adressen belegt (50 %), 128 frei";
    QTest::newRow("8 levels") << "10.0.0.0/29" << "klassisch" << QStringList{
        "L1", "  L2", "    L3", "      L4", "        L5", "          L6", "            L7", "              x=1"}
        << QStringList{
        "g|1|L1|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "  g|1.1|L2|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "    g|1.1.1|L3|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "      g|1.1.1.1|L4|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "        g|1.1.1.1.1|L5|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "          g|1.1.1.1.1.1|L6|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "            g|1.1.1.1.1.1.1|L7|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|100 %",
        "              b|1.1.1.1.1.1.1.1|x|1|10.0.0.0/30|10.0.0.1|10.0.0.2|10.0.0.3|2|50 %",
        "frei 10.0.0.4/30"}
        << "1 Netz geplant, 4 von 8 Adressen belegt (50 %), 4 frei";
    // Refusals: no rows, and the row named by its Nr.
    QTest::newRow("fixed in a planned group") << "10.0.0.0/16" << "klassisch"
        << QStringList{"a=1", "G", "  x@10.0.0.0/24"} << QStringList{}
        << "Nr. 2.1: ein festes Netz steht nur oben oder in einer Gruppe mit festem Netz";
    QTest::newRow("outside the net") << "10.0.0.0/16" << "klassisch" << QStringList{"x@10.0.0.0/15"}
        << QStringList{} << "Nr. 1: 10.0.0.0/15 liegt nicht in 10.0.0.0/16";
    QTest::newRow("outside the group") << "10.0.0.0/16" << "klassisch"
        << QStringList{"G@10.0.0.0/20", "  x@10.0.16.0/24"} << QStringList{}
        << "Nr. 1.1: 10.0.16.0/24 liegt nicht in Nr. 1 (10.0.0.0/20)";
    QTest::newRow("overlap, later row named") << "10.0.0.0/16" << "klassisch"
        << QStringList{"a@10.0.0.128/25", "b=5", "c@10.0.0.0/24"} << QStringList{}
        << "Nr. 3: 10.0.0.0/24 überschneidet sich mit Nr. 1 (10.0.0.128/25)";
    QTest::newRow("fixed too small") << "10.0.0.0/16" << "klassisch" << QStringList{"x=255@10.0.0.0/24"}
        << QStringList{} << "Nr. 1: 10.0.0.0/24 hat Platz für 254 Hosts, nicht für 255";
    QTest::newRow("fixed below AWS's smallest") << "10.0.0.0/16" << "aws" << QStringList{"x@10.0.0.0/29"}
        << QStringList{} << "Nr. 1: 10.0.0.0/29 ist kleiner als das kleinste AWS-Subnetz (/28)";
    QTest::newRow("fixed above AWS's largest") << "10.0.0.0/8" << "aws" << QStringList{"x@10.0.0.0/15"}
        << QStringList{} << "Nr. 1: 10.0.0.0/15 ist größer als ein AWS-Subnetz (/16)";
    QTest::newRow("AWS /16 and beyond") << "10.0.0.0/8" << "aws" << QStringList{"G", "  a=65531", "  b=65532"}
        << QStringList{} << "Nr. 1.2: der Bedarf von 65.532 Hosts ist größer als ein AWS-Subnetz (/16)";
    QTest::newRow("no room beside a fixed net") << "10.0.0.0/24" << "klassisch"
        << QStringList{"d@10.0.0.64/26", "a=100", "b=50", "c=20"} << QStringList{}
        << "Nr. 4 „c“ passt nicht in 10.0.0.0/24: kein freier /27 mehr";
    QTest::newRow("no room in a fixed group") << "10.0.0.0/24" << "klassisch"
        << QStringList{"G@10.0.0.0/25", "  a=100", "  b=2"} << QStringList{}
        << "Nr. 1.2 „b“ passt nicht in Nr. 1 (10.0.0.0/25): kein freier /30 mehr";
    QTest::newRow("groups too large, nothing fixed") << "10.0.0.0/24" << "klassisch"
        << QStringList{"G", "  a=200", "  b=100"} << QStringList{}
        << "Nr. 1 „G“ passt nicht in 10.0.0.0/24 (256 Adressen): der Bedarf von 512 Adressen braucht mindestens ein /23";
}

void TstPlanbaum::plane()
{
    QFETCH(QString, netz);
    QFETCH(QString, umgebung);
    QFETCH(QStringList, bedarf);
    QFETCH(QStringList, zeilen);
    QFETCH(QString, meldung);

    const Planauftrag auftrag{std::get<Netzangabe>(leseNetzangabe(netz.toStdString())), false,
                              *umgebungZuSchluessel(umgebung.toStdString()), baumAus(bedarf)};
    const Planbaum plan = netzplaner::plane(auftrag);
    QStringList gelesen;
    for (const Planzeilentext& zeile : planzeilen(plan))
        gelesen << zeileAlsText(zeile);
    QCOMPARE(gelesen, zeilen);
    QCOMPARE(alsQString(plan.meldung), meldung);
}

QTEST_GUILESS_MAIN(TstPlanbaum)
#include "tst_planbaum.moc"
