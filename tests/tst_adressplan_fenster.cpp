// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/hilfen/adressplantest.h"

using netzplaner::AdressplanFenster;
using netzplaner::Dateiart;

// The address plan as a user makes one: opened from the main window, typed
// into by keyboard alone, undone and redone.
class TstAdressplanFenster : public AdressplanTest {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void oeffnetMitDemNetzDesHauptfensters();
    void planFolgtDerTastatur();
    void jedeAenderungIstEinSchritt();
    void geplantesNetzInsHauptfenster();
    void gezogeneZeileWirdNurVerschoben();
    void nichtsWirdAbgeschnitten();

};

void TstAdressplanFenster::oeffnetMitDemNetzDesHauptfensters()
{
    QVERIFY(!form->findChild<AdressplanFenster*>()); // made on first use only
    AdressplanFenster* fenster = plan();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(fenster));
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Adressplan[*]"));
    QCOMPARE(netz(), QStringLiteral("192.168.4.0/24"));
    QCOMPARE(QApplication::focusWidget(), im("txtnetz"));
    QCOMPARE(zeilen(), QStringLiteral("|frei||192.168.4.0/24|255.255.255.0|192.168.4.1|192.168.4.254|192.168.4.255|254|"));
    const QStringList spalten = {"Nr.", "Name", "Bedarf", "Netz", "Maske", "Erster Host", "Letzter Host", "Broadcast", "Hosts", "Auslastung"};
    for (int s = 0; s < spalten.size(); ++s)
        QCOMPARE(im<QTreeView>("plan")->model()->headerData(s, Qt::Horizontal).toString(), spalten[s]);

    // Closing hides it; what was typed is there again, in the one window.
    QTest::keyClicks(im("txtnetz"), "9");
    QTest::keyClick(fenster, Qt::Key_Escape);
    QVERIFY(!fenster->isVisible());
    QCOMPARE(plan(), fenster);
    QVERIFY(fenster->isVisible());
    QCOMPARE(netz(), QStringLiteral("192.168.4.0/249"));
    QCOMPARE(im<QLabel>("lblmeldung")->text(), QStringLiteral("Die Präfixlänge nach „/“ muss eine Zahl von 0 bis 32 sein"));
    QCOMPARE(zeilen(), QString());
}

void TstAdressplanFenster::planFolgtDerTastatur()
{
    plan();
    tippeIn(im<QLineEdit>("txtnetz"), "10.20.1.7/22"); // host bits: the net is meant
    QTest::keyClick(im("txtnetz"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), im("bedarf"));
    neueZeile("Büro", "100");
    neueZeile("Vertrieb", " 200 ");
    neueZeile("Router", "2");
    // The planned rows; the free rest's blocks are the calculation's tables' to check.
    QVERIFY(zeilen().startsWith(QStringLiteral(
        "2|Vertrieb|200|10.20.0.0/24|255.255.255.0|10.20.0.1|10.20.0.254|10.20.0.255|254|79 %\n"
        "1|Büro|100|10.20.1.0/25|255.255.255.128|10.20.1.1|10.20.1.126|10.20.1.127|126|79 %\n"
        "3|Router|2|10.20.1.128/30|255.255.255.252|10.20.1.129|10.20.1.130|10.20.1.131|2|100 %\n|frei||")));

    // With RFC 3021 the router link is a /31; Tab reaches the box from the table.
    auto* rfc = im<QCheckBox>("rfc3021");
    for (int i = 0; i < 8 && QApplication::focusWidget() != rfc; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(rfc, Qt::Key_Space);
    QVERIFY(zeilen().contains("3|Router|2|10.20.1.128/31|255.255.255.254|10.20.1.128|10.20.1.129|entfällt|2|100 %"));

    // A refused cell keeps its value, and the window says why above the plan's own line.
    const QString planzeile = im<QLabel>("lblmeldung")->text();
    const QModelIndex hosts = im<QTreeView>("bedarf")->model()->index(0, 1);
    QVERIFY(!im<QTreeView>("bedarf")->model()->setData(hosts, "2147483647"));
    QCOMPARE(hosts.data().toString(), QStringLiteral("100"));
    QCOMPARE(im<QLabel>("lblmeldung")->text(), "Zeile 1: Hosts muss eine ganze Zahl von 1 bis 2147483646 sein\n" + planzeile);

    // Rows pasted from a spreadsheet are appended.
    QGuiApplication::clipboard()->setText("Labor\t50\nReserve\t\n");
    im("bedarf")->setFocus();
    QTest::keyClick(im("bedarf"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(im<QTreeView>("bedarf")->model()->rowCount(), 5);
    QVERIFY(zeilen().contains("4|Labor|50|10.20.1.128/26"));
}

void TstAdressplanFenster::jedeAenderungIstEinSchritt()
{
    AdressplanFenster* fenster = plan();
    const auto dokument = [fenster] { return fenster->dokument(); };
    const auto anfang = dokument();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24"); // many keys, one step
    auto* bedarf = im<QTreeView>("bedarf");
    bedarf->setFocus();
    neueZeile("A", "10");
    neueZeile("B", "20");
    bedarf->model()->moveRows({}, 1, 1, {}, 0); // the model's own calls are steps too
    bedarf->model()->removeRows(0, 1);
    QCOMPARE(bedarf->model()->index(0, 0).data().toString(), QStringLiteral("A"));
    QVERIFY(fenster->isWindowModified());

    QList<netzplaner::Plandokument> zurueck;
    for (int i = 0; i < 9; ++i) { // removal, move, B's hosts, name and row, A's three, the net
        taste(Qt::CTRL | Qt::Key_Z);
        zurueck << dokument();
    }
    QCOMPARE(zurueck.constLast(), anfang);
    QCOMPARE(zurueck.at(zurueck.size() - 2).netz, QStringLiteral("10.0.0.0/24"));
    QVERIFY(!fenster->isWindowModified()); // undone back to where it began
    for (int i = 0; i < 9; ++i)
        taste(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QCOMPARE(bedarf->model()->rowCount(), 1);
    QCOMPARE(netz(), QStringLiteral("10.0.0.0/24"));
}

void TstAdressplanFenster::geplantesNetzInsHauptfenster()
{
    plan();
    tippeIn(im<QLineEdit>("txtnetz"), "172.16.0.0/16");
    im("bedarf")->setFocus();
    neueZeile("Technik", "1000");
    auto* tabelle = im<QTreeView>("plan");
    tabelle->setFocus();
    tabelle->setCurrentIndex(tabelle->model()->index(0, 0));
    QTest::keyClick(tabelle, Qt::Key_Return);
    QCOMPARE(adresse(), QStringLiteral("172.16.0.0"));
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.252.0"));
}

void TstAdressplanFenster::gezogeneZeileWirdNurVerschoben()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("offscreen has no drag and drop; the run on a virtual X server drags");
    plan();
    auto* bedarf = im<QTreeView>("bedarf");
    bedarf->setFocus();
    for (const char* name : {"A", "B", "C"})
        neueZeile(name, "10");
    // Row A, dropped below the last row: it moves there, and Qt's own move
    // must not remove the moved row afterwards.
    QWidget* flaeche = bedarf->viewport();
    const QPoint a = flaeche->mapTo(plan(), bedarf->visualRect(bedarf->model()->index(0, 0)).center());
    const QPoint unten = flaeche->mapTo(plan(), QPoint(a.x(), flaeche->height() - 5));
    QWindow* fenster = plan()->windowHandle();
    QTest::mouseClick(fenster, Qt::LeftButton, {}, a);
    QTest::mousePress(fenster, Qt::LeftButton, {}, a);
    // The drag runs a loop of its own until the button is let go, and starts
    // at whichever move comes first: the release is on its way before either.
    QTimer::singleShot(0, fenster, [fenster, unten] {
        QTimer::singleShot(200, fenster, [fenster, unten] {
            QTest::mouseMove(fenster, unten + QPoint(1, 0));
            QTest::mouseRelease(fenster, Qt::LeftButton, {}, unten + QPoint(1, 0));
        });
        QTest::mouseMove(fenster, unten);
    });
    QTest::mouseMove(fenster, a + QPoint(0, QApplication::startDragDistance() + 2));
    QTRY_COMPARE(bedarf->model()->index(2, 0).data().toString(), QStringLiteral("A"));
    QCOMPARE(bedarf->model()->rowCount(), 3);
    taste(Qt::CTRL | Qt::Key_Z); // one step
    QCOMPARE(bedarf->model()->index(0, 0).data().toString(), QStringLiteral("A"));
}

void TstAdressplanFenster::nichtsWirdAbgeschnitten()
{
    AdressplanFenster* fenster = plan();
    QVERIFY(QTest::qWaitForWindowExposed(fenster));
    // On any screen of desktop size the window starts whole on it.
    const QRect bildschirm = fenster->screen()->availableGeometry();
    QVERIFY(bildschirm.width() < 640 || fenster->frameGeometry().width() <= bildschirm.width());
    for (auto* knopf : fenster->findChildren<QAbstractButton*>())
        QVERIFY2(knopf->width() >= knopf->sizeHint().width(), qPrintable(knopf->text()));
    for (auto* label : fenster->findChildren<QLabel*>())
        if (!label->wordWrap() && !label->text().isEmpty())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    // Wide cells in every column but the name's, which the user sizes.
    tippeIn(im<QLineEdit>("txtnetz"), "200.200.200.0/24");
    im("bedarf")->setFocus();
    neueZeile("x", "100");
    QAbstractItemView* tabelle = im<QTreeView>("plan");
    for (int s = 0; s < tabelle->model()->columnCount(); ++s)
        if (s != 1)
            QVERIFY2(im<QTreeView>("plan")->columnWidth(s) >= tabelle->sizeHintForColumn(s), qPrintable(QString::number(s)));
}

QTEST_MAIN(TstAdressplanFenster)
#include "tst_adressplan_fenster.moc"
