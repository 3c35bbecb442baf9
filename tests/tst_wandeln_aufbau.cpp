// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include "tests/hilfen/wandelnoeffnen.h"
#include "toolkit/erscheinung.h"
#include "toolkit/schriften.h"

// The converter window as it opens, is laid out, closes and opens again.
class TstWandelnAufbau : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void oeffnetMitVorgaben();
    void fensterFestUndZentriert();
    void nichtsAbgeschnitten();
    void tabReihenfolge();
    void schliessen_data();
    void schliessen();
};

void TstWandelnAufbau::initTestCase()
{
    netzplaner::richteErscheinungEin(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void TstWandelnAufbau::oeffnetMitVorgaben()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        QCOMPARE(w.fenster->objectName(), QStringLiteral("wandeln"));
        QCOMPARE(w.fenster->windowTitle(), QStringLiteral("Verschiedene Zahlensysteme"));
        QVERIFY(!w.fenster->windowIcon().availableSizes().isEmpty());
        QCOMPARE(QApplication::activeModalWidget(), w.fenster);

        QCOMPARE(w.Text1->text(), QStringLiteral("255"));
        QCOMPARE(w.Text1->selectedText(), QStringLiteral("255"));
        QCOMPARE(QApplication::focusWidget(), w.Text1);
        QVERIFY(w.Option1[1]->isChecked());
        QCOMPARE(w.Text2->text(), QStringLiteral("11111111"));
        // Named for screen readers by its own table, not the main window's.
        QCOMPARE(w.Option1[1]->accessibleName(), QStringLiteral("Wandeln in: Dual"));
        QCOMPARE(w.Text2->accessibleName(), QStringLiteral("Ergebnis"));

        const QList<QAction*> eintraege = w.leiste->actions();
        QCOMPARE(eintraege.size(), 1);
        QCOMPARE(eintraege.first()->objectName(), QStringLiteral("ende"));
        QCOMPARE(eintraege.first()->text(), QStringLiteral("&Ende"));
        QVERIFY(!eintraege.first()->menu());
    });
}

void TstWandelnAufbau::fensterFestUndZentriert()
{
    // A parent in a corner: the window still centres on the screen.
    QWidget eltern;
    eltern.setGeometry(10, 10, 200, 100);
    eltern.show();
    QVERIFY(QTest::qWaitForWindowExposed(&eltern));

    oeffneWandeln(&eltern, [](WandelnSteuerelemente& w) {
        QCOMPARE(w.fenster->font(), netzplaner::fensterSchrift());
        QCOMPARE(w.fenster->minimumSize(), w.fenster->maximumSize());

        // The client area holds the controls; the menu bar lies above it.
        QWidget* flaeche = w.Text1->parentWidget();
        QCOMPARE(flaeche->size(), QSize(223, 131)); // 3345 x 1965 twips at 96 dpi
        QVERIFY(w.leiste->geometry().bottom() < flaeche->geometry().top());

        const QPoint mitte = w.fenster->screen()->availableGeometry().center();
        const QPoint abstand = w.fenster->frameGeometry().center() - mitte;
        QVERIFY2(abstand.manhattanLength() <= 2, qPrintable(QStringLiteral("off centre by %1,%2")
                                                                .arg(abstand.x()).arg(abstand.y())));
    });
}

void TstWandelnAufbau::nichtsAbgeschnitten()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        for (const char* name : {"Label1", "Label2", "Option1(1)", "Option1(2)", "Option1(3)"}) {
            auto* element = w.fenster->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(element->sizeHint().width() <= element->width(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(QString::fromLatin1(name))
                                    .arg(element->sizeHint().width())
                                    .arg(element->width())));
        }
        // The option buttons may grow past their drawn widths for the wider
        // stand-in font, but only into the room their frame leaves.
        auto* rahmen = w.fenster->findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QVERIFY(rahmen->minimumSizeHint().width() <= rahmen->width());
        for (int i = 1; i <= 3; ++i)
            QVERIFY(rahmen->contentsRect().contains(w.Option1[i]->geometry()));

        // The widest texts each box has to show: nine digits, and the binary
        // form of 999999999 with its thirty digits.
        const std::pair<QLineEdit*, QString> felder[] = {{w.Text1, QStringLiteral("999999999")},
                                                          {w.Text2, QString(30, u'1')}};
        for (const auto& [feld, text] : felder) {
            const int rand = feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, feld);
            const QMargins innen = feld->textMargins();
            // QLineEdit keeps a further 2 px beside its text.
            const int platz = feld->width() - 2 * rand - innen.left() - innen.right() - 2 * 2;
            const int noetig = feld->fontMetrics().horizontalAdvance(text);
            QVERIFY2(noetig <= platz, qPrintable(QStringLiteral("%1 needs %2 px of %3")
                                                     .arg(feld->objectName()).arg(noetig).arg(platz)));
        }
    });
}

void TstWandelnAufbau::tabReihenfolge()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        // Into the option group only through its selected button.
        const QWidget* vorwaerts[] = {w.Option1[1], w.Text2, w.Text1};
        for (const QWidget* ziel : vorwaerts) {
            taste(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ziel);
        }

        QTest::mouseClick(w.Option1[3], Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w.Text1);
        const QWidget* nachHex[] = {w.Option1[3], w.Text2, w.Text1};
        for (const QWidget* ziel : nachHex) {
            taste(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ziel);
        }
        const QWidget* rueckwaerts[] = {w.Text2, w.Option1[3], w.Text1};
        for (const QWidget* ziel : rueckwaerts) {
            taste(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), ziel);
        }
    });
}

void TstWandelnAufbau::schliessen_data()
{
    QTest::addColumn<int>("weg");
    QTest::newRow("click on Ende") << 0;
    QTest::newRow("Alt+E") << 1;
    QTest::newRow("window frame") << 2;
}

void TstWandelnAufbau::schliessen()
{
    QFETCH(int, weg);

    oeffneWandeln([&](WandelnSteuerelemente& w) {
        QTest::keyClicks(w.Text1, QStringLiteral("42"));
        QTest::mouseClick(w.Option1[3], Qt::LeftButton);
        QCOMPARE(w.Text2->text(), QStringLiteral("2A"));

        if (weg == 0) {
            QAction* ende = w.leiste->actions().first();
            QTest::mouseClick(w.leiste, Qt::LeftButton, {}, w.leiste->actionGeometry(ende).center());
        } else if (weg == 1) {
            taste(Qt::Key_E, Qt::AltModifier);
        } else {
            w.fenster->close();
        }
        QVERIFY(!w.fenster->isVisible());
    });
    if (QTest::currentTestFailed())
        return;

    // Neither the input nor the base survives a closing.
    oeffneWandeln([](WandelnSteuerelemente& w) {
        QCOMPARE(w.Text1->text(), QStringLiteral("255"));
        QCOMPARE(w.Text1->selectedText(), QStringLiteral("255"));
        QVERIFY(w.Option1[1]->isChecked());
        QCOMPARE(w.Text2->text(), QStringLiteral("11111111"));
    });
}

QTEST_MAIN(TstWandelnAufbau)
#include "tst_wandeln_aufbau.moc"
