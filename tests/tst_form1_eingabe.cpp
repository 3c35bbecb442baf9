// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "tests/hilfen/form1test.h"

class TstForm1Eingabe : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void oktettUeberschreibenUndBegrenzen();
    void oktettLeerWirdNull();
    void oktettKorrekturen_data();
    void oktettKorrekturen();
    void oktettNimmtNurZiffern_data();
    void oktettNimmtNurZiffern();
    void klickWaehltAbCursor();
    void anteilFolgtDerKlasse();
    void netzartSchalten();
    void bitsPfeiltasten_data();
    void bitsPfeiltasten();
    void bitsTippen_data();
    void bitsTippen();
    void fehlerhafterTextBehaeltErgebnisse();
};

void TstForm1Eingabe::oktettUeberschreibenUndBegrenzen()
{
    netzart(1)->setChecked(true); // subnet, 2 bits, so the counts follow the class
    tippeIn(ip(0), QStringLiteral("3"));
    QCOMPARE(ip(0)->text(), QStringLiteral("3"));
    QCOMPARE(text("Label4"), QStringLiteral("Klasse A Netz"));
    QVERIFY(anteil(0)->isChecked());
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.192.0.0"));
    QCOMPARE(text("Label13"), QStringLiteral("max: 4194302 Hosts\r\npro Subnetz"));

    QTest::keyClick(ip(0), Qt::Key_0);
    QCOMPARE(ip(0)->text(), QStringLiteral("30"));
    QCOMPARE(zeile("lblnetz"), QStringLiteral("30.128.0.0"));

    QTest::keyClick(ip(0), Qt::Key_0); // 300
    QCOMPARE(ip(0)->text(), QStringLiteral("255"));
    QCOMPARE(text("Label4"), QStringLiteral("Klasse E Netz"));
    QVERIFY(anteil(2)->isChecked());
    QCOMPARE(zeile("lblbroad"), QStringLiteral("255.168.4.63"));

    QTest::keyClick(ip(0), Qt::Key_1); // a fourth character does not fit
    QCOMPARE(ip(0)->text(), QStringLiteral("255"));
    QCOMPARE(QApplication::focusWidget(), ip(0));
}

void TstForm1Eingabe::oktettLeerWirdNull()
{
    ip(2)->setFocus();
    ip(2)->selectAll();
    QTest::keyClick(ip(2), Qt::Key_Delete);
    QCOMPARE(ip(2)->text(), QStringLiteral("0"));
    QCOMPARE(zeile("lblnetz"), QStringLiteral("192.168.0.0"));
    QCOMPARE(zeile("lbldual1", " "), QStringLiteral("11000000 10101000 00000000 00000000"));
}

void TstForm1Eingabe::oktettKorrekturen_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("netz"); // with the class C mask

    QTest::newRow("256 becomes 255") << "256" << "255" << "192.168.255.0";
    QTest::newRow("255 stays") << "255" << "255" << "192.168.255.0";
    QTest::newRow("999 becomes 255") << "999" << "255" << "192.168.255.0";
    QTest::newRow("000 stays as typed") << "000" << "000" << "192.168.0.0";
    QTest::newRow("07 stays as typed") << "07" << "07" << "192.168.7.0";
}

void TstForm1Eingabe::oktettKorrekturen()
{
    QFETCH(QString, getippt);
    QFETCH(QString, feld);
    QFETCH(QString, netz);

    tippeIn(ip(2), getippt);
    QCOMPARE(ip(2)->text(), feld);
    QCOMPARE(zeile("lblnetz"), netz);
}

void TstForm1Eingabe::oktettNimmtNurZiffern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("danach");

    QTest::newRow("digits") << "12" << "12";
    QTest::newRow("letter") << "1a" << "168";
    QTest::newRow("minus") << "-1" << "168";
    QTest::newRow("blank") << " 7" << "168";
    QTest::newRow("decimal point") << "2.5" << "168";
    QTest::newRow("non-ASCII digit") << QString::fromUtf16(u"\u0663") << "168";
    QTest::newRow("10000 digits are cut to three") << QString(10000, QLatin1Char('1')) << "111";
    QTest::newRow("10000 characters") << QString(10000, QLatin1Char('x')) << "168";
}

void TstForm1Eingabe::oktettNimmtNurZiffern()
{
    QFETCH(QString, text);
    QFETCH(QString, danach);

    // Pasted through the line edit's own paste, as the context menu does it.
    QGuiApplication::clipboard()->setText(text);
    ip(1)->setFocus();
    ip(1)->selectAll();
    ip(1)->paste();
    QCOMPARE(ip(1)->text(), danach);

    // Typed, key by key: nothing but digits arrives.
    ip(1)->selectAll();
    for (const QChar c : text.left(20)) {
        QKeyEvent taste(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(ip(1), &taste);
    }
    for (const QChar c : ip(1)->text())
        QVERIFY(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    QVERIFY(!ip(1)->text().isEmpty());
}

void TstForm1Eingabe::klickWaehltAbCursor()
{
    QLineEdit* feld = ip(0);
    // Caret after the "1" of "192": the click selects "92".
    const QRect inhalt = feld->contentsRect();
    const int breite1 = feld->fontMetrics().horizontalAdvance(QStringLiteral("1"));
    const int links = (inhalt.width() - feld->fontMetrics().horizontalAdvance(QStringLiteral("192"))) / 2;
    QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(inhalt.left() + links + breite1 + 1, inhalt.center().y()));
    QCOMPARE(feld->selectedText(), QStringLiteral("92"));
    QTest::keyClick(feld, Qt::Key_0);
    QCOMPARE(feld->text(), QStringLiteral("10"));

    // Tab into a field selects its whole octet, ready to be typed over.
    QTest::keyClick(feld, Qt::Key_Tab);
    QCOMPARE(ip(1)->selectedText(), QStringLiteral("168"));
}

void TstForm1Eingabe::anteilFolgtDerKlasse()
{
    anteil(1)->click();
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.0.0"));
    QCOMPARE(zeile("lblbroad"), QStringLiteral("192.168.255.255"));

    // Any octet edit switches the class's part back on, even one that keeps the class.
    tippeIn(ip(1), QStringLiteral("16"));
    QVERIFY(anteil(2)->isChecked());
    QCOMPARE(text("Label4"), QStringLiteral("Klasse C Netz"));
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.255.0"));
    QCOMPARE(zeile("lblnetz"), QStringLiteral("192.16.4.0"));

    tippeIn(ip(0), QStringLiteral("172"));
    QVERIFY(anteil(1)->isChecked());
    tippeIn(ip(0), QStringLiteral("224"));
    QVERIFY(anteil(2)->isChecked());
    QCOMPARE(text("Label4"), QStringLiteral("Klasse D Netz"));
}

void TstForm1Eingabe::netzartSchalten()
{
    netzart(1)->click();
    QVERIFY(bits()->isEnabled());
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.255.192"));
    QCOMPARE(text("Label13"), QStringLiteral("max: 62 Hosts\r\npro Subnetz"));

    netzart(2)->click();
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.252.0"));
    QCOMPARE(zeile("lblnetz"), QStringLiteral("192.168.4.0"));
    QCOMPARE(zeile("lblbroad"), QStringLiteral("192.168.7.255"));
    QCOMPARE(text("Label13"), QStringLiteral("max: 4 Netze können\r\nverbunden werden"));

    bits()->setText(QStringLiteral("0")); // a supernet of no bits is the class net itself
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.255.0"));
    QCOMPARE(text("Label13"), QStringLiteral("max: 1 Netze können\r\nverbunden werden"));

    netzart(0)->click();
    QVERIFY(!bits()->isEnabled());
    QCOMPARE(bits()->text(), QStringLiteral("0"));
    QCOMPARE(text("Label13"), QString());
}

void TstForm1Eingabe::bitsPfeiltasten_data()
{
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("nachher");
    QTest::addColumn<QString>("hosts"); // of a subnet of the class C net

    QTest::newRow("0 up") << "0" << int(Qt::Key_Up) << "8" << "0";
    QTest::newRow("0 down") << "0" << int(Qt::Key_Down) << "8" << "0";
    QTest::newRow("0 any key, even Shift alone") << "0" << int(Qt::Key_Shift) << "8" << "0";
    QTest::newRow("1 up") << "1" << int(Qt::Key_Up) << "2" << "62";
    QTest::newRow("1 down") << "1" << int(Qt::Key_Down) << "0" << "254";
    QTest::newRow("1 other key") << "1" << int(Qt::Key_Left) << "1" << "126";
    QTest::newRow("4 up") << "4" << int(Qt::Key_Up) << "5" << "6";
    QTest::newRow("4 down") << "4" << int(Qt::Key_Down) << "3" << "30";
    QTest::newRow("7 up") << "7" << int(Qt::Key_Up) << "8" << "0";
    QTest::newRow("7 down") << "7" << int(Qt::Key_Down) << "6" << "2";
    QTest::newRow("8 up stays 8") << "8" << int(Qt::Key_Up) << "8" << "0";
    QTest::newRow("8 down") << "8" << int(Qt::Key_Down) << "7" << "0";
}

void TstForm1Eingabe::bitsPfeiltasten()
{
    QFETCH(QString, vorher);
    QFETCH(int, taste);
    QFETCH(QString, nachher);
    QFETCH(QString, hosts);

    netzart(1)->click();
    bits()->setText(vorher);
    bits()->setFocus();
    QTest::keyClick(bits(), Qt::Key(taste));
    QCOMPARE(bits()->text(), nachher);

    // The results follow the new count.
    QCOMPARE(text("Label13"), QStringLiteral("max: %1 Hosts\r\npro Subnetz").arg(hosts));
}

void TstForm1Eingabe::bitsTippen_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("feld");

    QTest::newRow("digit") << "5" << "5";
    QTest::newRow("8") << "8" << "8";
    QTest::newRow("9 becomes 8") << "9" << "8";
    QTest::newRow("letter becomes 8") << "x" << "8";
    QTest::newRow("colon becomes 8") << ":" << "8";
    QTest::newRow("minus refused") << "-" << "2";
    QTest::newRow("blank refused") << " " << "2";
    QTest::newRow("point refused") << "." << "2";
}

void TstForm1Eingabe::bitsTippen()
{
    QFETCH(QString, getippt);
    QFETCH(QString, feld);

    netzart(2)->click();
    // The caret at the start: the one character is selected and typed over.
    QTest::mouseClick(bits(), Qt::LeftButton, {}, QPoint(2, bits()->height() / 2));
    QCOMPARE(bits()->selectedText(), QStringLiteral("2"));
    QTest::keyClicks(bits(), getippt);
    QCOMPARE(bits()->text(), feld);

    // Pasted the same way.
    QGuiApplication::clipboard()->setText(getippt + QStringLiteral("1"));
    bits()->setText(QStringLiteral("2"));
    bits()->selectAll();
    bits()->paste();
    QCOMPARE(bits()->text(), feld);

    // Deleting the digit shows 0 at once.
    bits()->selectAll();
    QTest::keyClick(bits(), Qt::Key_Backspace);
    QCOMPARE(bits()->text(), QStringLiteral("0"));
}

void TstForm1Eingabe::fehlerhafterTextBehaeltErgebnisse()
{
    // Texts the fields never let in can still be written by a program: the
    // window keeps its last results and carries on.
    netzart(1)->click();
    const QString maske = zeile("lblsubnet");
    ip(2)->setText(QStringLiteral("x"));
    QCOMPARE(zeile("lblsubnet"), maske);
    QCOMPARE(zeile("lblnetz"), QStringLiteral("192.168.4.0"));
    bits()->setText(QStringLiteral("-"));
    QCOMPARE(text("Label4"), QStringLiteral("Klasse C Netz"));
    ip(2)->setText(QStringLiteral("9"));
    bits()->setText(QStringLiteral("3"));
    QCOMPARE(zeile("lblnetz"), QStringLiteral("192.168.9.0"));
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.255.224"));
}

QTEST_MAIN(TstForm1Eingabe)
#include "tst_form1_eingabe.moc"
