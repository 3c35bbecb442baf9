// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include "tests/hilfen/netzlistetest.h"

using netzplaner::NetzlistenFenster;

// The net list as a user meets it: opened from the main window, following
// what is typed there, closed, and waiting under the converter.
class TstNetzlisteFenster : public NetzlisteTest {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void oeffnetPerMenueUndAltN_data();
    void oeffnetPerMenueUndAltN();
    void folgtDemHauptfenster_data();
    void folgtDemHauptfenster();
    void schliessen_data();
    void schliessen();
    void wandelnSperrtDieListe();
    void nichtsWirdAbgeschnitten();
};

void TstNetzlisteFenster::oeffnetPerMenueUndAltN_data()
{
    QTest::addColumn<bool>("perTaste");
    QTest::newRow("menu bar click") << false;
    QTest::newRow("Alt+N") << true;
}

void TstNetzlisteFenster::oeffnetPerMenueUndAltN()
{
    QFETCH(bool, perTaste);
    QVERIFY(!liste()); // built only when first opened
    QAction* eintrag = form->findChild<QAction*>(QStringLiteral("liste"));
    for (int mal = 0; mal < 2; ++mal) { // the second time it is raised and activated
        QApplication::setActiveWindow(form.get());
        if (perTaste)
            QTest::keyClick(form.get(), Qt::Key_N, Qt::AltModifier);
        else
            QTest::mouseClick(form->menuBar(), Qt::LeftButton, {}, form->menuBar()->actionGeometry(eintrag).center());
        QVERIFY(liste());
        // Not qWaitForWindowActive: the style lets a window of an active one count as active.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(liste()));
    }
    QCOMPARE(form->findChildren<NetzlistenFenster*>().size(), 1);
    QCOMPARE(liste()->windowTitle(), QStringLiteral("Netzliste"));
    QCOMPARE(QStringList({kopf("lblcidr"), kopf("lblmaske"), kopf("lblwildcard"), kopf("lblhostbereich"),
                          kopf("lblhosts"), kopf("lbladresstyp")}).join(u'|'),
             QStringLiteral("192.168.4.0/24|255.255.255.0|0.0.0.255|192.168.4.1 – 192.168.4.254|254|"
                            "privat (RFC 1918)"));
    QCOMPARE(zeile(0), QStringLiteral("1|192.168.4.0/24|192.168.4.1|192.168.4.254|192.168.4.255|254"));
    // Heard as meaning and figure, whatever form the toolkit gives them.
    const QString gehoert =
        QAccessible::queryAccessibleInterface(::finde<QLabel>(liste(), "lblmaske"))->text(QAccessible::Name);
    QVERIFY2(gehoert.contains(QStringLiteral("Netzmaske")) && gehoert.contains(kopf("lblmaske")), qPrintable(gehoert));
    QCOMPARE(::finde(liste(), "speichern")->accessibleName(), QStringLiteral("Netzliste als CSV-Datei speichern"));
    QCOMPARE(QApplication::focusWidget(), tabelle());
    QTest::keyClick(tabelle(), Qt::Key_Tab); // out of the table, not across its cells
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("speichern"));
}

void TstNetzlisteFenster::folgtDemHauptfenster_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("bitzahl");
    QTest::addColumn<int>("oktett");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<bool>("andereNetze"); // than before the typing, as many
    QTest::addColumn<QString>("cidr");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<int>("aktuell");
    QTest::addColumn<QString>("aktuelleZeile");

    QTest::newRow("sub, 3 bits, other nets") << 1 << "3" << 2 << "5" << true << "192.168.5.0/27" << 8 << 0
                                             << "1|192.168.5.0/27|192.168.5.1|192.168.5.30|192.168.5.31|30";
    QTest::newRow("super, 8 bits: far down")
        << 2 << "8" << 2 << "200" << false << "192.168.0.0/16" << 256 << 200
        << "201|192.168.200.0/24|192.168.200.1|192.168.200.254|192.168.200.255|254";
    QTest::newRow("sub, 8 bits: /32") << 1 << "8" << 3 << "255" << false << "192.168.4.255/32" << 256 << 255
                                      << "256|192.168.4.255/32|192.168.4.255|192.168.4.255|entfällt|1";
    QTest::newRow("class A, normal") << 0 << "" << 0 << "10" << true << "10.0.0.0/8" << 1 << 0
                                     << "1|10.0.0.0/8|10.0.0.1|10.255.255.254|10.255.255.255|16777214";
}

void TstNetzlisteFenster::folgtDemHauptfenster()
{
    QFETCH(int, art);
    QFETCH(QString, bitzahl);
    QFETCH(int, oktett);
    QFETCH(QString, getippt);
    QFETCH(bool, andereNetze);
    QFETCH(QString, cidr);
    QFETCH(int, zeilen);
    QFETCH(int, aktuell);
    QFETCH(QString, aktuelleZeile);

    waehle(art, bitzahl);
    QVERIFY(QTest::qWaitForWindowExposed(oeffneListe()));
    QApplication::setActiveWindow(form.get());
    // Rows change in place, so that the view keeps its layout.
    QSignalSpy zurueckgesetzt(tabelle()->model(), &QAbstractItemModel::modelReset);
    QSignalSpy geaendert(tabelle()->model(), &QAbstractItemModel::dataChanged);
    tippeIn(ip(oktett), getippt);
    QCOMPARE(zurueckgesetzt.size(), 0);
    QCOMPARE(geaendert.isEmpty(), !andereNetze);
    QCOMPARE(kopf("lblcidr"), cidr);
    QCOMPARE(tabelle()->model()->rowCount(), zeilen);
    const QModelIndex index = tabelle()->currentIndex();
    QCOMPARE(index.row(), aktuell);
    QVERIFY(tabelle()->selectionModel()->isRowSelected(aktuell));
    QVERIFY(tabelle()->viewport()->rect().contains(tabelle()->visualRect(index)));
    QCOMPARE(zeile(aktuell), aktuelleZeile);
}

void TstNetzlisteFenster::schliessen_data()
{
    QTest::addColumn<int>("wie");
    QTest::newRow("Escape closes the list") << 0;
    QTest::newRow("its frame closes the list") << 1;
    QTest::newRow("the main window's frame ends the program") << 2;
    QTest::newRow("Ende ends the program") << 3;
}

void TstNetzlisteFenster::schliessen()
{
    QFETCH(int, wie);
    QPointer<QWidget> offen = oeffneListe();
    QVERIFY(QTest::qWaitForWindowActive(offen));
    if (wie < 2) {
        wie == 0 ? QTest::keyClick(offen->windowHandle(), Qt::Key_Escape) : (void)offen->close();
        QTRY_VERIFY(!offen); // gone: the next opening builds it afresh
        return;
    }
    QTimer::singleShot(0, form.get(), [&] {
        wie == 2 ? (void)form->close() : form->findChild<QAction*>(QStringLiteral("end"))->trigger();
    });
    QTimer::singleShot(5000, form.get(), [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TstNetzlisteFenster::wandelnSperrtDieListe()
{
    QPointer<NetzlistenFenster> offen = oeffneListe();
    bool gefragt = false;
    offen->dateiwahl = [&](QWidget*, const QString&) { return gefragt = true, QString(); };
    auto* knopf = ::finde<QPushButton>(offen, QStringLiteral("speichern"));
    waechter->pruefeUndSchliesse([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("wandeln"));
        QTest::keyClick(offen->windowHandle(), Qt::Key_Escape);
        QTest::mouseClick(offen->windowHandle(), Qt::LeftButton, {}, knopf->mapTo(offen, knopf->rect().center()));
    });
    form->findChild<QAction*>(QStringLiteral("change"))->trigger();
    QVERIFY(offen && offen->isVisible());
    QVERIFY(!gefragt);
}

void TstNetzlisteFenster::nichtsWirdAbgeschnitten()
{
    // The widest texts: TEST-NET-1, /32 rows of four three-digit octets, the
    // host count of a class A net.
    QStringList zuBreit;
    for (const QString adresse : {"192.0.2.254", "255.255.255.255", "10.0.0.0"}) {
        for (int i = 0; i < 4; ++i)
            tippeIn(ip(i), adresse.section(u'.', i, i));
        waehle(adresse.startsWith(QStringLiteral("10.")) ? 0 : 1, "8");
        if (!liste())
            oeffneListe();
        QCoreApplication::processEvents(); // the layout gives the labels room
        for (QWidget* w : liste()->findChildren<QWidget*>())
            if ((qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)) && w->sizeHint().width() > w->width())
                zuBreit << QStringLiteral("%1 \"%2\"").arg(w->objectName(), w->property("text").toString());
        QStyleOptionViewItem art;
        art.initFrom(tabelle());
        for (const int nr : {0, tabelle()->model()->rowCount() - 1})
            for (int spalte = 0; spalte < 6; ++spalte) {
                const QModelIndex zelle = tabelle()->model()->index(nr, spalte);
                const QSize noetig = tabelle()->itemDelegate()->sizeHint(art, zelle); // the grid line takes a pixel
                if (noetig.width() > tabelle()->columnWidth(spalte) - 1
                    || noetig.height() > tabelle()->rowHeight(nr) - 1)
                    zuBreit << zelle.data().toString();
            }
    }
    QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(QStringLiteral(", "))));
    // About 16 rows show at first, unless the screen is too low for them.
    const int zeilen = tabelle()->viewport()->height() / tabelle()->rowHeight(0);
    const bool bildschirmhoch = liste()->frameGeometry().height() >= liste()->screen()->availableGeometry().height();
    QVERIFY2((zeilen >= 15 || bildschirmhoch) && zeilen <= 17, qPrintable(QString::number(zeilen)));
}

QTEST_MAIN(TstNetzlisteFenster)
#include "tst_netzliste_fenster.moc"
