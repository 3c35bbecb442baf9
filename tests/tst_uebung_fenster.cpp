// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "calc/aufgabe.h"
#include "tests/hilfen/form1test.h"
#include "uebung/uebungsfenster.h"

using namespace netzplaner;

// The exercises as a learner works them: by keys alone, from choosing the
// series and kind to the verdicts a screen reader reads out.
class TstUebungFenster : public Form1Test {
    Q_OBJECT

    UebungsFenster* fenster = nullptr;

    QString text(const QString& name) const { return ::finde<QLabel>(fenster, name)->text(); }
    QLineEdit* antwort(int i) const { return ::finde<QLineEdit>(fenster, QStringLiteral("antwort(%1)").arg(i)); }

    // Series and kind chosen by their mnemonics and the arrow keys, then the
    // first answer field reached by Tab.
    void waehle(int serie, int art)
    {
        QTest::keyClick(fenster, Qt::Key_R, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        for (int i = 0; i < art; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(fenster, Qt::Key_S, Qt::AltModifier);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
        QTest::keyClicks(QApplication::focusWidget(), QString::number(serie));
        QTest::keyClick(fenster, Qt::Key_G, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

private slots:
    void initTestCase() { richteEin(); }
    void init()
    {
        oeffne();
        form->findChild<QAction*>(QStringLiteral("uebung"))->trigger();
        fenster = form->findChild<UebungsFenster*>(QStringLiteral("uebung"));
        QVERIFY(fenster);
        QApplication::setActiveWindow(fenster); // offscreen has no window manager to do it
        QVERIFY(QTest::qWaitForWindowActive(fenster));
    }
    void cleanup() { schliesse(); }

    void jedeArtPerTastenRichtigUndFalsch_data();
    void jedeArtPerTastenRichtigUndFalsch();
    void loesungErstAufVerlangenUndStatistik();
    void arbeitsblattHatAufgabenUndLoesungsseite();
    void nichtsWirdAbgeschnitten();
};

void TstUebungFenster::jedeArtPerTastenRichtigUndFalsch_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<bool>("richtig");
    for (int art = 0; art < 6; ++art)
        for (const bool richtig : {true, false})
            QTest::addRow("%s %s", aufgabenartNamen()[std::size_t(art)].data(), richtig ? "right" : "wrong")
                << art << richtig;
}

void TstUebungFenster::jedeArtPerTastenRichtigUndFalsch()
{
    QFETCH(int, art);
    QFETCH(bool, richtig);
    waehle(4711, art);
    QCOMPARE(QApplication::focusWidget(), antwort(0));
    const Aufgabe a = erzeugeAufgabe(4711, Aufgabenart(art), 1);
    QCOMPARE(text("lblaufgabe"), QString::fromStdString(a.text));
    for (std::size_t i = 0; i < a.felder.size(); ++i) {
        const Antwortfeld& f = a.felder[i];
        // Each answer in a form of its own: "/26" for a mask, counts with points.
        QString getippt = f.form == Antwortform::Maske ? QStringLiteral("/%1").arg(f.praefix)
                                                       : QString::fromStdString(f.loesung);
        if (!richtig && i == a.felder.size() - 1)
            getippt = QStringLiteral("1.2.3.4/5");
        QTest::keyClicks(QApplication::focusWidget(), getippt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(antwort(0), Qt::Key_Return);
    const int n = int(a.felder.size());
    QCOMPARE(text("lblergebnis"), QStringLiteral("%1 von %2 richtig").arg(richtig ? n : n - 1).arg(n));
    QVERIFY(!text("lblweg").isEmpty());
    const QString letztes = text(QStringLiteral("lblurteil(%1)").arg(n - 1));
    if (richtig) {
        QCOMPARE(letztes, "richtig");
        QCOMPARE(QApplication::focusWidget()->objectName(), "naechste");
    } else {
        QVERIFY2(letztes.startsWith("falsch, richtig ist " + QString::fromStdString(a.felder.back().loesung)),
                 qPrintable(letztes));
        QCOMPARE(QApplication::focusWidget(), antwort(n - 1));
        QCOMPARE(QAccessible::queryAccessibleInterface(antwort(n - 1))->text(QAccessible::Description), letztes);
    }
    QCOMPARE(text("lblstatistik"),
             QStringLiteral("In dieser Runde: 1 Aufgabe, davon %1 ganz richtig").arg(richtig ? 1 : 0));
}

void TstUebungFenster::loesungErstAufVerlangenUndStatistik()
{
    waehle(42, 2);
    QCOMPARE(text("lblweg"), QString());
    QCOMPARE(text("lblurteil(0)"), QString());
    // A button's mnemonic clicks it a moment later, as a click would show.
    QTest::keyClick(fenster, Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(text("lblurteil(0)"), "Lösung: 255.255.255.240 (/28)");
    QVERIFY(text("lblweg").contains("Bit leihen"));
    QTest::keyClick(fenster, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(::finde<QSpinBox>(fenster, "nummer")->value(), 2);
    QCOMPARE(text("lblurteil(0)"), QString());
    QCOMPARE(QApplication::focusWidget(), antwort(0));
    QCOMPARE(text("lblstatistik"), "In dieser Runde: 1 Aufgabe, davon 0 ganz richtig");
}

void TstUebungFenster::arbeitsblattHatAufgabenUndLoesungsseite()
{
    waehle(4711, 0);
    QTemporaryDir ordner;
    QString vorschlag;
    fenster->dateiwahl = [&](QWidget*, const QString& name) {
        vorschlag = name;
        return ordner.filePath(QStringLiteral("blatt.pdf"));
    };
    fenster->findChild<QAction*>(QStringLiteral("arbeitsblatt"))->trigger();
    QCOMPARE(vorschlag, "Arbeitsblatt_Serie4711_netz_1-10.pdf");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {ordner.filePath(QStringLiteral("blatt.pdf")), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(20000));
    QCOMPARE(pdftotext.exitCode(), 0);
    const QStringList seiten = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    const QString aufgaben = QStringList(seiten.mid(0, seiten.size() - 2)).join(u' ').simplified();
    const QString loesungen = seiten.at(seiten.size() - 2).simplified();
    QVERIFY2(aufgaben.contains("Serie 4711, Art: netz, Aufgaben 1 bis 10"), qPrintable(aufgaben));
    QVERIFY(loesungen.startsWith("Lösungen Serie 4711, Art: netz, Aufgaben 1 bis 10"));
    for (std::uint32_t nr = 1; nr <= 10; ++nr) {
        const Aufgabe a = erzeugeAufgabe(4711, Aufgabenart::Netz, nr);
        QVERIFY2(aufgaben.contains(QStringLiteral("Aufgabe %1. ").arg(nr) + QString::fromStdString(a.text)),
                 qPrintable(aufgaben));
        const QString netz = QString::fromStdString(a.felder[0].loesung);
        QVERIFY(loesungen.contains(QStringLiteral("Aufgabe %1. Netzadresse: ").arg(nr) + netz));
        QVERIFY(!aufgaben.contains(netz + QLatin1Char(';')));
    }
}

void TstUebungFenster::nichtsWirdAbgeschnitten()
{
    waehle(42, 3); // five fields
    QTest::keyClick(fenster, Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(!text("lblweg").isEmpty());
    QVERIFY(fenster->minimumSizeHint().width() <= 600);
    fenster->resize(600, fenster->height());
    QCoreApplication::processEvents();
    QStringList zuBreit;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue; // a spin box's own field is narrower than its hint by design
        auto* label = qobject_cast<QLabel*>(w);
        const int hoehe = label && label->wordWrap() ? label->heightForWidth(w->width()) : w->sizeHint().height();
        if (w->isVisible() && ((!label || !label->wordWrap()) && w->sizeHint().width() > w->width()))
            zuBreit << w->objectName();
        if (w->isVisible() && hoehe > w->height())
            zuBreit << w->objectName() + QStringLiteral(" (Höhe)");
        if (w->isVisible() && !w->objectName().isEmpty() && QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
            zuBreit << w->objectName() + QStringLiteral(" (ohne Namen)");
    }
    QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(u' ')));
}

QTEST_MAIN(TstUebungFenster)
#include "tst_uebung_fenster.moc"
