// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "tests/hilfen/wandelnoeffnen.h"
#include "toolkit/erscheinung.h"

// Typing, pasting and choosing a base in the converter window, driven like a user.
class TstWandelnEingabe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ersteZifferErsetztVorgabe();
    void gesperrteTasten_data();
    void gesperrteTasten();
    void hoechstensNeunZiffern();
    void leereEingabeBehaeltErgebnis_data();
    void leereEingabeBehaeltErgebnis();
    void eingefuegterText_data();
    void eingefuegterText();
    void basisWaehlen();
    void ergebnisZumKopieren();
    void strgUmschaltCKopiertAlleBasen();
};

namespace {

QClipboard* ablage()
{
    return QGuiApplication::clipboard();
}

} // namespace

void TstWandelnEingabe::initTestCase()
{
    netzplaner::richteErscheinungEin(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void TstWandelnEingabe::ersteZifferErsetztVorgabe()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        taste(Qt::Key_1);
        QCOMPARE(w.Text1->text(), QStringLiteral("1"));
        QCOMPARE(w.Text2->text(), QStringLiteral("00000001"));
        taste(Qt::Key_0);
        QCOMPARE(w.Text1->text(), QStringLiteral("10"));
        QCOMPARE(w.Text2->text(), QStringLiteral("00001010"));
    });
}

void TstWandelnEingabe::gesperrteTasten_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("umschalt");

    QTest::newRow("a") << int(Qt::Key_A) << int(Qt::NoModifier);
    QTest::newRow("E") << int(Qt::Key_E) << int(Qt::ShiftModifier);
    QTest::newRow("minus") << int(Qt::Key_Minus) << int(Qt::NoModifier);
    QTest::newRow("plus") << int(Qt::Key_Plus) << int(Qt::NoModifier);
    QTest::newRow("point") << int(Qt::Key_Period) << int(Qt::NoModifier);
    QTest::newRow("comma") << int(Qt::Key_Comma) << int(Qt::NoModifier);
    QTest::newRow("blank") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
}

void TstWandelnEingabe::gesperrteTasten()
{
    QFETCH(int, key);
    QFETCH(int, umschalt);

    ablage()->setText(QStringLiteral("77"));
    oeffneWandeln([&](WandelnSteuerelemente& w) {
        taste(Qt::Key(key), Qt::KeyboardModifiers(umschalt));

        // Nothing changed: neither the text nor its selection, nor the
        // clipboard, and the window is still open.
        QCOMPARE(w.Text1->text(), QStringLiteral("255"));
        QCOMPARE(w.Text1->selectedText(), QStringLiteral("255"));
        QCOMPARE(w.Text2->text(), QStringLiteral("11111111"));
        QCOMPARE(ablage()->text(), QStringLiteral("77"));
        QVERIFY(w.fenster->isVisible());

        // Between digits too.
        QTest::keyClicks(w.Text1, QStringLiteral("1"));
        taste(Qt::Key(key), Qt::KeyboardModifiers(umschalt));
        QTest::keyClicks(w.Text1, QStringLiteral("2"));
        QCOMPARE(w.Text1->text(), QStringLiteral("12"));
        QCOMPARE(w.Text2->text(), QStringLiteral("00001100"));
    });
}

void TstWandelnEingabe::hoechstensNeunZiffern()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        QTest::keyClicks(w.Text1, QStringLiteral("1234567890"));
        QCOMPARE(w.Text1->text(), QStringLiteral("123456789"));
        QCOMPARE(w.Text2->text(), QStringLiteral("111010110111100110100010101"));

        taste(Qt::Key_Backspace);
        taste(Qt::Key_Backspace);
        QCOMPARE(w.Text1->text(), QStringLiteral("1234567"));
        QTest::keyClicks(w.Text1, QStringLiteral("99"));
        QCOMPARE(w.Text1->text(), QStringLiteral("123456799"));
        QCOMPARE(w.Text2->text(), QStringLiteral("111010110111100110100011111"));
    });
}

void TstWandelnEingabe::leereEingabeBehaeltErgebnis_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("zeichen"); // the text the platform attaches to the key

    QTest::newRow("backspace") << int(Qt::Key_Backspace) << QStringLiteral("\x08");
    // X11 sends DEL (127) with Delete: still an editing key, not a character.
    QTest::newRow("delete") << int(Qt::Key_Delete) << QStringLiteral("\x7f");
}

void TstWandelnEingabe::leereEingabeBehaeltErgebnis()
{
    QFETCH(int, key);
    QFETCH(QString, zeichen);

    const auto druecke = [&] {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(key), zeichen, Qt::NoModifier);
    };
    oeffneWandeln([&](WandelnSteuerelemente& w) {
        druecke(); // the preset is selected whole
        QCOMPARE(w.Text1->text(), QString());
        QCOMPARE(w.Text2->text(), QStringLiteral("11111111"));

        QTest::keyClicks(w.Text1, QStringLiteral("12"));
        QTest::keyClick(w.Text1, Qt::Key_Home);
        druecke();
        QCOMPARE(w.Text1->text(), key == Qt::Key_Delete ? QStringLiteral("2") : QStringLiteral("12"));
        taste(Qt::Key_End);
        taste(Qt::Key_Backspace);
        taste(Qt::Key_Backspace);
        QCOMPARE(w.Text1->text(), QString());
        QCOMPARE(w.Text2->text(), key == Qt::Key_Delete ? QStringLiteral("00000010") : QStringLiteral("00000001"));
    });
}

void TstWandelnEingabe::eingefuegterText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("basis");
    QTest::addColumn<QString>("ergebnis");

    const QString nicht = QStringLiteral("Wert nicht Numerisch!!!");
    const char* texte[] = {"12a", "-1", "1.5", "1,5", " 12", "1e2", "+7"};
    for (const char* text : texte)
        for (int basis = 1; basis <= 3; ++basis)
            QTest::addRow("\"%s\" option %d", text, basis) << QString::fromLatin1(text) << basis << nicht;
    QTest::newRow("umlaut") << QStringLiteral("\u00e4") << 2 << nicht;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << 3 << nicht;

    QTest::newRow("digits convert") << QStringLiteral("4096") << 3 << QStringLiteral("1000");
    QTest::newRow("10000 digits, cut to nine") << QString(10000, u'9') << 1
                                               << QStringLiteral("111011100110101100100111111111");
}

void TstWandelnEingabe::eingefuegterText()
{
    QFETCH(QString, text);
    QFETCH(int, basis);
    QFETCH(QString, ergebnis);

    oeffneWandeln([&](WandelnSteuerelemente& w) {
        if (basis != 1)
            QTest::mouseClick(w.Option1[basis], Qt::LeftButton);
        // What the context menu's paste does: the key filter never sees it.
        ablage()->setText(text);
        w.Text1->paste();
        QCOMPARE(w.Text1->text(), text.left(9));
        QCOMPARE(w.Text2->text(), ergebnis);
    });
}

void TstWandelnEingabe::basisWaehlen()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        const std::pair<int, QString> klicks[] = {
            {3, QStringLiteral("FF")}, {2, QStringLiteral("377")}, {1, QStringLiteral("11111111")}};
        for (const auto& [basis, ergebnis] : klicks) {
            w.Text2->setFocus(); // the focus has to come back from elsewhere
            QTest::mouseClick(w.Option1[basis], Qt::LeftButton);
            QVERIFY(w.Option1[basis]->isChecked());
            QCOMPARE(w.Text2->text(), ergebnis);
            QCOMPARE(QApplication::focusWidget(), w.Text1);
            QCOMPARE(w.Text1->selectedText(), QStringLiteral("255"));
        }

        // Arrow keys in the group switch the base just like a click.
        taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Option1[1]);
        taste(Qt::Key_Down);
        QVERIFY(w.Option1[2]->isChecked());
        QCOMPARE(w.Text2->text(), QStringLiteral("377"));
        QTRY_COMPARE(QApplication::focusWidget(), w.Text1);
        QCOMPARE(w.Text1->selectedText(), QStringLiteral("255"));

        // The chosen base stays for what is typed next.
        QTest::mouseClick(w.Option1[3], Qt::LeftButton);
        QTest::keyClicks(w.Text1, QStringLiteral("999999999"));
        QCOMPARE(w.Text2->text(), QStringLiteral("3B9AC9FF"));
        QTest::mouseClick(w.Option1[2], Qt::LeftButton);
        QCOMPARE(w.Text2->text(), QStringLiteral("7346544777"));
        QCOMPARE(w.Text1->text(), QStringLiteral("999999999"));
    });
}

void TstWandelnEingabe::ergebnisZumKopieren()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        // Typing into the result changes nothing.
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Text2);
        QCOMPARE(w.Text2->selectedText(), QStringLiteral("11111111"));
        QTest::keyClicks(w.Text2, QStringLiteral("42"));
        QCOMPARE(w.Text2->text(), QStringLiteral("11111111"));

        // A click selects the whole result too, after Qt has placed its caret,
        // and Ctrl+C copies it.
        w.Text1->setFocus();
        QTest::mouseClick(w.Text2, Qt::LeftButton, {}, QPoint(5, w.Text2->height() / 2));
        QCOMPARE(QApplication::focusWidget(), w.Text2);
        QCOMPARE(w.Text2->selectedText(), QStringLiteral("11111111"));
        ablage()->clear();
        taste(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ablage()->text(), QStringLiteral("11111111"));
        taste(Qt::Key_Escape); // closes a dialog, not this window
        QVERIFY(w.fenster->isVisible());

        // A click into the input selects it whole, ready to be typed over; a
        // second click inside it places the caret as usual.
        QTest::mouseClick(w.Text1, Qt::LeftButton, {}, QPoint(5, w.Text1->height() / 2));
        QCOMPARE(QApplication::focusWidget(), w.Text1);
        QCOMPARE(w.Text1->selectedText(), QStringLiteral("255"));
        QTest::mouseClick(w.Text1, Qt::LeftButton, {}, QPoint(5, w.Text1->height() / 2));
        QVERIFY(!w.Text1->hasSelectedText());
    });
}

void TstWandelnEingabe::strgUmschaltCKopiertAlleBasen()
{
    oeffneWandeln([](WandelnSteuerelemente& w) {
        w.Option1[3]->click(); // the window shows one base, the copy all of them
        ablage()->clear();
        taste(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(ablage()->text(), QStringLiteral("Dezimal 255\nDual 11111111\nOktal 377\nHexadezimal FF\n"));
        QVERIFY(w.fenster->accessibleDescription().contains(QStringLiteral("Strg+Umschalt+C")));
    });
}

QTEST_MAIN(TstWandelnEingabe)
#include "tst_wandeln_eingabe.moc"
