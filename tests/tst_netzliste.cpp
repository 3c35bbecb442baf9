#include <QTest>

#include "calc/adresstyp.h"

using namespace netzplaner;

class TstNetzliste : public QObject {
    Q_OBJECT

private slots:
    void adresstyp_data();
    void adresstyp();
};

void TstNetzliste::adresstyp_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("typ");

    // First and last address of every range, and the neighbours just outside.
    const std::pair<const char*, const char*> typen[] = {
        {"dieses Netz (RFC 791)", "0.0.0.0 0.255.255.255"},
        {"privat (RFC 1918)", "10.0.0.0 10.255.255.255 172.16.0.0 172.31.255.255 192.168.0.0 192.168.255.255"},
        {"Carrier-NAT (RFC 6598)", "100.64.0.0 100.127.255.255"},
        {"Loopback (RFC 1122)", "127.0.0.0 127.255.255.255"},
        {"Link-Local (RFC 3927)", "169.254.0.0 169.254.255.255"},
        {"IETF-Protokolle (RFC 6890)", "192.0.0.0 192.0.0.255"},
        {"Dokumentation, TEST-NET-1 (RFC 5737)", "192.0.2.0 192.0.2.255"},
        {"Dokumentation, TEST-NET-2 (RFC 5737)", "198.51.100.0 198.51.100.255"},
        {"Dokumentation, TEST-NET-3 (RFC 5737)", "203.0.113.0 203.0.113.255"},
        {"6to4-Relay, veraltet (RFC 7526)", "192.88.99.0 192.88.99.255"},
        {"Benchmark (RFC 2544)", "198.18.0.0 198.19.255.255"},
        {"Multicast (RFC 5771)", "224.0.0.0 239.255.255.255"},
        {"Broadcast (RFC 919)", "255.255.255.255"},
        {"reserviert (RFC 1112)", "240.0.0.0 255.255.255.254"},
        {"öffentlich", "1.0.0.0 9.255.255.255 11.0.0.0 100.63.255.255 100.128.0.0 126.255.255.255 128.0.0.0 "
                       "169.253.255.255 169.255.0.0 172.15.255.255 172.32.0.0 191.255.255.255 192.0.1.0 192.0.3.0 "
                       "192.88.98.255 192.88.100.0 192.167.255.255 192.169.0.0 198.17.255.255 198.20.0.0 "
                       "198.51.99.255 198.51.101.0 203.0.112.255 203.0.114.0 223.255.255.255"},
    };
    for (const auto& [typ, adressen] : typen)
        for (const QString& adresse : QString::fromLatin1(adressen).split(QLatin1Char(' ')))
            QTest::addRow("%s", qPrintable(adresse)) << adresse << QString::fromUtf8(typ);
}

void TstNetzliste::adresstyp()
{
    QFETCH(QString, adresse);
    QFETCH(QString, typ);

    const QStringList teile = adresse.split(QLatin1Char('.'));
    Oktette oktette{};
    for (std::size_t i = 0; i < 4; ++i)
        oktette[i] = std::uint8_t(teile.at(qsizetype(i)).toUInt());
    const std::string_view t = netzplaner::adresstyp(oktette);
    QCOMPARE(QString::fromUtf8(t.data(), qsizetype(t.size())), typ);
}

QTEST_APPLESS_MAIN(TstNetzliste)
#include "tst_netzliste.moc"
