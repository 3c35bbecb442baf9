// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include "tests/hilfen/einfuegeweg.h"
#include "tests/hilfen/form1test.h"

Q_DECLARE_METATYPE(Einfuegeweg)

namespace {

const Einfuegeweg wege[] = {Einfuegeweg::StrgV, Einfuegeweg::UmschaltEinfg, Einfuegeweg::Kontextmenue,
                            Einfuegeweg::Mittelklick, Einfuegeweg::Ablegen};

} // namespace

// A whole address pasted into any octet field fills all four and shows its
// prefix; any other text with a non-digit changes nothing.
class TstForm1Einfuegen : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void adresseFuelltAlleFelder_data();
    void adresseFuelltAlleFelder();
    void anderesBleibtUnveraendert_data();
    void anderesBleibtUnveraendert();
    void ziffernWieBisher_data();
    void ziffernWieBisher();
    void kontextmenueErsetztAuswahlImBitsfeld();
    void verweigerterAbwurfBleibtBeiDerQuelle();
    void abgelegteAdresseBleibtBeiDerQuelle();

private:
    // Everything the window shows of its inputs and results.
    QString zustand() const;
    // Pastes into the field as a user would: the field first gets the focus.
    bool einfuegen(QLineEdit* feld, const QString& text, Einfuegeweg weg);
};

QString TstForm1Einfuegen::zustand() const
{
    QStringList teile{adresse(), text("Label4")};
    for (int i = 0; i < 3; ++i)
        teile << QString::number(netzart(i)->isChecked()) + QString::number(anteil(i)->isChecked());
    teile << bits()->text() + (bits()->isEnabled() ? "" : " (off)") << zeile("lblsubnet") << zeile("lblnetz")
          << zeile("lblbroad") << zeile("lbldual", " ") << zeile("lbldual1", " ") << zeile("lbldual2", " ")
          << text("Label13");
    return teile.join(QStringLiteral(" | "));
}

bool TstForm1Einfuegen::einfuegen(QLineEdit* feld, const QString& text, Einfuegeweg weg)
{
    if (weg == Einfuegeweg::StrgV || weg == Einfuegeweg::UmschaltEinfg) {
        feld->setFocus();
        feld->selectAll();
    }
    return fuegeEin(feld, text, weg);
}

void TstForm1Einfuegen::adresseFuelltAlleFelder_data()
{
    QTest::addColumn<int>("feld");
    QTest::addColumn<Einfuegeweg>("weg");
    QTest::addColumn<QString>("eingefuegt");
    QTest::addColumn<QString>("oktette");
    QTest::addColumn<int>("art");    // Option1(art) is on
    QTest::addColumn<int>("teil");   // Option2(teil) is on
    QTest::addColumn<QString>("bitsfeld");
    QTest::addColumn<QString>("maske");
    QTest::addColumn<QString>("netz");
    QTest::addColumn<QString>("broadcast");
    QTest::addColumn<QString>("anzahl");

    struct Form {
        const char *name, *text, *oktette; int art, teil; const char *bits, *maske, *netz, *broadcast, *anzahl;
    };
    // The window starts at 192.168.4.1, "Normal", "24 Bit", bit count 2 (off).
    const Form formen[] = {
        {"address", " 10.1.2.3\r\n", "10.1.2.3", 0, 0, "2 (off)", "255.0.0.0", "10.0.0.0", "10.255.255.255", ""},
        {"prefix", "172.16.5.9/20", "172.16.5.9", 1, 1, "4", "255.255.240.0", "172.16.0.0", "172.16.15.255",
         "max: 4094 Hosts\r\npro Subnetz"},
        {"mask", "10.1.2.0\t255.255.248.0", "10.1.2.0", 2, 2, "3", "255.255.248.0", "10.1.0.0", "10.1.7.255",
         "max: 8 Netze k\u00f6nnen\r\nverbunden werden"},
    };
    for (const Form& f : formen)
        for (int feld = 0; feld < 4; ++feld)
            for (const Einfuegeweg weg : wege)
                QTest::addRow("%s into txtip(%d) by %s", f.name, feld, qPrintable(wegName(weg)))
                    << feld << weg << f.text << f.oktette << f.art << f.teil << f.bits << f.maske << f.netz
                    << f.broadcast << QString::fromUtf8(f.anzahl);
}

void TstForm1Einfuegen::adresseFuelltAlleFelder()
{
    QFETCH(int, feld);
    QFETCH(Einfuegeweg, weg);
    QFETCH(QString, eingefuegt);

    if (!einfuegen(ip(feld), eingefuegt, weg))
        QSKIP("no X11 selection on this platform (offscreen has none): nothing to paste with the middle button");
    QTEST(adresse(), "oktette");
    QFETCH(int, art);
    QFETCH(int, teil);
    QVERIFY(netzart(art)->isChecked());
    QVERIFY(anteil(teil)->isChecked());
    QTEST(bits()->text() + (bits()->isEnabled() ? "" : " (off)"), "bitsfeld");
    QTEST(zeile("lblsubnet"), "maske");
    QTEST(zeile("lblnetz"), "netz");
    QTEST(zeile("lblbroad"), "broadcast");
    QTEST(text("Label13"), "anzahl");

    // The field that took the paste keeps the focus, its caret after the octet.
    QTRY_COMPARE(QApplication::focusWidget(), ip(feld));
    QCOMPARE(ip(feld)->cursorPosition(), int(ip(feld)->text().size()));
    QVERIFY(!ip(feld)->hasSelectedText());
}

void TstForm1Einfuegen::anderesBleibtUnveraendert_data()
{
    QTest::addColumn<QString>("eingefuegt");
    QTest::addColumn<Einfuegeweg>("weg");

    const char* texte[][2] = {
        {"256", "256.1.1.1"},
        {"four digits", "1234.0.0.1"},
        {"33", "1.2.3.4/33"},
        {"non-contiguous mask", "10.0.0.1 255.0.255.0"},
        {"IPv6", "fe80::1"},
        {"letters", "abc"},
        {"digits with a blank inside", "1 2"},
        {"blanks only", " \n"},
    };
    for (const auto& t : texte)
        for (const Einfuegeweg weg : wege)
            QTest::addRow("%s by %s", t[0], qPrintable(wegName(weg))) << QString::fromLatin1(t[1]) << weg;
    QTest::newRow("10000 characters by Ctrl+V")
        << QStringLiteral("1.2.3.4/") + QString(9992, u'9') << Einfuegeweg::StrgV;
}

void TstForm1Einfuegen::anderesBleibtUnveraendert()
{
    QFETCH(QString, eingefuegt);
    QFETCH(Einfuegeweg, weg);

    netzart(1)->click(); // a subnet of 2 bits: the bit count shows too
    ip(1)->setFocus();
    const QString vorher = zustand();
    if (!einfuegen(ip(1), eingefuegt, weg))
        QSKIP("no X11 selection on this platform (offscreen has none): nothing to paste with the middle button");
    QCOMPARE(zustand(), vorher);
    QCOMPARE(ip(1)->text(), QStringLiteral("168"));
    QTRY_COMPARE(QApplication::focusWidget(), ip(1));
}

void TstForm1Einfuegen::ziffernWieBisher_data()
{
    QTest::addColumn<QString>("eingefuegt");
    QTest::addColumn<Einfuegeweg>("weg");
    QTest::addColumn<QString>("feld");

    for (const Einfuegeweg weg : {Einfuegeweg::StrgV, Einfuegeweg::Kontextmenue}) {
        const QString w = wegName(weg);
        QTest::addRow("300 becomes 255 by %s", qPrintable(w)) << "300" << weg << "255";
        QTest::addRow("10000 digits are cut to three by %s", qPrintable(w)) << QString(10000, u'1') << weg << "111";
    }
    // A spreadsheet's cell brings its line break, a web page a blank.
    QTest::newRow("cell 12 by Ctrl+V") << "12\n" << Einfuegeweg::StrgV << "12";
    QTest::newRow("7 between blanks by context menu") << " 7 " << Einfuegeweg::Kontextmenue << "7";
    // The middle button and a drop paste at the caret they place, here after the "4".
    QTest::newRow("7 after the caret by middle click") << "7" << Einfuegeweg::Mittelklick << "47";
    QTest::newRow("10000 digits by middle click") << QString(10000, u'1') << Einfuegeweg::Mittelklick << "255";
    QTest::newRow("cell 7 by middle click") << "7\r\n" << Einfuegeweg::Mittelklick << "47";
    QTest::newRow("7 between blanks by drag and drop") << "\t7 \n" << Einfuegeweg::Ablegen << "47";
}

void TstForm1Einfuegen::ziffernWieBisher()
{
    QFETCH(QString, eingefuegt);
    QFETCH(Einfuegeweg, weg);

    // The whole octet selected, as Tab leaves it, for the paste to replace.
    ip(2)->setFocus();
    ip(2)->selectAll();
    if (!fuegeEin(ip(2), eingefuegt, weg, QPoint(ip(2)->width() - 3, ip(2)->height() / 2)))
        QSKIP("no X11 selection on this platform (offscreen has none): nothing to paste with the middle button");
    QTEST(ip(2)->text(), "feld");
    QCOMPARE(adresse(), QStringLiteral("192.168.") + ip(2)->text() + QStringLiteral(".1"));
}

void TstForm1Einfuegen::kontextmenueErsetztAuswahlImBitsfeld()
{
    // Coming back from the menu must not move the selection the paste replaces.
    netzart(1)->click();
    bits()->setFocus(Qt::TabFocusReason);
    QCOMPARE(bits()->selectedText(), QStringLiteral("2"));
    fuegeEin(bits(), QStringLiteral("5"), Einfuegeweg::Kontextmenue);
    QCOMPARE(bits()->text(), QStringLiteral("5"));
    QCOMPARE(zeile("lblsubnet"), QStringLiteral("255.255.255.248"));
}

void TstForm1Einfuegen::verweigerterAbwurfBleibtBeiDerQuelle()
{
    // A source that moves its text deletes it when the drop is accepted as a
    // move: neither a refused nor a taken address is.
    const QPoint mitte = ip(1)->rect().center();
    QVERIFY(!legeAb(ip(1), QStringLiteral("256.1.1.1"), mitte));
    QVERIFY(!legeAb(ip(1), QStringLiteral("10.1.2.3"), mitte));
    QCOMPARE(adresse(), QStringLiteral("10.1.2.3"));
}

void TstForm1Einfuegen::abgelegteAdresseBleibtBeiDerQuelle()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("offscreen drags nothing between windows: this runs on the X server");
    // An editable text offers its text to be moved (Qt's line edit offers a
    // copy only); the drop takes a copy all the same.
    QPlainTextEdit quelle(QStringLiteral("10.1.2.3"));
    quelle.setGeometry(0, 0, 160, 60);
    quelle.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quelle));
    QVERIFY(!form->frameGeometry().intersects(quelle.frameGeometry()));
    quelle.selectAll();
    QTextCursor imText(quelle.document());
    imText.setPosition(2);

    zieheHinueber(quelle.viewport(), quelle.cursorRect(imText).center(), ip(1), ip(1)->rect().center());
    QTRY_COMPARE(adresse(), QStringLiteral("10.1.2.3"));
    QCOMPARE(quelle.toPlainText(), QStringLiteral("10.1.2.3"));
}

QTEST_MAIN(TstForm1Einfuegen)
#include "tst_form1_einfuegen.moc"
