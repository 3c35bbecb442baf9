// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTreeView>

#include "tests/hilfen/adressplantest.h"

using netzplaner::AdressplanFenster;
using netzplaner::Plandokument;
using netzplaner::Umgebung;

// The plan in levels, with fixed nets and a cloud, as the window builds it.
class TstAdressplanEbenen : public AdressplanTest {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void firmaEntstehtMitTastenAllein();
    void netboxExportSchreibtPraefixe();
    void umgebungIstEinSchrittUndSchaltetRfc3021();
    void festesNetzNimmtNurNetze();
    void gruppeKopiertVorIhrenKindernUndZeigtIhrNetz();

private:
    // As neueZeile, then on to the Netz cell.
    void neueZeile(const QString& name, const QString& hosts, const QString& netz = {})
    {
        QTest::keyClick(im("bedarf"), Qt::Key_Insert);
        tippe(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tippe(hosts);
        if (!netz.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tippe(netz);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void ein() { QTest::keyClick(im("bedarf"), Qt::Key_Right, Qt::ControlModifier); }
    void aus() { QTest::keyClick(im("bedarf"), Qt::Key_Left, Qt::ControlModifier); }
    // Every step undone, or redone; how many there were.
    int alleSchritte(const char* aktion)
    {
        auto* a = plan()->findChild<QAction*>(QLatin1String(aktion));
        int schritte = 0;
        for (; a->isEnabled() && schritte < 100; ++schritte)
            a->trigger();
        return schritte;
    }
    QString meldung() { return im<QLabel>("lblmeldung")->text(); }
};

void TstAdressplanEbenen::firmaEntstehtMitTastenAllein()
{
    AdressplanFenster* fenster = plan();
    const Plandokument leer = fenster->dokument();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/16");
    QTest::keyClick(im("txtnetz"), Qt::Key_Tab);
    neueZeile("Berlin", "");
    neueZeile("VLAN 200", "200");
    ein();
    neueZeile("VLAN 100", "100");
    neueZeile("VLAN 50", "50");
    neueZeile("Hamburg", "");
    aus();
    neueZeile("Büro", "120");
    ein();
    neueZeile("Link 1", "2");
    neueZeile("Link 2", "2");
    neueZeile("DMZ", "", "10.0.255.0/24");
    aus();

    const Plandokument firma{"10.0.0.0/16", false,
                             {{"Berlin", {}, {}, {{"VLAN 200", 200}, {"VLAN 100", 100}, {"VLAN 50", 50}}},
                              {"Hamburg", {}, {}, {{"Büro", 120}, {"Link 1", 2}, {"Link 2", 2}}},
                              {"DMZ", {}, netzplaner::Netzangabe{0x0A00FF00, 24}}}};
    QCOMPARE(fenster->dokument(), firma);
    QCOMPARE(meldung(), QStringLiteral("7 Netze geplant, 1.024 von 65.536 Adressen belegt (2 %), 64.512 frei"));
    const QString geplant = zeilen();
    QVERIFY(geplant.startsWith(QStringLiteral("1|Berlin|350|10.0.0.0/23|255.255.254.0|10.0.0.1|10.0.1.254|")));
    QVERIFY(geplant.contains(QStringLiteral("\n2.1|Büro|120|10.0.2.0/25|")));

    const int schritte = alleSchritte("rueckgaengig");
    QCOMPARE(fenster->dokument(), leer);
    QCOMPARE(alleSchritte("wiederholen"), schritte);
    QCOMPARE(fenster->dokument(), firma);
    QCOMPARE(zeilen(), geplant);

    datei = ordner.filePath(QStringLiteral("firma.adressplan"));
    taste(Qt::CTRL | Qt::Key_S);
    QVERIFY(!fenster->isWindowModified());
    alleSchritte("rueckgaengig");
    QVERIFY(fenster->oeffne(datei));
    QCOMPARE(fenster->dokument(), firma);
    QCOMPARE(zeilen(), geplant);
}

void TstAdressplanEbenen::netboxExportSchreibtPraefixe()
{
    AdressplanFenster* fenster = plan();
    datei = ordner.filePath(QStringLiteral("laden.adressplan"));
    QVERIFY(!netzplaner::speicherePlan(
        datei, {"10.0.0.0/24", false,
                {{"Lager, Halle 2", {}, {}, {{"LAN", 50}}}, {"DMZ", {}, netzplaner::Netzangabe{0x0A000080, 28}}}}));
    QVERIFY(fenster->oeffne(datei));
    datei = ordner.filePath(QStringLiteral("netbox.csv"));
    plan()->findChild<QAction*>(QStringLiteral("exportierennetbox"))->trigger();
    QFile f(datei);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("prefix,status,description\n"
                                     "10.0.0.0/26,container,\"Lager, Halle 2\"\n"
                                     "10.0.0.0/26,active,LAN\n"
                                     "10.0.0.128/28,active,DMZ\n"));
}

void TstAdressplanEbenen::umgebungIstEinSchrittUndSchaltetRfc3021()
{
    AdressplanFenster* fenster = plan();
    auto* umgebung = im<QComboBox>("umgebung");
    QStringList schluessel;
    for (int i = 0; i < umgebung->count(); ++i)
        schluessel << umgebung->itemText(i) + '=' + umgebung->itemData(i).toString();
    QCOMPARE(schluessel, QStringList({"Klassisch=klassisch", "AWS=aws", "Azure=azure", "Google Cloud=gcp"}));
    QVERIFY(im("rfc3021")->isEnabled());
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24");
    umgebung->setFocus();
    QTest::keyClick(umgebung, Qt::Key_Down);
    QCOMPARE(fenster->dokument().umgebung, Umgebung::aws);
    QVERIFY(!im("rfc3021")->isEnabled());
    im("bedarf")->setFocus();
    neueZeile("a", "1"); // a /28 in AWS, four addresses before, one after
    QVERIFY(zeilen().startsWith(QStringLiteral("1|a|1|10.0.0.0/28|255.255.255.240|10.0.0.4|10.0.0.14|10.0.0.15|11|")));
    for (int schritt = 0; schritt < 3; ++schritt) // the row, its name, its hosts
        taste(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(fenster->dokument().umgebung, Umgebung::aws);
    taste(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(fenster->dokument().umgebung, Umgebung::klassisch);
    QCOMPARE(umgebung->currentData().toString(), QStringLiteral("klassisch"));
    QVERIFY(im("rfc3021")->isEnabled());
}

void TstAdressplanEbenen::festesNetzNimmtNurNetze()
{
    plan();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24");
    im("bedarf")->setFocus();
    neueZeile("Server", "");
    QAbstractItemModel* bedarf = im<QTreeView>("bedarf")->model();
    const QModelIndex netz = bedarf->index(0, 2);
    QVERIFY(!bedarf->setData(netz, "10.0.0.300/28"));
    QVERIFY(meldung().startsWith(QStringLiteral("Zeile 1: Netz „10.0.0.300/28“: ")));
    QVERIFY(bedarf->setData(netz, "10.0.0.77 255.255.255.240")); // host bits: the net is meant
    QCOMPARE(netz.data().toString(), QStringLiteral("10.0.0.64/28"));
    // A fixed net outside the plan's net leaves no rows, and says which row.
    QVERIFY(bedarf->setData(netz, "10.0.1.0/28"));
    QCOMPARE(zeilen(), QString());
    QVERIFY(meldung().startsWith(QStringLiteral("Nr. 1")));
    QVERIFY(bedarf->setData(netz, ""));
    QVERIFY(!zeilen().isEmpty());
    // A group's block follows from its children: its Hosts cell takes nothing.
    QVERIFY(bedarf->insertRows(0, 1, bedarf->index(0, 0)));
    QVERIFY(!bedarf->setData(bedarf->index(0, 1), "5"));
    QVERIFY(!(bedarf->flags(bedarf->index(0, 1)) & Qt::ItemIsEditable));
}

void TstAdressplanEbenen::gruppeKopiertVorIhrenKindernUndZeigtIhrNetz()
{
    datei = ordner.filePath(QStringLiteral("standort.adressplan"));
    QVERIFY(!netzplaner::speicherePlan(datei, {"172.16.0.0/16", false, {{"=Standort", {}, {}, {{"LAN", 1000}}}}}));
    QVERIFY(plan()->oeffne(datei));
    auto* tabelle = im<QTreeView>("plan");
    for (QAction* a : tabelle->actions())
        if (a->text() == QStringLiteral("Alles kopieren"))
            a->trigger();
    const QStringList kopiert = QGuiApplication::clipboard()->text().split(u'\n');
    QVERIFY(kopiert.value(1).startsWith(QStringLiteral("1\t'=Standort\t1000\t172.16.0.0/22\t")));
    QVERIFY(kopiert.value(2).startsWith(QStringLiteral("1.1\tLAN\t1000\t172.16.0.0/22\t")));
    tabelle->setFocus();
    tabelle->setCurrentIndex(tabelle->model()->index(0, 0));
    QTest::keyClick(tabelle, Qt::Key_Return);
    QCOMPARE(adresse(), QStringLiteral("172.16.0.0"));
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.252.0"));
}

QTEST_MAIN(TstAdressplanEbenen)
#include "tst_adressplan_ebenen.moc"
