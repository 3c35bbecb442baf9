#include <QTest>

#include "calc/berechnung.h"

using namespace netzplaner;

Q_DECLARE_METATYPE(Netzart)
Q_DECLARE_METATYPE(Adressanteil)

namespace {

Eingaben eingaben(const QString& adresse, std::optional<Netzart> netzart,
                  std::optional<Adressanteil> anteil, const QString& bits)
{
    Eingaben e;
    const QStringList teile = adresse.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i)
        e.oktette[std::size_t(i)] = teile.value(i).toStdString();
    e.netzart = netzart;
    e.adressanteil = anteil;
    e.bits = bits.toStdString();
    return e;
}

QString punktiert(const std::array<std::string, 4>& oktette, QLatin1Char trenner = QLatin1Char('.'))
{
    QStringList teile;
    for (const auto& o : oktette)
        teile << QString::fromStdString(o);
    return teile.join(trenner);
}

QString punktiert(const Oktette& oktette)
{
    return QStringLiteral("%1.%2.%3.%4").arg(oktette[0]).arg(oktette[1]).arg(oktette[2]).arg(oktette[3]);
}

const auto normal = Netzart::Normal;
const auto sub = Netzart::SubNetz;
const auto super = Netzart::SuperNetz;

} // namespace

class TstBerechnung : public QObject {
    Q_OBJECT

private slots:
    void maske_data();
    void maske();
    void anzahl_data();
    void anzahl();
    void klasse_data();
    void klasse();
    void netzUndBroadcast_data();
    void netzUndBroadcast();
    void startzustand();
    void bitsfeldFolgtNetzart();
    void zustandNachVollstaendigemLauf();
    void ohneMaskeGiltDieAlte();
    void ohneAdressanteilBleibtDerAlte();
    void fehlerBeendenDenLauf_data();
    void fehlerBeendenDenLauf();
    void fehlerImOktettLaesstIpHalbErneuert();
};

void TstBerechnung::maske_data()
{
    QTest::addColumn<Netzart>("netzart");
    QTest::addColumn<Adressanteil>("anteil");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("maske");

    const Adressanteil anteile[] = {Adressanteil::Bit8, Adressanteil::Bit16, Adressanteil::Bit24};
    // Row per address part, columns n = 1..8.
    const char* subMasken[3][8] = {
        {"255.128.0.0", "255.192.0.0", "255.224.0.0", "255.240.0.0", "255.248.0.0", "255.252.0.0", "255.254.0.0",
         "255.255.0.0"},
        {"255.255.128.0", "255.255.192.0", "255.255.224.0", "255.255.240.0", "255.255.248.0", "255.255.252.0",
         "255.255.254.0", "255.255.255.0"},
        {"255.255.255.128", "255.255.255.192", "255.255.255.224", "255.255.255.240", "255.255.255.248",
         "255.255.255.252", "255.255.255.254", "255.255.255.255"},
    };
    const char* superMasken[3][8] = {
        {"254.0.0.0", "252.0.0.0", "248.0.0.0", "240.0.0.0", "224.0.0.0", "192.0.0.0", "128.0.0.0", "0.0.0.0"},
        {"255.254.0.0", "255.252.0.0", "255.248.0.0", "255.240.0.0", "255.224.0.0", "255.192.0.0", "255.128.0.0",
         "255.0.0.0"},
        {"255.255.254.0", "255.255.252.0", "255.255.248.0", "255.255.240.0", "255.255.224.0", "255.255.192.0",
         "255.255.128.0", "255.255.0.0"},
    };
    const char* klassenMasken[3] = {"255.0.0.0", "255.255.0.0", "255.255.255.0"};

    for (int a = 0; a < 3; ++a) {
        const int k = 8 * (a + 1);
        for (int n = 1; n <= 8; ++n) {
            QTest::addRow("sub /%d n=%d", k, n) << sub << anteile[a] << QString::number(n) << subMasken[a][n - 1];
            QTest::addRow("super /%d n=%d", k, n)
                << super << anteile[a] << QString::number(n) << superMasken[a][n - 1];
        }
        // Normal ignores the bit count, whatever the field holds.
        QTest::addRow("normal /%d", k) << normal << anteile[a] << "7" << klassenMasken[a];
        QTest::addRow("normal /%d, letters in bits", k) << normal << anteile[a] << "x" << klassenMasken[a];
        QTest::addRow("normal /%d, empty bits", k) << normal << anteile[a] << "" << klassenMasken[a];
        // A bit count of 0 keeps the address part's own mask.
        QTest::addRow("sub /%d n=0", k) << sub << anteile[a] << "0" << klassenMasken[a];
        QTest::addRow("super /%d n=0", k) << super << anteile[a] << "0" << klassenMasken[a];
    }
}

void TstBerechnung::maske()
{
    QFETCH(Netzart, netzart);
    QFETCH(Adressanteil, anteil);
    QFETCH(QString, bits);
    QFETCH(QString, maske);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben("192.168.4.1", netzart, anteil, bits));
    QVERIFY(a.vollstaendig());
    QCOMPARE(punktiert(a.ergebnisse->maske.dezimal), maske);
}

void TstBerechnung::anzahl_data()
{
    QTest::addColumn<Netzart>("netzart");
    QTest::addColumn<Adressanteil>("anteil");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("text");

    const char* netze[9] = {"1", "2", "4", "8", "16", "32", "64", "128", "256"};
    const char* hosts[3][9] = {
        {"16777214", "8388606", "4194302", "2097150", "1048574", "524286", "262142", "131070", "65534"},
        {"65534", "32766", "16382", "8190", "4094", "2046", "1022", "510", "254"},
        {"254", "126", "62", "30", "14", "6", "2", "0", "0"},
    };
    const Adressanteil anteile[] = {Adressanteil::Bit8, Adressanteil::Bit16, Adressanteil::Bit24};

    for (int b = 0; b <= 8; ++b) {
        for (int a = 0; a < 3; ++a) {
            QTest::addRow("super /%d b=%d", 8 * (a + 1), b)
                << super << anteile[a] << b
                << QStringLiteral("max: %1 Netze können\r\nverbunden werden").arg(netze[b]);
            QTest::addRow("sub /%d b=%d", 8 * (a + 1), b)
                << sub << anteile[a] << b << QStringLiteral("max: %1 Hosts\r\npro Subnetz").arg(hosts[a][b]);
        }
    }
    QTest::newRow("normal is empty") << normal << Adressanteil::Bit24 << 2 << QString();
}

void TstBerechnung::anzahl()
{
    QFETCH(Netzart, netzart);
    QFETCH(Adressanteil, anteil);
    QFETCH(int, bits);
    QFETCH(QString, text);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben("10.1.2.3", netzart, anteil, QString::number(bits)));
    QVERIFY(a.vollstaendig());
    QVERIFY(a.ergebnisse->anzahl.has_value());
    QCOMPARE(QString::fromStdString(*a.ergebnisse->anzahl), text);
}

void TstBerechnung::klasse_data()
{
    QTest::addColumn<QString>("erstesOktett");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Adressanteil>("anteil");

    QTest::newRow("0") << "0" << "Klasse A Netz" << Adressanteil::Bit8;
    QTest::newRow("127") << "127" << "Klasse A Netz" << Adressanteil::Bit8;
    QTest::newRow("128") << "128" << "Klasse B Netz" << Adressanteil::Bit16;
    QTest::newRow("191") << "191" << "Klasse B Netz" << Adressanteil::Bit16;
    QTest::newRow("192") << "192" << "Klasse C Netz" << Adressanteil::Bit24;
    QTest::newRow("223") << "223" << "Klasse C Netz" << Adressanteil::Bit24;
    QTest::newRow("224") << "224" << "Klasse D Netz" << Adressanteil::Bit24;
    QTest::newRow("239") << "239" << "Klasse D Netz" << Adressanteil::Bit24;
    QTest::newRow("240") << "240" << "Klasse E Netz" << Adressanteil::Bit24;
    QTest::newRow("255") << "255" << "Klasse E Netz" << Adressanteil::Bit24;
    QTest::newRow("leading zeros") << "010" << "Klasse A Netz" << Adressanteil::Bit8;
}

void TstBerechnung::klasse()
{
    QFETCH(QString, erstesOktett);
    QFETCH(QString, text);
    QFETCH(Adressanteil, anteil);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben(erstesOktett + ".1.1.1", normal, Adressanteil::Bit8, "2"));
    QCOMPARE(QString::fromStdString(a.klassenText.value_or("")), text);
    QCOMPARE(b.klassepruefen(), anteil);
}

void TstBerechnung::netzUndBroadcast_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<Netzart>("netzart");
    QTest::addColumn<Adressanteil>("anteil");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("netz");
    QTest::addColumn<QString>("broadcast");

    QTest::newRow("class C net") << "192.168.4.1" << normal << Adressanteil::Bit24 << "2" << "192.168.4.0"
                                 << "192.168.4.255";
    QTest::newRow("supernet /22") << "192.168.5.1" << super << Adressanteil::Bit24 << "2" << "192.168.4.0"
                                  << "192.168.7.255";
    QTest::newRow("subnet /10") << "10.1.2.3" << sub << Adressanteil::Bit8 << "2" << "10.0.0.0" << "10.63.255.255";
    QTest::newRow("host mask /32") << "172.16.9.77" << sub << Adressanteil::Bit24 << "8" << "172.16.9.77"
                                   << "172.16.9.77";
    QTest::newRow("empty mask /0") << "172.16.9.77" << super << Adressanteil::Bit8 << "8" << "0.0.0.0"
                                   << "255.255.255.255";
    QTest::newRow("address 0.0.0.0 /8") << "0.0.0.0" << normal << Adressanteil::Bit8 << "2" << "0.0.0.0"
                                        << "0.255.255.255";
    QTest::newRow("leading zeros in octets") << "010.001.002.003" << normal << Adressanteil::Bit16 << "2"
                                             << "10.1.0.0" << "10.1.255.255";
}

void TstBerechnung::netzUndBroadcast()
{
    QFETCH(QString, adresse);
    QFETCH(Netzart, netzart);
    QFETCH(Adressanteil, anteil);
    QFETCH(QString, bits);
    QFETCH(QString, netz);
    QFETCH(QString, broadcast);

    Berechnung b;
    const Anzeige a = b.ausfuehren(eingaben(adresse, netzart, anteil, bits));
    QVERIFY(a.vollstaendig());
    QCOMPARE(punktiert(a.ergebnisse->netz.dezimal), netz);
    QCOMPARE(punktiert(a.ergebnisse->broadcast.dezimal), broadcast);
}

void TstBerechnung::startzustand()
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
    QCOMPARE(int(b.zustand().klasse), 2);
    QCOMPARE(int(b.zustand().anteil), 2);
}

void TstBerechnung::bitsfeldFolgtNetzart()
{
    Berechnung b;
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", normal, Adressanteil::Bit8, "2")).bitsAktiv, false);
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", sub, Adressanteil::Bit8, "2")).bitsAktiv, true);
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", super, Adressanteil::Bit8, "2")).bitsAktiv, true);
    QCOMPARE(b.ausfuehren(eingaben("1.2.3.4", std::nullopt, Adressanteil::Bit8, "2")).bitsAktiv, true);
    // Even a run that fails at once has set the field.
    QCOMPARE(b.ausfuehren(eingaben("x.2.3.4", sub, Adressanteil::Bit8, "2")).bitsAktiv, true);
}

void TstBerechnung::zustandNachVollstaendigemLauf()
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
    QCOMPARE(int(z.klasse), 0);
    QCOMPARE(int(z.anteil), 1);
}

void TstBerechnung::ohneMaskeGiltDieAlte()
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

void TstBerechnung::ohneAdressanteilBleibtDerAlte()
{
    Berechnung b;
    b.ausfuehren(eingaben("10.1.2.3", normal, Adressanteil::Bit16, "2"));
    const Anzeige a = b.ausfuehren(eingaben("10.1.2.3", sub, std::nullopt, "2"));
    QCOMPARE(punktiert(a.ergebnisse->maske.dezimal), QStringLiteral("255.255.192.0"));
    QCOMPARE(QString::fromStdString(*a.ergebnisse->anzahl), QStringLiteral("max: 16382 Hosts\r\npro Subnetz"));
}

void TstBerechnung::fehlerBeendenDenLauf_data()
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

void TstBerechnung::fehlerBeendenDenLauf()
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
        QCOMPARE(int(b.zustand().klasse), 1);
    else
        QCOMPARE(b.zustand().klasse, zustandVorher.klasse);

    // The results of the earlier run stay as they were shown.
    if (feld == 4) {
        // The address part is taken before the bit count is read; no mask is written.
        QCOMPARE(int(b.zustand().anteil), 1);
        QCOMPARE(punktiert(b.zustand().subnet), QStringLiteral("0.0.0.0"));
    }
    QCOMPARE(punktiert(b.zustand().netz), QStringLiteral("0.0.0.0"));
    QCOMPARE(punktiert(b.zustand().broad), QStringLiteral("0.0.0.0"));
}

void TstBerechnung::fehlerImOktettLaesstIpHalbErneuert()
{
    Berechnung b;
    b.ausfuehren(eingaben("10.1.2.3", normal, Adressanteil::Bit8, "2"));
    const Anzeige a = b.ausfuehren(eingaben("20.30.x.50", normal, Adressanteil::Bit8, "2"));
    QVERIFY(!a.vollstaendig());
    QCOMPARE(punktiert(b.zustand().ip), QStringLiteral("20.30.2.3"));
    // The mask of the stopped run is still there, since nothing displayed it.
    QCOMPARE(punktiert(b.zustand().subnet), QStringLiteral("255.0.0.0"));
}

QTEST_APPLESS_MAIN(TstBerechnung)
#include "tst_berechnung.moc"
