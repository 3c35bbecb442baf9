// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "tests/hilfen/form1test.h"
#include "zusammenfassen/zusammenfassungsfenster.h"

using netzplaner::ZusammenfassungsFenster;

// Summarise as a user meets it: opened from the Extras menu, following every
// keystroke and paste, copied and saved, hidden and found again.
class TstZusammenfassenFenster : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void oeffnetAusExtrasUndBehaeltDieListe();
    void folgtTastenUndEinfuegen();
    void kopiertUndSpeichert();
    void nichtsWirdAbgeschnitten();

private:
    ZusammenfassungsFenster* fenster() const
    {
        return form->findChild<ZusammenfassungsFenster*>(QStringLiteral("zusammenfassen"));
    }
    ZusammenfassungsFenster* oeffneFenster()
    {
        form->findChild<QAction*>(QStringLiteral("summe"))->trigger();
        return fenster();
    }
    QPlainTextEdit* eingabe() const { return ::finde<QPlainTextEdit>(fenster(), QStringLiteral("txteingabe")); }
    QTableView* ergebnis() const { return ::finde<QTableView>(fenster(), QStringLiteral("ergebnis")); }
    QString label(const char* name) const { return ::finde<QLabel>(fenster(), QLatin1String(name))->text(); }
    // The first column of every row, blank-separated.
    QString netze() const
    {
        QStringList netze;
        for (int zeile = 0; zeile < ergebnis()->model()->rowCount(); ++zeile)
            netze << ergebnis()->model()->index(zeile, 0).data().toString();
        return netze.join(u' ');
    }
};

void TstZusammenfassenFenster::oeffnetAusExtrasUndBehaeltDieListe()
{
    QStringList eintraege;
    for (QAction* a : finde<QMenu>(QStringLiteral("extras"))->actions())
        eintraege << a->objectName();
    QCOMPARE(eintraege.mid(0, 2), QStringList({"plan", "summe"}));
    QVERIFY(!fenster()); // built only when first opened
    QVERIFY(QTest::qWaitForWindowActive(oeffneFenster()));
    QCOMPARE(fenster()->windowTitle(), QStringLiteral("Zusammenfassen"));
    for (QWidget* w : fenster()->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                     qPrintable(w->objectName()));

    QTest::keyClicks(eingabe(), QStringLiteral("10.0.0.0/24"));
    QTest::keyClick(fenster()->windowHandle(), Qt::Key_Escape);
    QVERIFY(!fenster()->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(oeffneFenster()));
    QCOMPARE(form->findChildren<ZusammenfassungsFenster*>().size(), 1);
    QCOMPARE(eingabe()->toPlainText(), QStringLiteral("10.0.0.0/24"));
    QCOMPARE(netze(), QStringLiteral("10.0.0.0/24"));
}

void TstZusammenfassenFenster::folgtTastenUndEinfuegen()
{
    QVERIFY(QTest::qWaitForWindowActive(oeffneFenster()));
    QCOMPARE(label("lblmeldung") + label("lblsupernetz") + netze(), QString());
    QTest::keyClicks(eingabe(), QStringLiteral("10.0.0.1"));
    QCOMPARE(netze(), QStringLiteral("10.0.0.1/32"));
    QTest::keyClick(eingabe(), Qt::Key_Minus);
    QCOMPARE(netze(), QString());
    QCOMPARE(label("lblmeldung"), QStringLiteral("1 Eintrag → 0 Netze, 0 Adressen\n1 Eintrag nicht verstanden, "
                                                 "ausgelassen:\nZeile 1: „10.0.0.1-“ ist kein vollständiger Bereich"));
    QTest::keyClicks(eingabe(), QStringLiteral("10.0.0.6"));
    QCOMPARE(netze(), QStringLiteral("10.0.0.1/32 10.0.0.2/31 10.0.0.4/31 10.0.0.6/32"));
    QCOMPARE(label("lblsupernetz"),
             QStringLiteral("Kleinstes Netz um alles: 10.0.0.0/29, enthält 2 Adressen, die nicht eingegeben wurden"));

    // A column from a spreadsheet, with its line ends, pasted below.
    QTest::keyClick(eingabe(), Qt::Key_Return);
    QGuiApplication::clipboard()->setText(QStringLiteral("10.0.0.0\r\n10.0.0.7\r\n10.0.0.8/29\r\n10.0.0.300\r\n!10.0.0.12/30\r\n"));
    QTest::keyClick(eingabe(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(netze(), QStringLiteral("10.0.0.0/29 10.0.0.8/30"));
    QCOMPARE(label("lblmeldung"), QStringLiteral("6 Einträge → 2 Netze, 12 Adressen\n1 Eintrag nicht verstanden, "
                                                 "ausgelassen:\nZeile 5: „10.0.0.300“ ist keine IPv4-Adresse"));
    QCOMPARE(label("lblsupernetz"),
             QStringLiteral("Kleinstes Netz um alles: 10.0.0.0/28, enthält 4 Adressen, die nicht eingegeben wurden"));
}

void TstZusammenfassenFenster::kopiertUndSpeichert()
{
    QVERIFY(QTest::qWaitForWindowActive(oeffneFenster()));
    eingabe()->setPlainText(QStringLiteral("192.168.0.0/23, 10.1.4.0 – 10.1.5.255"));
    ::finde<QPushButton>(fenster(), QStringLiteral("netzekopieren"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10.1.4.0/23\n192.168.0.0/23\n"));

    ergebnis()->setFocus();
    ergebnis()->selectRow(1);
    QTest::keyClick(fenster()->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Netz\tErste Adresse\tLetzte Adresse\tAdressen\n"
                            "192.168.0.0/23\t192.168.0.0\t192.168.1.255\t512\n"));

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("netze.csv"));
    fenster()->dateiwahl = [pfad](QWidget*, const QString& vorschlag) {
        return vorschlag == QLatin1String("zusammenfassung.csv") ? pfad : QString();
    };
    ::finde<QPushButton>(fenster(), QStringLiteral("speichern"))->click();
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll(), QByteArray("\xEF\xBB\xBFNetz;Erste Adresse;Letzte Adresse;Adressen\r\n"
                                         "10.1.4.0/23;10.1.4.0;10.1.5.255;512\r\n"
                                         "192.168.0.0/23;192.168.0.0;192.168.1.255;512\r\n"));
}

void TstZusammenfassenFenster::nichtsWirdAbgeschnitten()
{
    QVERIFY(QTest::qWaitForWindowExposed(oeffneFenster()));
    // The widest cells, a fault in each line of the message, the largest counts.
    eingabe()->setPlainText(QStringLiteral("0.0.0.0 255.255.255.254 255.255.255.255/0 !0.0.0.1 1.2.3.4/255.0.255.0 "
                                           "10.0.0.9-10.0.0.1 a b c d e"));
    QCoreApplication::processEvents(); // the layout gives the labels room
    QStringList zuBreit;
    for (QWidget* w : fenster()->findChildren<QWidget*>()) {
        auto* l = qobject_cast<QLabel*>(w);
        const bool abgeschnitten = l && l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                                                      : w->sizeHint().width() > w->width();
        if ((l || qobject_cast<QPushButton*>(w)) && abgeschnitten)
            zuBreit << QStringLiteral("%1 \"%2\"").arg(w->objectName(), w->property("text").toString());
    }
    QStyleOptionViewItem art;
    art.initFrom(ergebnis());
    for (int zeile : {0, ergebnis()->model()->rowCount() - 1})
        for (int spalte = 0; spalte < 4; ++spalte) {
            const QModelIndex zelle = ergebnis()->model()->index(zeile, spalte);
            const QSize noetig = ergebnis()->itemDelegate()->sizeHint(art, zelle); // the grid line takes a pixel
            if (noetig.width() > ergebnis()->columnWidth(spalte) - 1 || noetig.height() > ergebnis()->rowHeight(zeile) - 1)
                zuBreit << zelle.data().toString();
        }
    QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(QStringLiteral(", "))));
    QVERIFY2(label("lblmeldung").endsWith(QStringLiteral("… und 2 weitere")), qPrintable(label("lblmeldung")));
}

QTEST_MAIN(TstZusammenfassenFenster)
#include "tst_zusammenfassen_fenster.moc"
