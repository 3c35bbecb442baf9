// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "calc/ipv6lesen.h"
#include "calc/ipv6text.h"
#include "calc/ipv6typ.h"
#include "tests/hilfen/ipv6netz.h"

using namespace netzplaner;

// A prefix read, written back, named by its type and as a reverse zone.
class TstIpv6 : public QObject {
    Q_OBJECT

private slots:
    void lesen_data();
    void lesen();
    void text_data();
    void text();
    void typ_data();
    void typ();
    void reverse_data();
    void reverse();
};

void TstIpv6::lesen_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("erwartet"); // the address written out "/p", or a part of the message

    QTest::newRow("eight groups") << QByteArray("2001:db8:0:0:1:0:0:1") << "2001:0db8:0000:0000:0001:0000:0000:0001/128";
    QTest::newRow("upper case, leading zeros") << QByteArray("2001:0DB8:000A::00fF/64") << "2001:0db8:000a:0000:0000:0000:0000:00ff/64";
    QTest::newRow("blanks and line break around") << QByteArray(" \t2001:db8::/48\r\n") << "2001:0db8:0000:0000:0000:0000:0000:0000/48";
    QTest::newRow("::") << QByteArray("::/0") << "0000:0000:0000:0000:0000:0000:0000:0000/0";
    QTest::newRow(":: in front") << QByteArray("::2:3:4:5:6:7:8") << "0000:0002:0003:0004:0005:0006:0007:0008/128";
    QTest::newRow(":: for the last of eight") << QByteArray("1:2:3:4:5:6:7::") << "0001:0002:0003:0004:0005:0006:0007:0000/128";
    QTest::newRow(":: in the middle for one") << QByteArray("1:2:3::5:6:7:8") << "0001:0002:0003:0000:0005:0006:0007:0008/128";
    QTest::newRow("IPv4 tail") << QByteArray("::ffff:192.0.2.128/96") << "0000:0000:0000:0000:0000:ffff:c000:0280/96";
    QTest::newRow("IPv4 tail after six groups") << QByteArray("1:2:3:4:5:6:10.0.0.1") << "0001:0002:0003:0004:0005:0006:0a00:0001/128";
    QTest::newRow("host bits kept, prefix with zeros") << QByteArray("fe80::1/0064") << "fe80:0000:0000:0000:0000:0000:0000:0001/64";

    QTest::newRow("empty") << QByteArray(" ") << "Bitte eine IPv6-Adresse";
    QTest::newRow(":::") << QByteArray("1:::2") << "„:::“";
    QTest::newRow("two ::") << QByteArray("1::2::3") << "nur einmal";
    QTest::newRow("/129") << QByteArray("2001:db8::/129") << "höchstens 128";
    QTest::newRow("empty prefix") << QByteArray("2001:db8::/") << "fehlt die Präfixlänge";
    QTest::newRow("signed prefix") << QByteArray("2001:db8::/-1") << "Zahl von 0 bis 128";
    QTest::newRow("no address") << QByteArray("/48") << "fehlt die Adresse";
    QTest::newRow("five digits") << QByteArray("2001:0db80::") << "mehr als vier Hex-Ziffern";
    QTest::newRow("IPv4 text") << QByteArray("192.168.1.1/24") << "IPv4-Adresse";
    QTest::newRow("zone") << QByteArray("fe80::1%eth0") << "Zonenangabe";
    QTest::newRow("letter g") << QByteArray("2001:dg8::") << "„g“";
    QTest::newRow("blank inside") << QByteArray("2001:db8 ::") << "Leerzeichen";
    QTest::newRow("umlaut") << QString::fromUtf16(u"2001:db8::\u00e4").toUtf8() << "Zeichen, das nicht";
    QTest::newRow("seven groups") << QByteArray("1:2:3:4:5:6:7") << "Zu wenige Gruppen";
    QTest::newRow("nine groups") << QByteArray("1:2:3:4:5:6:7:8:9") << "Zu viele Gruppen";
    QTest::newRow(":: with eight groups") << QByteArray("1:2:3:4::5:6:7:8") << "keine Nullgruppe";
    QTest::newRow("single : in front") << QByteArray(":1:2:3:4:5:6:7") << "einzelnes „:“";
    QTest::newRow("single : at the end") << QByteArray("1::2:") << "einzelnes „:“";
    QTest::newRow("IPv4 tail not at the end") << QByteArray("::1.2.3.4:1") << "nur am Ende";
    QTest::newRow("IPv4 tail before ::") << QByteArray("1.2.3.4::") << "nur am Ende";
    QTest::newRow("IPv4 tail with 256") << QByteArray("::1.2.3.256") << "vier Zahlen";
    QTest::newRow("no colon") << QByteArray("abcd") << "„:“ trennt";
    QTest::newRow("100000 colons") << QByteArray(100000, ':') << "„:::“";
    QTest::newRow("100000 groups") << QByteArray("1:").repeated(50000) + "1" << "Zu viele Gruppen";
}

void TstIpv6::lesen()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, erwartet);

    const auto lesung = leseIpv6(std::string_view(text.constData(), std::size_t(text.size())));
    if (lesung.netz) {
        QVERIFY(lesung.fehler.empty());
        QCOMPARE(q(ipv6Lang(lesung.netz->adresse)) + '/' + QString::number(lesung.netz->praefix), erwartet);
    } else {
        QVERIFY2(q(lesung.fehler).contains(erwartet), lesung.fehler.c_str());
    }
}

void TstIpv6::text_data()
{
    QTest::addColumn<QByteArray>("adresse");
    QTest::addColumn<QString>("erwartet");

    // The examples of RFC 5952, section 4.
    QTest::newRow("4.1 leading zeros") << QByteArray("2001:0db8::0001") << "2001:db8::1";
    QTest::newRow("4.2.1 as short as possible") << QByteArray("2001:db8:0:0:0:0:2:1") << "2001:db8::2:1";
    QTest::newRow("4.2.2 one zero group") << QByteArray("2001:db8:0:1:1:1:1:1") << "2001:db8:0:1:1:1:1:1";
    QTest::newRow("4.2.3 longest run") << QByteArray("2001:0:0:1:0:0:0:1") << "2001:0:0:1::1";
    QTest::newRow("4.2.3 first of equal runs") << QByteArray("2001:db8:0:0:1:0:0:1") << "2001:db8::1:0:0:1";
    QTest::newRow("4.3 lower case") << QByteArray("2001:DB8::AB:CDEF") << "2001:db8::ab:cdef";

    QTest::newRow("all zero") << QByteArray("0:0:0:0:0:0:0:0") << "::";
    QTest::newRow("loopback") << QByteArray("0:0:0:0:0:0:0:1") << "::1";
    QTest::newRow("run at the end") << QByteArray("fe80:0:0:0:0:0:0:0") << "fe80::";
    QTest::newRow("single zero at the end") << QByteArray("1:2:3:4:5:6:7:0") << "1:2:3:4:5:6:7:0";
    QTest::newRow("later run longer") << QByteArray("1:0:0:2:0:0:0:3") << "1:0:0:2::3";

    // Section 5: the IPv4-mapped addresses, and only they, end dotted.
    QTest::newRow("5 IPv4-mapped") << QByteArray("::FFFF:c000:0201") << "::ffff:192.0.2.1";
    QTest::newRow("5 IPv4-mapped, first") << QByteArray("0:0:0:0:0:ffff:0:0") << "::ffff:0.0.0.0";
    QTest::newRow("5 IPv4-mapped, last") << QByteArray("::ffff:ffff:ffff") << "::ffff:255.255.255.255";
    QTest::newRow("5 below ::ffff:0:0/96") << QByteArray("::fffe:ffff:ffff") << "::fffe:ffff:ffff";
    QTest::newRow("5 IPv4-compatible") << QByteArray("::192.0.2.1") << "::c000:201";
    QTest::newRow("5 ffff in another group") << QByteArray("1::ffff:c000:201") << "1::ffff:c000:201";
}

void TstIpv6::text()
{
    QFETCH(QByteArray, adresse);
    QFETCH(QString, erwartet);

    QCOMPARE(q(ipv6Text(gelesen(adresse).adresse)), erwartet);
}

void TstIpv6::typ_data()
{
    QTest::addColumn<QByteArray>("netz");
    QTest::addColumn<QString>("erwartet");

    // Each range, then a net just outside it or wider than it.
    QTest::newRow("unspecified") << QByteArray("::") << "Unspezifiziert";
    QTest::newRow("::/127 is no single address") << QByteArray("::/127") << "Reserviert";
    QTest::newRow("loopback") << QByteArray("::1") << "Loopback";
    QTest::newRow("::2") << QByteArray("::2") << "Reserviert";
    QTest::newRow("IPv4-mapped") << QByteArray("::ffff:10.0.0.1/104") << "IPv4-gemappt";
    QTest::newRow("IPv4-mapped /95") << QByteArray("::ffff:0:0/95") << "Reserviert";
    QTest::newRow("NAT64") << QByteArray("64:ff9b::192.0.2.1") << "NAT64 (RFC 6052)";
    QTest::newRow("NAT64 /95") << QByteArray("64:ff9b::/95") << "Reserviert";
    QTest::newRow("local NAT64") << QByteArray("64:ff9b:1::/48") << "NAT64 lokal (RFC 8215)";
    QTest::newRow("local NAT64 /47") << QByteArray("64:ff9b:1::/47") << "Reserviert";
    QTest::newRow("discard-only") << QByteArray("100::/64") << "Discard-Only (RFC 6666)";
    QTest::newRow("discard-only /63") << QByteArray("100::/63") << "Reserviert";
    QTest::newRow("Teredo") << QByteArray("2001:0:ffff::/48") << "Teredo (RFC 4380)";
    QTest::newRow("Teredo /31") << QByteArray("2001::/31") << "Global Unicast";
    QTest::newRow("benchmarking") << QByteArray("2001:2::/48") << "Benchmarking (RFC 5180)";
    QTest::newRow("benchmarking /47") << QByteArray("2001:2::/47") << "Global Unicast";
    QTest::newRow("documentation 3849") << QByteArray("2001:db8:ffff::/48") << "Dokumentation (RFC 3849)";
    QTest::newRow("2001:db9::") << QByteArray("2001:db9::/32") << "Global Unicast";
    QTest::newRow("documentation 9637") << QByteArray("3fff:fff::/32") << "Dokumentation (RFC 9637)";
    QTest::newRow("3fff:1000::") << QByteArray("3fff:1000::/32") << "Global Unicast";
    QTest::newRow("ORCHIDv2") << QByteArray("2001:2f::/32") << "ORCHIDv2 (RFC 7343)";
    QTest::newRow("2001:30::") << QByteArray("2001:30::/32") << "Global Unicast";
    QTest::newRow("6to4") << QByteArray("2002:c000:201::/48") << "6to4 (RFC 3056)";
    QTest::newRow("6to4 /15") << QByteArray("2002::/15") << "Global Unicast";
    QTest::newRow("unique local") << QByteArray("fdff::/16") << "Unique Local (RFC 4193)";
    QTest::newRow("fc00::/6") << QByteArray("fc00::/6") << "Reserviert";
    QTest::newRow("link-local") << QByteArray("febf::/16") << "Link-Local";
    QTest::newRow("fec0::") << QByteArray("fec0::/10") << "Reserviert";
    QTest::newRow("multicast") << QByteArray("ff02::1") << "Multicast";
    QTest::newRow("ff00::/7") << QByteArray("fe00::/7") << "Reserviert";
    QTest::newRow("global unicast") << QByteArray("3fff:ffff::/32") << "Global Unicast";
    QTest::newRow("everything") << QByteArray("::/0") << "Reserviert";
}

void TstIpv6::typ()
{
    QFETCH(QByteArray, netz);
    QFETCH(QString, erwartet);

    QCOMPARE(q(std::string(ipv6Typ(ohneHostbits(gelesen(netz))))), erwartet);
}

void TstIpv6::reverse_data()
{
    QTest::addColumn<QByteArray>("netz");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("/0") << QByteArray("::/0") << "ip6.arpa";
    QTest::newRow("/3") << QByteArray("2000::/3") << "ip6.arpa (auf /0 abgerundet)";
    QTest::newRow("/4") << QByteArray("2000::/4") << "2.ip6.arpa";
    QTest::newRow("/48") << QByteArray("2001:db8::/48") << "0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa";
    QTest::newRow("/64") << QByteArray("2001:db8:abcd:12::/64") << "2.1.0.0.d.c.b.a.8.b.d.0.1.0.0.2.ip6.arpa";
    QTest::newRow("/127") << QByteArray("2001:db8::fffe/127")
        << "f.f.f.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa (auf /124 abgerundet)";
    QTest::newRow("/128") << QByteArray("2001:db8::1")
        << "1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa";
}

void TstIpv6::reverse()
{
    QFETCH(QByteArray, netz);
    QFETCH(QString, erwartet);

    QCOMPARE(q(reverseZone(gelesen(netz))), erwartet);
}

QTEST_APPLESS_MAIN(TstIpv6)
#include "tst_ipv6.moc"
