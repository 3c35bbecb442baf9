// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QMenu>

#include "tests/hilfen/form1test.h"

// Results are selected with the mouse and copied, as a user would put a
// figure into a ticket or a configuration file.
class TstForm1Kopieren : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init()
    {
        oeffne();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { schliesse(); }

    void strgCNachMausauswahl_data();
    void strgCNachMausauswahl();
    void kontextmenueKopiertAufDeutsch();
    void copyrightFaerbtSichWeiterhin();
    void tabNachKlickAufErgebnis_data();
    void tabNachKlickAufErgebnis();
    void strgUmschaltCKopiertGanzesErgebnis_data();
    void strgUmschaltCKopiertGanzesErgebnis();

private:
    // Drags across the whole label, from its top-left to its bottom-right corner.
    static void markiere(QLabel* label)
    {
        const QPoint von(1, 1);
        const QPoint bis(label->width() - 1, label->height() - 1);
        QTest::mousePress(label, Qt::LeftButton, {}, von);
        QTest::mouseMove(label, bis);
        QTest::mouseRelease(label, Qt::LeftButton, {}, bis);
    }

    // Ctrl+C as the keyboard sends it: to whatever has the focus in the window.
    void drueckeStrgC() { QTest::keyClick(form->windowHandle(), Qt::Key_C, Qt::ControlModifier); }

    static QString zwischenablage() { return QGuiApplication::clipboard()->text(); }
};

void TstForm1Kopieren::strgCNachMausauswahl_data()
{
    QTest::addColumn<int>("art"); // net kind
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("kopiert");

    QTest::newRow("class") << 0 << "Label4" << "Klasse C Netz";
    QTest::newRow("mask octet") << 0 << "lblsubnet(0)" << "255";
    QTest::newRow("mask binary") << 0 << "lbldual(3)" << "00000000";
    QTest::newRow("network octet") << 0 << "lblnetz(1)" << "168";
    QTest::newRow("network binary") << 0 << "lbldual1(1)" << "10101000";
    QTest::newRow("broadcast octet") << 0 << "lblbroad(3)" << "255";
    QTest::newRow("broadcast binary") << 0 << "lbldual2(2)" << "00000100";
    QTest::newRow("subnet mask, rewritten") << 1 << "lblsubnet(3)" << "192";
    // Two lines on the screen, two lines on the clipboard, as a text editor wants them.
    QTest::newRow("counts, subnet") << 1 << "Label13" << "max: 62 Hosts\npro Subnetz";
    QTest::newRow("counts, supernet") << 2 << "Label13" << "max: 4 Netze können\nverbunden werden";
}

void TstForm1Kopieren::strgCNachMausauswahl()
{
    QFETCH(int, art);
    QFETCH(QString, label);
    QFETCH(QString, kopiert);

    netzart(art)->setChecked(true);
    ip(0)->setFocus(); // where the keyboard usually is
    auto* ergebnis = finde<QLabel>(label);
    markiere(ergebnis);
    QVERIFY2(ergebnis->hasSelectedText(), "the mouse selects no text");

    drueckeStrgC();
    QCOMPARE(zwischenablage(), kopiert);
    QCOMPARE(ip(0)->text(), QStringLiteral("192")); // copying changes no input
}

void TstForm1Kopieren::kontextmenueKopiertAufDeutsch()
{
    auto* ergebnis = finde<QLabel>(QStringLiteral("lblnetz(0)"));
    markiere(ergebnis);

    // A right click, as the window system delivers it.
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                      ergebnis->mapTo(form.get(), ergebnis->rect().center()));
    QMenu* menue = nullptr;
    QTRY_VERIFY((menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())));

    QStringList texte;
    for (QAction* a : menue->actions())
        texte << a->text();
    QCOMPARE(texte, (QStringList{"&Kopieren\tStrg+C", "", "Alles auswählen\tStrg+A"}));
    QAction* kopieren = menue->actions().at(0);
    QVERIFY(kopieren->isEnabled());
    kopieren->trigger();
    menue->close();
    QCOMPARE(zwischenablage(), QStringLiteral("192"));
}

void TstForm1Kopieren::copyrightFaerbtSichWeiterhin()
{
    // Moves as the window system delivers them: selectable results now take
    // mouse events of their own, which must not count as the bare surface.
    auto farbe = [this] { return finde(QStringLiteral("Label11"))->palette().color(QPalette::WindowText); };
    auto ueber = [this](const QString& name, QPoint wo) {
        QTest::mouseMove(form->windowHandle(), finde(name)->mapTo(form.get(), wo));
    };
    ueber(QStringLiteral("Label11"), QPoint(5, 5));
    QTRY_COMPARE(farbe(), QColor(Qt::red));
    ueber(QStringLiteral("lblbroad(1)"), QPoint(5, 5));
    ueber(QStringLiteral("lbldual2(1)"), QPoint(5, 5));
    QCOMPARE(farbe(), QColor(Qt::red));
    QTest::mouseMove(form->windowHandle(), form->centralWidget()->mapTo(form.get(), QPoint(2, 2)));
    QTRY_COMPARE(farbe(), QColor(Qt::black));
}

void TstForm1Kopieren::tabNachKlickAufErgebnis_data()
{
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("nachher");

    QTest::newRow("Tab from an octet") << "txtip(1)" << int(Qt::Key_Tab) << "txtip(2)";
    QTest::newRow("Shift+Tab from an octet") << "txtip(1)" << int(Qt::Key_Backtab) << "txtip(0)";
    QTest::newRow("Tab from the last octet") << "txtip(3)" << int(Qt::Key_Tab) << "Option2(2)";
    QTest::newRow("Tab from an option, bits disabled") << "Option1(0)" << int(Qt::Key_Tab) << "txtip(0)";
}

void TstForm1Kopieren::tabNachKlickAufErgebnis()
{
    QFETCH(QString, vorher);
    QFETCH(int, taste);
    QFETCH(QString, nachher);

    finde(vorher)->setFocus();
    QTest::mouseClick(finde(QStringLiteral("lblsubnet(1)")), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblsubnet(1)"));
    QTest::keyClick(form->windowHandle(), Qt::Key(taste));
    QCOMPARE(QApplication::focusWidget()->objectName(), nachher);
}

void TstForm1Kopieren::strgUmschaltCKopiertGanzesErgebnis_data()
{
    QTest::addColumn<int>("art"); // net kind
    QTest::addColumn<QString>("kopiert");

    QTest::newRow("Normal, no counts") << 0 << "Netz 192.168.4.0/24\nMaske 255.255.255.0\nNetzadresse 192.168.4.0\n"
                                              "Broadcast 192.168.4.255\nKlasse C\n";
    QTest::newRow("subnet, counts in one line")
        << 1 << "Netz 192.168.4.0/26\nMaske 255.255.255.192\nNetzadresse 192.168.4.0\nBroadcast 192.168.4.63\n"
                "Klasse C\nmax: 62 Hosts pro Subnetz\n";
}

void TstForm1Kopieren::strgUmschaltCKopiertGanzesErgebnis()
{
    QFETCH(int, art);

    netzart(art)->setChecked(true);
    ip(3)->setFocus();
    QTest::keyClick(form->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTEST(zwischenablage(), "kopiert");
    QVERIFY(form->accessibleDescription().contains(QStringLiteral("Strg+Umschalt+C")));
}

QTEST_MAIN(TstForm1Kopieren)
#include "tst_form1_kopieren.moc"
