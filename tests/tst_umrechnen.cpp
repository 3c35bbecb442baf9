// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "converter/umrechnen.h"
#include "converter/zahlpruefen.h"

using namespace netzplaner;

class TstUmrechnen : public QObject {
    Q_OBJECT

private slots:
    void alleBasen_data();
    void alleBasen();
    void leereEingabeGibtKeinErgebnis();
    void zahlpruefen_data();
    void zahlpruefen();
};

void TstUmrechnen::alleBasen_data()
{
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<QString>("dual");
    QTest::addColumn<QString>("oktal");
    QTest::addColumn<QString>("hexadezimal");

    QTest::newRow("0") << QByteArray("0") << "00000000" << "0" << "0";
    QTest::newRow("255") << QByteArray("255") << "11111111" << "377" << "FF";
    QTest::newRow("leading zeros") << QByteArray("007") << "00000111" << "7" << "7";
    QTest::newRow("256 has nine binary digits") << QByteArray("256") << "100000000" << "400" << "100";
    QTest::newRow("hex letters upper case") << QByteArray("43981") << "1010101111001101" << "125715" << "ABCD";
    QTest::newRow("largest input") << QByteArray("999999999") << "111011100110101100100111111111"
                                   << "7346544777" << "3B9AC9FF";
    QTest::newRow("only zeros") << QByteArray("000000000") << "00000000" << "0" << "0";
    QTest::newRow("10000 zeros before a number") << QByteArray(10000, '0') + "255" << "11111111" << "377" << "FF";

    // Every base answers with the same error text: never a number that the
    // input does not hold.
    const QString nicht = QStringLiteral("Wert nicht Numerisch!!!");
    const QString gross = QStringLiteral("Zahl ist zu gross!!!");
    auto fehler = [](const char* name, const QByteArray& eingabe, const QString& meldung) {
        QTest::newRow(name) << eingabe << meldung << meldung << meldung;
    };
    fehler("blank before", " 12", nicht);
    fehler("blank after", "12 ", nicht);
    fehler("minus sign", "-1", nicht);
    fehler("plus sign", "+1", nicht);
    fehler("decimal point", "1.5", nicht);
    fehler("decimal comma", "1,5", nicht);
    fehler("letter after digits", "12a", nicht);
    fehler("exponent", "1e2", nicht);
    fehler("hex prefix", "0x1F", nicht);
    fehler("tab", "1\t2", nicht);
    fehler("nul inside", QByteArray("1\0" "2", 3), nicht);
    fehler("Arabic-Indic digit", QString::fromUtf16(u"\u0663").toUtf8(), nicht);
    fehler("fullwidth digits", QString::fromUtf16(u"\uff11\uff12").toUtf8(), nicht);
    fehler("umlaut", QString::fromUtf16(u"\u00e4").toUtf8(), nicht);
    fehler("10000 letters", QByteArray(10000, 'x'), nicht);
    fehler("one above the limit", "1000000000", gross);
    fehler("above 32 bits", "4294967296", gross);
    fehler("10000 digits", QByteArray(10000, '9'), gross);
}

void TstUmrechnen::alleBasen()
{
    QFETCH(QByteArray, eingabe);
    QFETCH(QString, dual);
    QFETCH(QString, oktal);
    QFETCH(QString, hexadezimal);

    const std::string text = eingabe.toStdString();
    const std::pair<Zahlensystem, QString> faelle[] = {
        {Zahlensystem::Dual, dual}, {Zahlensystem::Oktal, oktal}, {Zahlensystem::Hexadezimal, hexadezimal}};
    for (const auto& [ziel, erwartet] : faelle) {
        const auto ergebnis = umrechnen(text, ziel);
        QVERIFY(ergebnis.has_value());
        QCOMPARE(QString::fromStdString(ergebnis->text), erwartet);
        // The window is told of a failure by the status, not by the wording.
        QCOMPARE(ergebnis->gelungen, !erwartet.endsWith(QLatin1String("!!!")));
    }
}

void TstUmrechnen::leereEingabeGibtKeinErgebnis()
{
    for (const auto ziel : {Zahlensystem::Dual, Zahlensystem::Oktal, Zahlensystem::Hexadezimal})
        QVERIFY(!umrechnen(std::string(), ziel).has_value());
}

void TstUmrechnen::zahlpruefen_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("durch");

    QTest::newRow("backspace") << 8 << true;
    for (int ziffer = 0; ziffer <= 9; ++ziffer)
        QTest::addRow("digit %d", ziffer) << '0' + ziffer << true;

    QTest::newRow("nothing typed") << 0 << false;
    QTest::newRow("Ctrl+C") << 3 << false;
    QTest::newRow("Ctrl+V") << 22 << false;
    QTest::newRow("Ctrl+X") << 24 << false;
    QTest::newRow("tab") << 9 << false;
    QTest::newRow("Enter") << 13 << false;
    QTest::newRow("Escape") << 27 << false;
    QTest::newRow("blank") << 32 << false;
    QTest::newRow("plus") << int('+') << false;
    QTest::newRow("comma") << int(',') << false;
    QTest::newRow("minus") << int('-') << false;
    QTest::newRow("point") << int('.') << false;
    QTest::newRow("slash, just below 0") << int('/') << false;
    QTest::newRow("colon, just above 9") << int(':') << false;
    QTest::newRow("A") << int('A') << false;
    QTest::newRow("e") << int('e') << false;
    QTest::newRow("z") << int('z') << false;
    QTest::newRow("delete") << 127 << false;
    QTest::newRow("a umlaut") << 0xe4 << false;
    QTest::newRow("Arabic-Indic digit three") << 0x663 << false;
    QTest::newRow("largest code") << 32767 << false;
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("negated digit code") << -int('0') << false;
    QTest::newRow("smallest code") << -32768 << false;
}

void TstUmrechnen::zahlpruefen()
{
    QFETCH(int, code);
    QFETCH(bool, durch);

    auto wert = static_cast<std::int16_t>(code);
    const std::int16_t vorher = wert;
    netzplaner::zahlpruefen(wert);
    QCOMPARE(int(wert), durch ? int(vorher) : 0);
}

QTEST_APPLESS_MAIN(TstUmrechnen)
#include "tst_umrechnen.moc"
