// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <algorithm>

#include "tests/hilfen/form1test.h"

class TstForm1Aufbau : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void startzustand();
    void geometrie_data();
    void geometrie();
    void fensterMittigSamtRahmen();
    void nichtsWirdAbgeschnitten();
    void schriftenSindInstalliert();
    void tabfolge_data();
    void tabfolge();
    void menue();
    void kontextmenueIstDeutsch();
    void werkzeugfensterVerdeckenEsNicht_data();
    void werkzeugfensterVerdeckenEsNicht();
};

void TstForm1Aufbau::startzustand()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Netzplaner "));
    QCOMPARE(adresse(), QStringLiteral("192.168.4.1"));
    QVERIFY(netzart(0)->isChecked());
    QVERIFY(anteil(2)->isChecked()); // the class's part, not the preset "  8 Bit"
    QVERIFY(!bits()->isEnabled());
    QCOMPARE(bits()->text(), QStringLiteral("2"));
    QCOMPARE(text("Label4"), QStringLiteral("Klasse C Netz"));

    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.255.0"));
    QCOMPARE(zeile("lbldual", " "), QStringLiteral("11111111 11111111 11111111 00000000"));
    QCOMPARE(zeile("lblnetz"), QStringLiteral("192.168.4.0"));
    QCOMPARE(zeile("lbldual1", " "), QStringLiteral("11000000 10101000 00000100 00000000"));
    QCOMPARE(zeile("lblbroad"), QStringLiteral("192.168.4.255"));
    QCOMPARE(zeile("lbldual2", " "), QStringLiteral("11000000 10101000 00000100 11111111"));
    QCOMPARE(text("Label13"), QString());

    QVERIFY(finde(QStringLiteral("Image1(0)"))->isVisible());
    QVERIFY(finde(QStringLiteral("Image1(1)"))->isVisible());
    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 500);
}

void TstForm1Aufbau::geometrie_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixel"); // at 96 dpi: 15 twips a pixel

    QTest::newRow("first octet") << "txtip(0)" << QRect(16, 32, 41, 32);
    QTest::newRow("last octet") << "txtip(3)" << QRect(160, 32, 41, 32);
    QTest::newRow("class line") << "Label4" << QRect(16, 72, 185, 25);
    QTest::newRow("mask, first octet") << "lblsubnet(0)" << QRect(16, 128, 41, 25);
    QTest::newRow("network, binary 4") << "lbldual1(3)" << QRect(160, 248, 41, 25);
    QTest::newRow("broadcast sits further right") << "lblbroad(0)" << QRect(24, 304, 41, 25);
    QTest::newRow("last broadcast dot") << "Label6(8)" << QRect(160, 296, 9, 33);
    QTest::newRow("address part frame") << "Frame2" << QRect(224, 16, 89, 73);
    QTest::newRow("net kind frame") << "Frame1" << QRect(224, 120, 89, 121);
    QTest::newRow("Super Netz, wider") << "Option1(2)" << QRect(8, 48, 73, 17);
    QTest::newRow("bit count, in its frame") << "txtbits" << QRect(8, 88, 25, 19);
    QTest::newRow("counts") << "Label13" << QRect(224, 248, 113, 33);
    QTest::newRow("pictures on top of each other") << "Image1(0)" << QRect(256, 296, 32, 32);
    QTest::newRow("copyright") << "Label11" << QRect(240, 328, 73, 17);
}

void TstForm1Aufbau::geometrie()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixel);

    // Scale factors change device pixels, not these logical ones.
    QCOMPARE(finde(name)->logicalDpiX(), 96);
    QCOMPARE(finde(name)->geometry(), pixel);
    QCOMPARE(form->centralWidget()->size(), QSize(338, 364));
}

void TstForm1Aufbau::fensterMittigSamtRahmen()
{
    // The offscreen platform draws a frame of 2 px: centring the client area
    // alone puts the window that far off.
    const QPoint abstand = form->frameGeometry().center() - form->screen()->availableGeometry().center();
    QVERIFY2(abstand.manhattanLength() <= 1,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(abstand.x()).arg(abstand.y())));
}

void TstForm1Aufbau::nichtsWirdAbgeschnitten()
{
    // The widest texts each control must hold, beside its own start text.
    const QMap<QString, QStringList> breiteste = {
        {QStringLiteral("Label4"), {QStringLiteral("Klasse A Netz"), QStringLiteral("Klasse E Netz")}},
        {QStringLiteral("lblsubnet"), {QStringLiteral("255")}},
        {QStringLiteral("lbldual"), {QStringLiteral("11111111")}},
    };
    QStringList zuBreit;
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            continue;
        QStringList texte{label->text()};
        const QString art = label->objectName().section(QLatin1Char('('), 0, 0);
        texte += breiteste.value(art);
        if (art.startsWith(QLatin1String("lbl")))
            texte += breiteste.value(art.contains(QLatin1String("dual")) ? QStringLiteral("lbldual")
                                                                          : QStringLiteral("lblsubnet"));
        for (const QString& t : texte)
            if (label->fontMetrics().horizontalAdvance(t) > label->width())
                zuBreit << QStringLiteral("%1 \"%2\"").arg(label->objectName(), t);
    }
    // An option's caption gets what the indicator leaves (its sizeHint adds a
    // margin for the focus frame, which may overlap the border).
    for (QRadioButton* knopf : form->findChildren<QRadioButton*>()) {
        QStyleOptionButton option;
        option.initFrom(knopf);
        option.text = knopf->text();
        const QRect inhalt = knopf->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, knopf);
        if (knopf->fontMetrics().horizontalAdvance(knopf->text()) > inhalt.width())
            zuBreit << knopf->objectName();
    }

    // The counts text: two lines, the widest of each kind.
    QLabel* anzahl = finde<QLabel>(QStringLiteral("Label13"));
    for (const QString& zeile : {QStringLiteral("max: 16777214 Hosts"), QStringLiteral("max: 256 Netze können"),
                                 QStringLiteral("verbunden werden")})
        if (anzahl->fontMetrics().horizontalAdvance(zeile) > anzahl->width())
            zuBreit << QStringLiteral("Label13 \"%1\"").arg(zeile);
    if (2 * anzahl->fontMetrics().lineSpacing() > anzahl->height())
        zuBreit << QStringLiteral("Label13 two lines");

    // "255" in an octet field, inside the frame the style draws.
    QLineEdit* feld = ip(0);
    QStyleOptionFrame rahmen;
    rahmen.initFrom(feld);
    const int innen = feld->style()->subElementRect(QStyle::SE_LineEditContents, &rahmen, feld).width();
    if (feld->fontMetrics().horizontalAdvance(QStringLiteral("255")) > innen)
        zuBreit << QStringLiteral("txtip(0) \"255\"");

    QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(QStringLiteral(", "))));
}

void TstForm1Aufbau::schriftenSindInstalliert()
{
    // Both fonts of the layout resolve to the metric-compatible font the set-up installs.
    QCOMPARE(QFontInfo(finde(QStringLiteral("Label4"))->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(finde(QStringLiteral("Label13"))->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(finde(QStringLiteral("Label13"))->font().family(), QStringLiteral("Arial"));
    QCOMPARE(finde(QStringLiteral("lbldual(0)"))->font().pointSizeF(), 6.0);
    QCOMPARE(finde(QStringLiteral("txtip(0)"))->font().pointSizeF(), 13.5);
}

void TstForm1Aufbau::tabfolge_data()
{
    QTest::addColumn<int>("art"); // net kind switched on before tabbing
    QTest::addColumn<QStringList>("folge");

    const QStringList oktette = {"txtip(1)", "txtip(2)", "txtip(3)"};
    QTest::newRow("Normal: bits disabled")
        << 0 << oktette + QStringList{"Option2(2)", "Option1(0)", "txtip(0)", "txtip(1)"};
    QTest::newRow("Sub Netz: bits take the focus")
        << 1 << oktette + QStringList{"Option2(2)", "Option1(1)", "txtbits", "txtip(0)"};
}

void TstForm1Aufbau::tabfolge()
{
    QFETCH(int, art);
    QFETCH(QStringList, folge);

    netzart(art)->setChecked(true);
    ip(0)->setFocus();
    QStringList besucht;
    for (int i = 0; i < folge.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        besucht << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(besucht, folge);

    // And back again.
    QStringList zurueck;
    for (int i = 0; i < folge.size() - 1; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        zurueck << QApplication::focusWidget()->objectName();
    }
    QStringList erwartet = folge.mid(0, folge.size() - 1);
    std::reverse(erwartet.begin(), erwartet.end());
    QCOMPARE(zurueck, erwartet);
}

void TstForm1Aufbau::menue()
{
    auto* prog = form->findChild<QMenu*>(QStringLiteral("prog"));
    QVERIFY(prog);
    QCOMPARE(prog->title(), QStringLiteral("&Programm"));
    QCOMPARE(prog->actions().size(), 2);
    QCOMPARE(prog->actions().at(0)->objectName(), QStringLiteral("info"));
    QCOMPARE(prog->actions().at(0)->text(), QStringLiteral("&Info"));
    QCOMPARE(prog->actions().at(1)->objectName(), QStringLiteral("end"));
    QCOMPARE(prog->actions().at(1)->text(), QStringLiteral("&Ende"));

    const QList<QAction*> leiste = form->menuBar()->actions();
    QCOMPARE(leiste.size(), 4);
    QCOMPARE(leiste.at(0)->menu(), prog);
    QCOMPARE(leiste.at(1)->objectName(), QStringLiteral("change"));
    QCOMPARE(leiste.at(1)->text(), QStringLiteral("&Wandeln"));
    QVERIFY(!leiste.at(1)->menu());
    QCOMPARE(leiste.at(2)->objectName(), QStringLiteral("liste"));
    QCOMPARE(leiste.at(2)->text(), QStringLiteral("&Netzliste"));
    QCOMPARE(leiste.at(3)->menu()->objectName(), QStringLiteral("extras"));
    QCOMPARE(leiste.at(3)->text(), QStringLiteral("E&xtras"));

    // Alt+P opens the drop-down.
    ip(0)->setFocus();
    QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(prog->isVisible());
    QTest::keyClick(prog, Qt::Key_Escape);
    QTRY_VERIFY(!prog->isVisible());
}

void TstForm1Aufbau::kontextmenueIstDeutsch()
{
    std::unique_ptr<QMenu> menue(ip(0)->createStandardContextMenu());
    QStringList texte;
    for (QAction* a : menue->actions())
        texte << a->text();
    QVERIFY2(texte.contains(QStringLiteral("Einf&ügen\tStrg+V")), qPrintable(texte.join(QStringLiteral(" | "))));
}

void TstForm1Aufbau::werkzeugfensterVerdeckenEsNicht_data()
{
    QTest::addColumn<QString>("aktion");
    QTest::addColumn<QString>("fenster");

    QTest::newRow("net list")     << "liste" << "netzliste";
    QTest::newRow("address plan") << "plan"  << "adressplan";
    QTest::newRow("summary")      << "summe" << "zusammenfassen";
    QTest::newRow("IPv6")         << "ipv6"  << "ipv6";
}

void TstForm1Aufbau::werkzeugfensterVerdeckenEsNicht()
{
    QFETCH(QString, aktion);
    QFETCH(QString, fenster);

    form->findChild<QAction*>(aktion)->trigger();
    auto* w = form->findChild<QWidget*>(fenster);
    QVERIFY(w && QTest::qWaitForWindowExposed(w));
    const int mindestens = w->minimumSize().expandedTo(w->minimumSizeHint()).width();
    QVERIFY2(mindestens <= 600, qPrintable(QString::number(mindestens)));
    QVERIFY(w->width() >= mindestens);

    // Where a side holds the window at its minimum, it stays off the main window.
    const QRect bildschirm = form->screen()->availableGeometry();
    const QRect haupt = form->frameGeometry();
    const int platz = std::max(bildschirm.right() - haupt.right(), haupt.left() - bildschirm.left());
    const bool passt = platz >= mindestens + w->frameGeometry().width() - w->width();
    QVERIFY(passt || bildschirm.width() < 1600);
    if (passt)
        QVERIFY(!w->frameGeometry().intersects(haupt));
}

QTEST_MAIN(TstForm1Aufbau)
#include "tst_form1_aufbau.moc"
