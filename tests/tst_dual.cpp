// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/dual.h"

using namespace netzplaner;

class TstDual : public QObject {
    Q_OBJECT

private slots:
    void byteWirdVerbraucht_data();
    void byteWirdVerbraucht();
    void text_data();
    void text();
    void umkehren_data();
    void umkehren();
};

void TstDual::byteWirdVerbraucht_data()
{
    QTest::addColumn<int>("wert");
    QTest::addColumn<QString>("dual");

    QTest::newRow("0") << 0 << "00000000";
    QTest::newRow("1") << 1 << "00000001";
    QTest::newRow("5") << 5 << "00000101";
    QTest::newRow("6") << 6 << "00000110";
    QTest::newRow("128") << 128 << "10000000";
    QTest::newRow("192") << 192 << "11000000";
    QTest::newRow("255") << 255 << "11111111";
}

void TstDual::byteWirdVerbraucht()
{
    QFETCH(int, wert);
    QFETCH(QString, dual);

    auto byte = static_cast<std::uint8_t>(wert);
    QCOMPARE(QString::fromStdString(dualwandeln(byte)), dual);
    QCOMPARE(int(byte), 0);
}

void TstDual::text_data()
{
    QTest::addColumn<QByteArray>("wert");
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<QByteArray>("danach"); // the caller's text afterwards

    const QByteArray nichtNumerisch("Wert nicht Numerisch!!!");
    const QByteArray zuGross("Zahl ist zu gross!!!");

    QTest::newRow("0") << QByteArray("0") << "00000000" << QByteArray("0");
    QTest::newRow("nine digits, no truncation") << QByteArray("256") << "100000000" << QByteArray("0");
    QTest::newRow("1000") << QByteArray("1000") << "1111101000" << QByteArray("0");
    QTest::newRow("617") << QByteArray("617") << "1001101001" << QByteArray("0");
    QTest::newRow("leading zeros") << QByteArray("0012") << "00001100" << QByteArray("0");
    QTest::newRow("limit") << QByteArray("999999999") << "111011100110101100100111111111" << QByteArray("0");
    QTest::newRow("zeros before the limit") << QByteArray(10000, '0') + "999999999"
                                            << "111011100110101100100111111111" << QByteArray("0");

    QTest::newRow("above the limit") << QByteArray("1000000000") << QString(zuGross) << QByteArray("1000000000");
    QTest::newRow("10000 digits") << QByteArray(10000, '9') << QString(zuGross) << QByteArray(10000, '9');

    QTest::newRow("empty") << QByteArray() << QString(nichtNumerisch) << QByteArray();
    QTest::newRow("trailing letter") << QByteArray("12a") << QString(nichtNumerisch) << QByteArray("12a");
    QTest::newRow("blank") << QByteArray(" 12") << QString(nichtNumerisch) << QByteArray(" 12");
    QTest::newRow("sign") << QByteArray("-1") << QString(nichtNumerisch) << QByteArray("-1");
    QTest::newRow("fraction") << QByteArray("1.5") << QString(nichtNumerisch) << QByteArray("1.5");
    QTest::newRow("exponent") << QByteArray("1e2") << QString(nichtNumerisch) << QByteArray("1e2");
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf16(u"\u0663").toUtf8() << QString(nichtNumerisch)
                                        << QString::fromUtf16(u"\u0663").toUtf8();
}

void TstDual::text()
{
    QFETCH(QByteArray, wert);
    QFETCH(QString, ergebnis);
    QFETCH(QByteArray, danach);

    std::string variable = wert.toStdString();
    QCOMPARE(QString::fromStdString(dualwandeln(variable)), ergebnis);
    QCOMPARE(QByteArray::fromStdString(variable), danach);
}

void TstDual::umkehren_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("umgekehrt");

    QTest::newRow("abc") << "abc" << "cba";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("one character") << "x" << "x";
    QTest::newRow("multi-byte characters stay whole")
        << QString::fromUtf16(u"\u00e4b\U0001F600") << QString::fromUtf16(u"\U0001F600b\u00e4");
}

void TstDual::umkehren()
{
    QFETCH(QString, text);
    QFETCH(QString, umgekehrt);

    const std::string original = text.toStdString();
    QCOMPARE(QString::fromStdString(netzplaner::umkehren(original)), umgekehrt);
    QCOMPARE(QString::fromStdString(original), text);
}

QTEST_APPLESS_MAIN(TstDual)
#include "tst_dual.moc"
