// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/tabellenfeld.h"
#include "calc/text.h"

using namespace netzplaner;

class TstText : public QObject {
    Q_OBJECT

private slots:
    void textZuByte_data();
    void textZuByte();
    void sortierung_data();
    void sortierung();
    void zahlAlsText_data();
    void zahlAlsText();
    void tabellenfeldStartetKeineFormel_data();
    void tabellenfeldStartetKeineFormel();
};

void TstText::textZuByte_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("erwartet"); // -1: the conversion fails

    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("255") << QByteArray("255") << 255;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("blanks around") << QByteArray(" 12\t") << 12;
    QTest::newRow("plus sign") << QByteArray("+5") << 5;
    QTest::newRow("exponent") << QByteArray("1e2") << 100;
    QTest::newRow("half rounds to even, down") << QByteArray("2.5") << 2;
    QTest::newRow("half rounds to even, up") << QByteArray("3.5") << 4;
    QTest::newRow("254.5 stays in range") << QByteArray("254.5") << 254;
    QTest::newRow("fraction only") << QByteArray(".6") << 1;
    QTest::newRow("trailing point") << QByteArray("5.") << 5;
    QTest::newRow("small negative rounds to 0") << QByteArray("-0.4") << 0;
    QTest::newRow("minus half rounds to even 0") << QByteArray("-0.5") << 0;
    QTest::newRow("long run of zeros") << QByteArray(10000, '0') + "7" << 7;
    // Numbers below double's range are numbers all the same, and round to 0.
    QTest::newRow("underflow") << QByteArray("1e-400") << 0;
    QTest::newRow("negative underflow") << QByteArray("-7e-999") << 0;
    QTest::newRow("underflow, point first") << QByteArray(".000001e-320") << 0;
    QTest::newRow("underflow, huge exponent") << QByteArray("1e-99999999999999999999") << 0;
    QTest::newRow("underflow of a long mantissa") << QByteArray(400, '9') + "e-800" << 0;

    QTest::newRow("empty") << QByteArray("") << -1;
    QTest::newRow("blank") << QByteArray(" ") << -1;
    QTest::newRow("negative") << QByteArray("-1") << -1;
    QTest::newRow("rounds to -1") << QByteArray("-0.6") << -1;
    QTest::newRow("256") << QByteArray("256") << -1;
    QTest::newRow("255.5 rounds to 256") << QByteArray("255.5") << -1;
    QTest::newRow("trailing letter") << QByteArray("12a") << -1;
    QTest::newRow("decimal comma") << QByteArray("1,5") << -1;
    QTest::newRow("hex") << QByteArray("0x10") << -1;
    QTest::newRow("inf") << QByteArray("inf") << -1;
    QTest::newRow("nan") << QByteArray("nan") << -1;
    QTest::newRow("lone point") << QByteArray(".") << -1;
    QTest::newRow("lone sign") << QByteArray("-") << -1;
    QTest::newRow("exponent without digits") << QByteArray("1e") << -1;
    QTest::newRow("huge exponent") << QByteArray("1e400") << -1;
    QTest::newRow("overflow despite a negative exponent") << "1" + QByteArray(400, '0') + "e-10" << -1;
    QTest::newRow("overflow after a point") << QByteArray("0.1e99999999999999999999") << -1;
    QTest::newRow("blank inside") << QByteArray("1 2") << -1;
    QTest::newRow("embedded NUL") << QByteArray("1\0", 2) << -1;
    QTest::newRow("10000 digits") << QByteArray(10000, '1') << -1;
    QTest::newRow("10000 letters") << QByteArray(10000, 'x') << -1;
    QTest::newRow("fullwidth digits") << QString::fromUtf16(u"\uFF11\uFF12").toUtf8() << -1;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf16(u"\u0663").toUtf8() << -1;
    QTest::newRow("umlaut") << QString::fromUtf16(u"\u00e4").toUtf8() << -1;
}

void TstText::textZuByte()
{
    QFETCH(QByteArray, text);
    QFETCH(int, erwartet);

    const auto byte = netzplaner::textZuByte(std::string_view(text.constData(), text.size()));
    QCOMPARE(byte.has_value(), erwartet >= 0);
    if (byte)
        QCOMPARE(int(*byte), erwartet);
}

void TstText::sortierung_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("anderer");
    QTest::addColumn<int>("ordnung"); // -1 before, 0 equal, 1 after

    QTest::newRow("empty before 0") << "" << "0" << -1;
    QTest::newRow("0 before 1") << "0" << "1" << -1;
    QTest::newRow("equal") << "7" << "7" << 0;
    QTest::newRow("8 after 7") << "8" << "7" << 1;
    QTest::newRow("colon after 7") << ":" << "7" << 1;
    QTest::newRow("letter after 7") << "a" << "7" << 1;
    QTest::newRow("not numeric: 10 before 7") << "10" << "7" << -1;
    QTest::newRow("longer after its prefix") << "70" << "7" << 1;
    QTest::newRow("minus before 0") << "-1" << "0" << -1;
    QTest::newRow("blank before 1") << " " << "1" << -1;
    QTest::newRow("non-ASCII after ASCII") << QString::fromUtf16(u"\u00e4") << "z" << 1;
    QTest::newRow("code point order beyond the BMP")
        << QString::fromUtf16(u"\U0001F600") << QString::fromUtf16(u"\uFF11") << 1;
}

void TstText::sortierung()
{
    QFETCH(QString, text);
    QFETCH(QString, anderer);
    QFETCH(int, ordnung);

    const std::string a = text.toStdString();
    const std::string b = anderer.toStdString();
    QCOMPARE(sortiertVor(a, b), ordnung < 0);
    QCOMPARE(sortiertNach(a, b), ordnung > 0);
}

void TstText::zahlAlsText_data()
{
    QTest::addColumn<double>("zahl");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 7.0 << "7";
    QTest::newRow("largest host count") << 16777214.0 << "16777214";
    QTest::newRow("negative") << -1.0 << "-1";
    QTest::newRow("fraction") << 0.5 << "0.5";
}

void TstText::zahlAlsText()
{
    QFETCH(double, zahl);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(netzplaner::zahlAlsText(zahl)), text);
}

void TstText::tabellenfeldStartetKeineFormel_data()
{
    QTest::addColumn<QByteArray>("feld");
    QTest::addColumn<QByteArray>("geschrieben");

    QTest::newRow("formula") << QByteArray("=HYPERLINK(\"http://x.example\")") << QByteArray("'=HYPERLINK(\"http://x.example\")");
    QTest::newRow("plus") << QByteArray("+A1") << QByteArray("'+A1");
    QTest::newRow("minus text") << QByteArray("-Büro") << QByteArray("'-Büro");
    QTest::newRow("at") << QByteArray("@SUM(A1)") << QByteArray("'@SUM(A1)");
    QTest::newRow("tab") << QByteArray("\t=1") << QByteArray("'\t=1");
    QTest::newRow("carriage return") << QByteArray("\r=1") << QByteArray("'\r=1");
    QTest::newRow("lone minus") << QByteArray("-") << QByteArray("'-");
    QTest::newRow("negative number") << QByteArray("-5") << QByteArray("-5");
    QTest::newRow("signed decimal") << QByteArray("+1.234,5") << QByteArray("+1.234,5");
    QTest::newRow("minus then formula") << QByteArray("-1+1") << QByteArray("'-1+1");
    QTest::newRow("address") << QByteArray("10.0.0.0/8") << QByteArray("10.0.0.0/8");
    QTest::newRow("equals inside") << QByteArray("a=b") << QByteArray("a=b");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TstText::tabellenfeldStartetKeineFormel()
{
    QFETCH(QByteArray, feld);
    QFETCH(QByteArray, geschrieben);
    QCOMPARE(QByteArray::fromStdString(netzplaner::alsTabellenfeld(feld.toStdString())), geschrieben);
}

QTEST_APPLESS_MAIN(TstText)
#include "tst_text.moc"
