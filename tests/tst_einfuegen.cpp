// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/einfuegen.h"

using namespace netzplaner;

Q_DECLARE_METATYPE(Adressanteil)

class TstEinfuegen : public QObject {
    Q_OBJECT

private slots:
    void leseAdresse_data();
    void leseAdresse();
    void waehleFuerPraefix_data();
    void waehleFuerPraefix();
};

void TstEinfuegen::leseAdresse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("erwartet"); // "a.b.c.d" or "a.b.c.d/p"; empty: refused

    QTest::newRow("address") << QByteArray("10.1.2.3") << "10.1.2.3";
    QTest::newRow("line break and blanks around") << QByteArray(" \t10.1.2.3\r\n") << "10.1.2.3";
    QTest::newRow("leading zeros") << QByteArray("010.001.002.000") << "10.1.2.0";
    QTest::newRow("extremes") << QByteArray("255.255.255.255/0") << "255.255.255.255/0";
    QTest::newRow("prefix") << QByteArray("\n10.1.2.0/22\n") << "10.1.2.0/22";
    QTest::newRow("/32") << QByteArray("0.0.0.0/32") << "0.0.0.0/32";
    QTest::newRow("prefix with a leading zero") << QByteArray("1.2.3.4/08") << "1.2.3.4/8";
    QTest::newRow("mask") << QByteArray("10.1.2.0 255.255.252.0") << "10.1.2.0/22";
    QTest::newRow("tab before mask") << QByteArray("10.1.2.0\t255.255.252.0") << "10.1.2.0/22";
    QTest::newRow("blanks and tabs before mask") << QByteArray("10.1.2.0 \t  255.255.252.000 ") << "10.1.2.0/22";
    QTest::newRow("mask 0.0.0.0") << QByteArray("1.2.3.4 0.0.0.0") << "1.2.3.4/0";
    QTest::newRow("mask of 32 ones") << QByteArray("1.2.3.4 255.255.255.255") << "1.2.3.4/32";
    QTest::newRow("10000 blanks around") << QByteArray(5000, ' ') + "1.2.3.4" + QByteArray(5000, '\n') << "1.2.3.4";

    QTest::newRow("empty") << QByteArray("") << "";
    QTest::newRow("blanks only") << QByteArray(" \r\n\t") << "";
    QTest::newRow("digits only") << QByteArray("300") << "";
    QTest::newRow("three octets") << QByteArray("1.2.3") << "";
    QTest::newRow("five octets") << QByteArray("1.2.3.4.5") << "";
    QTest::newRow("trailing dot") << QByteArray("1.2.3.4.") << "";
    QTest::newRow("empty octet") << QByteArray("1..2.3") << "";
    QTest::newRow("256") << QByteArray("1.2.3.256") << "";
    QTest::newRow("four digits, not cut to 123") << QByteArray("1234.0.0.1") << "";
    QTest::newRow("sign") << QByteArray("+1.2.3.4") << "";
    QTest::newRow("signed prefix") << QByteArray("1.2.3.4/-0") << "";
    QTest::newRow("33") << QByteArray("1.2.3.4/33") << "";
    QTest::newRow("three-digit prefix") << QByteArray("1.2.3.4/008") << "";
    QTest::newRow("empty prefix") << QByteArray("1.2.3.4/") << "";
    QTest::newRow("blank before prefix") << QByteArray("1.2.3.4 /8") << "";
    QTest::newRow("prefix and mask") << QByteArray("1.2.3.0/24 255.255.255.0") << "";
    QTest::newRow("non-contiguous mask") << QByteArray("1.2.3.4 255.0.255.0") << "";
    QTest::newRow("wildcard mask") << QByteArray("1.2.3.4 0.0.0.255") << "";
    QTest::newRow("line break before mask") << QByteArray("1.2.3.4\n255.0.0.0") << "";
    QTest::newRow("letters") << QByteArray("10.1.2.3a") << "";
    QTest::newRow("hex") << QByteArray("0x0a.1.2.3") << "";
    QTest::newRow("IPv6") << QByteArray("fe80::1/64") << "";
    QTest::newRow("IPv4 in IPv6") << QByteArray("::ffff:10.1.2.3") << "";
    QTest::newRow("embedded NUL") << QByteArray("1.2.3.4\0", 8) << "";
    QTest::newRow("10000 characters") << QByteArray("1.2.3.4") + QByteArray(9993, '5') << "";
    QTest::newRow("10000 addresses' characters") << QByteArray("1.2.3.4 ").repeated(1250) << "";
    QTest::newRow("fullwidth digits") << QString::fromUtf16(u"\uFF11.\uFF12.\uFF13.\uFF14").toUtf8() << "";
    QTest::newRow("no-break space before mask") << QString::fromUtf16(u"1.2.3.4\u00a0255.0.0.0").toUtf8() << "";
    QTest::newRow("umlaut after") << QString::fromUtf16(u"1.2.3.4\u00e4").toUtf8() << "";
}

void TstEinfuegen::leseAdresse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, erwartet);

    const auto adresse = netzplaner::leseAdresse(std::string_view(text.constData(), text.size()));
    QString gelesen;
    if (adresse) {
        const Oktette& o = adresse->oktette;
        gelesen = QStringLiteral("%1.%2.%3.%4").arg(o[0]).arg(o[1]).arg(o[2]).arg(o[3]);
        if (adresse->praefix)
            gelesen += QStringLiteral("/%1").arg(*adresse->praefix);
    }
    QCOMPARE(gelesen, erwartet);
}

void TstEinfuegen::waehleFuerPraefix_data()
{
    QTest::addColumn<Adressanteil>("klassenanteil");
    // The choice for p = 0..32: "k" Normal with address part k, "k+n" Sub Netz, "k-n" Super Netz.
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("class A, 20 between 16 and 24 goes to 16") << Adressanteil::Bit8
        << "8-8 8-7 8-6 8-5 8-4 8-3 8-2 8-1 8 8+1 8+2 8+3 8+4 8+5 8+6 8+7 8+8 "
           "16+1 16+2 16+3 16+4 24-3 24-2 24-1 24 24+1 24+2 24+3 24+4 24+5 24+6 24+7 24+8";
    QTest::newRow("class B") << Adressanteil::Bit16
        << "8-8 8-7 8-6 8-5 8-4 8-3 8-2 8-1 16-8 16-7 16-6 16-5 16-4 16-3 16-2 16-1 16 "
           "16+1 16+2 16+3 16+4 16+5 16+6 16+7 16+8 24+1 24+2 24+3 24+4 24+5 24+6 24+7 24+8";
    QTest::newRow("class C, 12 between 8 and 16 goes to 16") << Adressanteil::Bit24
        << "8-8 8-7 8-6 8-5 8-4 8-3 8-2 8-1 8 8+1 8+2 8+3 16-4 16-3 16-2 16-1 "
           "24-8 24-7 24-6 24-5 24-4 24-3 24-2 24-1 24 24+1 24+2 24+3 24+4 24+5 24+6 24+7 24+8";
}

void TstEinfuegen::waehleFuerPraefix()
{
    QFETCH(Adressanteil, klassenanteil);
    QFETCH(QString, erwartet);

    QStringList gewaehlt;
    for (int p = 0; p <= 32; ++p) {
        const Praefixwahl wahl = netzplaner::waehleFuerPraefix(p, klassenanteil);
        QString text = QString::number(8 * (int(wahl.anteil) + 1));
        if (wahl.netzart == Netzart::Normal)
            QVERIFY2(!wahl.bits, "Normal leaves the bit-count field alone");
        else if (wahl.bits)
            text += (wahl.netzart == Netzart::SubNetz ? "+" : "-") + QString::number(*wahl.bits);
        else
            text += "?no bits";
        gewaehlt << text;
    }
    QCOMPARE(gewaehlt.join(' '), erwartet);
}

QTEST_APPLESS_MAIN(TstEinfuegen)
#include "tst_einfuegen.moc"
