// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "adressplan/adressplanfenster.h"
#include "tests/hilfen/form1test.h"

using netzplaner::AdressplanFenster;
using netzplaner::Dateiart;

// The address plan as a user makes one: opened from the main window, typed
// into by keyboard alone, undone and redone, saved, opened again, and asked
// about when the program ends with changes unsaved.
class TstAdressplanFenster : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void oeffnetMitDemNetzDesHauptfensters();
    void planFolgtDerTastatur();
    void jedeAenderungIstEinSchritt();
    void speichertOeffnetExportiertImportiert();
    void endeFragtNurBeiUngespeichertem_data();
    void endeFragtNurBeiUngespeichertem();
    void geplantesNetzInsHauptfenster();
    void gezogeneZeileWirdNurVerschoben();
    void nichtsWirdAbgeschnitten();

private:
    AdressplanFenster* plan()
    {
        form->findChild<QAction*>(QStringLiteral("plan"))->trigger();
        auto* fenster = form->findChild<AdressplanFenster*>(QStringLiteral("adressplan"));
        fenster->dateiwahl = [this](QWidget*, Dateiart, const QString&) { return datei; };
        QApplication::setActiveWindow(fenster);
        if (!QTest::qWaitForWindowActive(fenster))
            qWarning("the address plan did not become active");
        return fenster;
    }
    template <typename T = QWidget>
    T* im(const char* name) { return ::finde<T>(plan(), QLatin1String(name)); }
    QString netz() { return im<QLineEdit>("txtnetz")->text(); }
    // The plan's rows, cells joined by "|", rows by "\n".
    QString zeilen()
    {
        const QAbstractItemModel* m = im<QTableView>("plan")->model();
        QStringList z;
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList c;
            for (int s = 0; s < m->columnCount(); ++s)
                c << m->index(r, s).data().toString();
            z << c.join(u'|');
        }
        return z.join(u'\n');
    }
    // A new row after the current one, its name and hosts typed in.
    void neueZeile(const QString& name, const QString& hosts)
    {
        QTest::keyClick(im("bedarf"), Qt::Key_Insert);
        tippe(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to Hosts, which is edited then
        tippe(hosts);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits on Enter a moment later
    }
    // Umlauts too, which QTest::keyClicks takes for ASCII only.
    static void tippe(const QString& text)
    {
        for (const QChar z : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(z), {});
    }
    void taste(QKeyCombination t) { QTest::keyClick(plan()->windowHandle(), t.key(), t.keyboardModifiers()); }

    QTemporaryDir ordner;
    QString datei;
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
        QCOMPARE(im<QTableView>("plan")->model()->headerData(s, Qt::Horizontal).toString(), spalten[s]);

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
    const QModelIndex hosts = im<QTableView>("bedarf")->model()->index(0, 1);
    QVERIFY(!im<QTableView>("bedarf")->model()->setData(hosts, "2147483647"));
    QCOMPARE(hosts.data().toString(), QStringLiteral("100"));
    QCOMPARE(im<QLabel>("lblmeldung")->text(), "Zeile 1: Hosts muss eine ganze Zahl von 1 bis 2147483646 sein\n" + planzeile);

    // Rows pasted from a spreadsheet are appended.
    QGuiApplication::clipboard()->setText("Labor\t50\nReserve\t\n");
    im("bedarf")->setFocus();
    QTest::keyClick(im("bedarf"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(im<QTableView>("bedarf")->model()->rowCount(), 5);
    QVERIFY(zeilen().contains("4|Labor|50|10.20.1.128/26"));
}

void TstAdressplanFenster::jedeAenderungIstEinSchritt()
{
    AdressplanFenster* fenster = plan();
    const auto dokument = [fenster] { return fenster->dokument(); };
    const auto anfang = dokument();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24"); // many keys, one step
    auto* bedarf = im<QTableView>("bedarf");
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

void TstAdressplanFenster::speichertOeffnetExportiertImportiert()
{
    AdressplanFenster* fenster = plan();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24");
    im("bedarf")->setFocus();
    neueZeile("Bäckerei", "20");
    datei = ordner.filePath("filiale.adressplan");
    taste(Qt::CTRL | Qt::Key_S);
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Adressplan – filiale.adressplan[*]"));
    QVERIFY(!fenster->isWindowModified());
    const auto gespeichert = fenster->dokument();

    // Export: the plan with its header, as a German spreadsheet reads it.
    datei = ordner.filePath("plan.csv");
    im<QAction>("exportieren")->trigger();
    QFile csv(datei);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll(), QByteArray("\xEF\xBB\xBFNr.;Name;Bedarf;Netz;Maske;Erster Host;Letzter Host;Broadcast;Hosts;Auslastung\r\n"
                                       "1;B\xC3\xA4" "ckerei;20;10.0.0.0/27;255.255.255.224;10.0.0.1;10.0.0.30;10.0.0.31;30;67 %\r\n"
                                       ";frei;;10.0.0.32/27;255.255.255.224;10.0.0.33;10.0.0.62;10.0.0.63;30;\r\n"
                                       ";frei;;10.0.0.64/26;255.255.255.192;10.0.0.65;10.0.0.126;10.0.0.127;62;\r\n"
                                       ";frei;;10.0.0.128/25;255.255.255.128;10.0.0.129;10.0.0.254;10.0.0.255;126;\r\n"));

    // Import, Windows-1252 as German spreadsheets write it: one step, appended.
    datei = ordner.filePath("bedarf.csv");
    QFile ein(datei);
    QVERIFY(ein.open(QIODevice::WriteOnly) && ein.write("Name;Hosts\r\nK\xFC" "che;5\r\n") > 0);
    ein.close();
    im<QAction>("importieren")->trigger();
    QCOMPARE(im<QTableView>("bedarf")->model()->index(1, 0).data().toString(), QStringLiteral("Küche"));
    QVERIFY(fenster->isWindowModified());

    // Opening the saved file asks about the import first, then shows the file.
    datei = ordner.filePath("filiale.adressplan");
    waechter->pruefeUndSchliesse([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        box->button(QMessageBox::Discard)->click();
    });
    taste(Qt::CTRL | Qt::Key_O);
    QVERIFY(!waechter->erwartetNoch());
    QCOMPARE(fenster->dokument(), gespeichert);
    QVERIFY(!fenster->isWindowModified());
}

void TstAdressplanFenster::endeFragtNurBeiUngespeichertem_data()
{
    QTest::addColumn<bool>("geaendert");
    QTest::addColumn<int>("antwort"); // to the question, if it comes
    QTest::addColumn<bool>("endet");
    QTest::newRow("never changed: ends at once") << false << 0 << true;
    QTest::newRow("cancel keeps running") << true << int(QMessageBox::Cancel) << false;
    QTest::newRow("discard ends") << true << int(QMessageBox::Discard) << true;
    QTest::newRow("save, then end") << true << int(QMessageBox::Save) << true;
}

void TstAdressplanFenster::endeFragtNurBeiUngespeichertem()
{
    QFETCH(bool, geaendert);
    QFETCH(int, antwort);
    QFETCH(bool, endet);
    plan();
    if (geaendert)
        QTest::mouseClick(im("rfc3021"), Qt::LeftButton);
    datei = ordner.filePath("ende.adressplan");
    int gefragt = 0;
    if (geaendert)
        waechter->pruefeUndSchliesse([&](QWidget* modal) {
            ++gefragt;
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::StandardButton(antwort))->click();
        });
    QCOMPARE(form->close(), endet);
    QCOMPARE(gefragt, geaendert ? 1 : 0);
    QCOMPARE(QFile::exists(datei), antwort == QMessageBox::Save);
}

void TstAdressplanFenster::geplantesNetzInsHauptfenster()
{
    plan();
    tippeIn(im<QLineEdit>("txtnetz"), "172.16.0.0/16");
    im("bedarf")->setFocus();
    neueZeile("Technik", "1000");
    auto* tabelle = im<QTableView>("plan");
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
    auto* bedarf = im<QTableView>("bedarf");
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
    QAbstractItemView* tabelle = im<QTableView>("plan");
    for (int s = 0; s < tabelle->model()->columnCount(); ++s)
        if (s != 1)
            QVERIFY2(im<QTableView>("plan")->columnWidth(s) >= tabelle->sizeHintForColumn(s), qPrintable(QString::number(s)));
}

QTEST_MAIN(TstAdressplanFenster)
#include "tst_adressplan_fenster.moc"
