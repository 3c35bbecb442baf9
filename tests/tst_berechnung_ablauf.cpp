// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/berechnung.h"
#include "tests/hilfen/eingaben.h"

using namespace netzplaner;

// What a run leaves in the state and on the screen: the start, the consumed
// octets, runs without a mask or an address part, and runs a step ends.
class TstBerechnungAblauf : public QObject {
    Q_OBJECT

private slots:
    void startzustand();
    void bitsfeldFolgtNetzart();
    void zustandNachVollstaendigemLauf();
    void ohneMaskeGiltDieAlte();
    void ohneAdressanteilBleibtDerAlte();
    void fehlerBeendenDenLauf_data();
    void fehlerBeendenDenLauf();
    void fehlerImOktettLaesstIpHalbErneuert();
};

void TstBerechnungAblauf::startzustand()
{
    Berechnung b;
    // As the window starts: the preset "  8 Bit" first, then the class's part.
    b.ausfuehren(eingaben("192.168.4.1", normal, Adressanteil::Bit8, "2"));
    QCOMPARE(b.klassepruefen(), Adressanteil::Bit24);
    const Anzeige a = b.ausfuehren(eingaben("192.168.4.1", normal, Adressanteil::Bit24, "2"));

    QCOMPARE(a.bitsAktiv, false);
    QCOMPARE(QString::fromStdString(*a.klassenText), QStringLiteral("Klasse C Netz"));
    const Ergebnisse& e = *a.ergebnisse;
    const auto leer = QLatin1Char(' ');
    QCOMPARE(punktiert(e.maske.dezimal, leer), QStringLiteral("255 255 255 0"));
    QCOMPARE(punktiert(e.maske.dual, leer), QStringLiteral("11111111 11111111 11111111 00000000"));
    QCOMPARE(punktiert(e.netz.dezimal, leer), QStringLiteral("192 168 4 0"));
    QCOMPARE(punktiert(e.netz.dual, leer), QStringLiteral("11000000 10101000 00000100 00000000"));
    QCOMPARE(punktiert(e.broadcast.dezimal, leer), QStringLiteral("192 168 4 255"));
    QCOMPARE(punktiert(e.broadcast.dual, leer), QStringLiteral("11000000 10101000 00000100 11111111"));
    QCOMPARE(e.anzahl, std::optional<std::string>(""));
    QCOMPARE(b.zustand().klasse, Klasse::C);
    QCOMPARE(b.zustand().anteil, Adressanteil::Bit24);
}

void TstBerechnungAblauf::bitsfeldFolgtNetzart()
{
    Berechnung b;
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", normal, Adressanteil::Bit8, "2")).bitsAktiv, false);
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", sub, Adressanteil::Bit8, "2")).bitsAktiv, true);
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", super, Adressanteil::Bit8, "2")).bitsAktiv, true);
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", std::nullopt, Adressanteil::Bit8, "2")).bitsAktiv, true);
    // Even a run that fails at once has set the field.
    QCOMPARE(b.ausfuehren(eingaben("x.2.3.4", sub, Adressanteil::Bit8, "2")).bitsAktiv, true);
}

void TstBerechnungAblauf::zustandNachVollstaendigemLauf()
{
    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben("10.1.2.3", sub, Adressanteil::Bit16, "3"));
    QCOMPARE(punktiert(a.ergebnisse->maske.dezimal), QStringLiteral("255.255.224.0"));

    // The display consumed the mask and both addresses; ip, klasse and anteil remain.
    const Zustand& z = b.zustand();
    QCOMPARE(punktiert(z.subnet), QStringLiteral("0.0.0.0"));
    QCOMPARE(punktiert(z.netz), QStringLiteral("0.0.0.0"));
    QCOMPARE(punktiert(z.broad), QStringLiteral("0.0.0.0"));
    QCOMPARE(punktiert(z.ip), QStringLiteral("10.1.2.3"));
    QCOMPARE(z.klasse, Klasse::A);
    QCOMPARE(z.anteil, Adressanteil::Bit16);
}

void TstBerechnungAblauf::ohneMaskeGiltDieAlte()
{
    // Bit counts above 8 and a missing net kind write no mask: the run works
    // with what the previous complete run left, 0.0.0.0.
    for (const auto& e : {eingaben("10.1.2.3", sub, Adressanteil::Bit16, "9"),
                          eingaben("10.1.2.3", super, Adressanteil::Bit16, "255"),
                          eingaben("10.1.2.3", std::nullopt, Adressanteil::Bit16, "3")}) {
        Berechnung b;
        b.ausfuehren(eingaben("10.1.2.3", sub, Adressanteil::Bit16, "3"));
        const Anzeige a = b.ausfuehren(e);
        QVERIFY(a.vollstaendig());
        QCOMPARE(punktiert(a.ergebnisse->maske.dezimal), QStringLiteral("0.0.0.0"));
        QCOMPARE(punktiert(a.ergebnisse->netz.dezimal), QStringLiteral("0.0.0.0"));
        QCOMPARE(punktiert(a.ergebnisse->broadcast.dezimal), QStringLiteral("255.255.255.255"));
    }

    // Without a net kind the counts text is left as it stands.
    Berechnung b;
    QVERIFY(!b.ausfuehren(eingaben("10.1.2.3", std::nullopt, Adressanteil::Bit16, "3")).ergebnisse->anzahl);
}

void TstBerechnungAblauf::ohneAdressanteilBleibtDerAlte()
{
    Berechnung b;
    b.ausfuehren(eingaben("10.1.2.3", normal, Adressanteil::Bit16, "2"));
    const Anzeige a = b.ausfuehren(eingaben("10.1.2.3", sub, std::nullopt, "2"));
    QCOMPARE(punktiert(a.ergebnisse->maske.dezimal), QStringLiteral("255.255.192.0"));
    QCOMPARE(QString::fromStdString(*a.ergebnisse->anzahl), QStringLiteral("max: 16382 Hosts\r\npro Subnetz"));
}

void TstBerechnungAblauf::fehlerBeendenDenLauf_data()
{
    QTest::addColumn<int>("feld"); // 0..3 an octet field, 4 the bit count
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("klassenText"); // did the run reach the caption?

    const QList<QByteArray> texte = {
        "", " ", "-1", "256", "12a", "1,5", ":", QByteArray(10000, '7'), QByteArray(10000, 'x'),
        QString::fromUtf16(u"\u00fc\u0663").toUtf8(),
    };
    for (const QByteArray& text : texte) {
        const QByteArray name = text.left(12).toPercentEncoding();
        QTest::addRow("octet 1 '%s'", name.constData()) << 0 << text << false;
        QTest::addRow("octet 3 '%s'", name.constData()) << 2 << text << true;
        QTest::addRow("bits '%s'", name.constData()) << 4 << text << true;
    }
}

void TstBerechnungAblauf::fehlerBeendenDenLauf()
{
    QFETCH(int, feld);
    QFETCH(QByteArray, text);
    QFETCH(bool, klassenText);

    Berechnung b;
    const Anzeige vorher = b.ausfuehren(eingaben("10.1.2.3", sub, Adressanteil::Bit8, "2"));
    QVERIFY(vorher.vollstaendig());
    const Zustand zustandVorher = b.zustand();

    Eingaben e = eingaben("172.1.2.3", sub, Adressanteil::Bit16, "3");
    if (feld < 4)
        e.oktette[std::size_t(feld)] = text.toStdString();
    else
        e.bits = text.toStdString();
    const Anzeige a = b.ausfuehren(e);

    QVERIFY(!a.vollstaendig());
    QCOMPARE(a.bitsAktiv, true);
    QCOMPARE(a.klassenText.has_value(), klassenText);
    if (klassenText)
        QCOMPARE(b.zustand().klasse, Klasse::B);
    else
        QCOMPARE(b.zustand().klasse, zustandVorher.klasse);

    // The results of the earlier run stay as they were shown.
    if (feld == 4) {
        // The address part is taken before the bit count is read; no mask is written.
        QCOMPARE(b.zustand().anteil, Adressanteil::Bit16);
        QCOMPARE(punktiert(b.zustand().subnet), QStringLiteral("0.0.0.0"));
    }
    QCOMPARE(punktiert(b.zustand().netz), QStringLiteral("0.0.0.0"));
    QCOMPARE(punktiert(b.zustand().broad), QStringLiteral("0.0.0.0"));
}

void TstBerechnungAblauf::fehlerImOktettLaesstIpHalbErneuert()
{
    Berechnung b;
    b.ausfuehren(eingaben("10.1.2.3", normal, Adressanteil::Bit8, "2"));
    const Anzeige a = b.ausfuehren(eingaben("20.30.x.50", normal, Adressanteil::Bit8, "2"));
    QVERIFY(!a.vollstaendig());
    QCOMPARE(punktiert(b.zustand().ip), QStringLiteral("20.30.2.3"));
    // The mask of the stopped run is still there, since nothing displayed it.
    QCOMPARE(punktiert(b.zustand().subnet), QStringLiteral("255.0.0.0"));
}

QTEST_APPLESS_MAIN(TstBerechnungAblauf)
#include "tst_berechnung_ablauf.moc"
