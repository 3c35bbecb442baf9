// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>

#include "ipv6/ipv6fenster.h"
#include "tests/hilfen/form1test.h"

using netzplaner::Ipv6Fenster;

// The IPv6 window as a user meets it: opened from the Extras menu, following
// what is typed, jumping to a subnet, copying and saving its table.
class TstIpv6Fenster : public Form1Test {
    Q_OBJECT

    Ipv6Fenster* fenster = nullptr;

    QTableView* tabelle() const { return ::finde<QTableView>(fenster, QStringLiteral("tabelle")); }
    QString text(const char* name) const { return ::finde<QLabel>(fenster, QLatin1String(name))->text(); }
    QString zeile(int nr) const
    {
        QStringList felder;
        for (int spalte = 0; spalte < 4; ++spalte)
            felder << tabelle()->model()->index(nr, spalte).data().toString();
        return felder.join(u'|');
    }
    void tippe(const char* feld, const QString& text) { tippeIn(::finde<QLineEdit>(fenster, QLatin1String(feld)), text); }

private slots:
    void initTestCase() { richteEin(); }
    void init()
    {
        oeffne();
        form->findChild<QAction*>(QStringLiteral("ipv6"))->trigger();
        fenster = form->findChild<Ipv6Fenster*>(QStringLiteral("ipv6"));
        QVERIFY(fenster && QTest::qWaitForWindowExposed(fenster));
    }
    void cleanup() { schliesse(); }

    void oeffnetEinmalUndBehaeltDieEingabe();
    void folgtDerEingabe_data();
    void folgtDerEingabe();
    void gehtZuNummer();
    void kopiertUndSpeichert();
    void nichtsWirdAbgeschnitten();
    void zellenSehenAusWieVomStil();
};

void TstIpv6Fenster::oeffnetEinmalUndBehaeltDieEingabe()
{
    QCOMPARE(form->findChild<QAction*>(QStringLiteral("ipv6"))->text(), QStringLiteral("IPv&6…"));
    QCOMPARE(fenster->windowTitle(), QStringLiteral("IPv6"));
    QCOMPARE(QStringList({text("lblnetz"), text("lbllang"), text("lblerste"), text("lblletzte"), text("lbladressen"),
                          text("lblteilnetze"), text("lbltyp"), text("lblreverse")}).join(u'|'),
             "2001:db8::/48|2001:0db8:0000:0000:0000:0000:0000:0000|2001:db8::|2001:db8:0:ffff:ffff:ffff:ffff:ffff|"
             "1.208.925.819.614.629.174.706.176 (2^80)|65.536 (2^16)|Dokumentation (RFC 3849)|"
             "0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa");
    QCOMPARE(::finde<QSpinBox>(fenster, "teilpraefix")->value(), 64);
    QCOMPARE(tabelle()->model()->rowCount(), 65536);
    QCOMPARE(zeile(65535), "65.536|2001:db8:0:ffff::/64|2001:db8:0:ffff::|2001:db8:0:ffff:ffff:ffff:ffff:ffff");
    const QString gehoert =
        QAccessible::queryAccessibleInterface(::finde<QLabel>(fenster, "lbltyp"))->text(QAccessible::Name);
    QVERIFY2(gehoert.contains("Adresstyp") && gehoert.contains("RFC 3849"), qPrintable(gehoert));

    tippe("txtipv6", "fe80::/10");
    QTest::keyClick(fenster, Qt::Key_Escape);
    QVERIFY(!fenster->isVisible());
    form->findChild<QAction*>(QStringLiteral("ipv6"))->trigger();
    QVERIFY(fenster->isVisible());
    QCOMPARE(form->findChildren<Ipv6Fenster*>().size(), 1);
    QCOMPARE(text("lbltyp"), "Link-Local");
}

void TstIpv6Fenster::folgtDerEingabe_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<int>("teilpraefix");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<QString>("letzte"); // the last row; for a refusal, a part of the message
    QTest::addColumn<QString>("umfang");

    QTest::newRow("/32 in /64s") << "2001:DB8::/32" << 64 << 1048576
        << "1.048.576|2001:db8:f:ffff::/64|2001:db8:f:ffff::|2001:db8:f:ffff:ffff:ffff:ffff:ffff"
        << "Die Tabelle zeigt die ersten 1.048.576 von 4.294.967.296 Teilnetzen.";
    QTest::newRow("/127 raises the subnets' length") << " fe80::1/127 " << 127 << 1 << "1|fe80::/127|fe80::|fe80::1" << "";
    QTest::newRow("refused") << "12345::" << 64 << 0 << "mehr als vier Hex-Ziffern" << "";
}

void TstIpv6Fenster::folgtDerEingabe()
{
    QFETCH(QString, getippt);
    QFETCH(int, teilpraefix);
    QFETCH(int, zeilen);
    QFETCH(QString, letzte);
    QFETCH(QString, umfang);

    tippe("txtipv6", getippt);
    QCOMPARE(::finde<QSpinBox>(fenster, "teilpraefix")->value(), teilpraefix);
    QCOMPARE(tabelle()->model()->rowCount(), zeilen);
    QCOMPARE(text("lblumfang"), umfang);
    if (zeilen == 0) {
        QVERIFY(text("lblmeldung").contains(letzte));
        QCOMPARE(text("lblnetz") + text("lbltyp") + text("lblreverse"), QString());
        return;
    }
    QCOMPARE(text("lblmeldung"), QString());
    QCOMPARE(zeile(zeilen - 1), letzte);
    tabelle()->scrollToBottom(); // uniform rows: the end is reached at once
    QVERIFY(tabelle()->rowAt(tabelle()->viewport()->height() - 1) >= zeilen - 2);
}

void TstIpv6Fenster::gehtZuNummer()
{
    tippe("txtipv6", "2001:db8::/32");
    tippe("txtnr", "1.000\r");
    QCOMPARE(tabelle()->currentIndex().row(), 999);
    QCOMPARE(tabelle()->currentIndex().data().toString(), "1.000");
    tippe("txtnr", "4294967295\r"); // beyond the listed rows: the table lists from there
    QCOMPARE(tabelle()->model()->rowCount(), 2);
    QCOMPARE(zeile(tabelle()->currentIndex().row()).section(u'|', 0, 1), "4.294.967.295|2001:db8:ffff:fffe::/64");
    QCOMPARE(text("lblumfang"), "Die Tabelle zeigt die Teilnetze Nr. 4.294.967.295 bis 4.294.967.296 von 4.294.967.296.");
    tippe("txtnr", "4294967297\r");
    QCOMPARE(text("lblmeldung"), "Bitte eine Teilnetz-Nummer von 1 bis 4.294.967.296 eingeben.");
    tippe("txtnr", "3\r"); // back among the first rows
    QCOMPARE(tabelle()->model()->rowCount(), 1048576);
    QCOMPARE(tabelle()->currentIndex().row(), 2);
}

void TstIpv6Fenster::kopiertUndSpeichert()
{
    tippe("txtipv6", "2001:db8::/62");
    tabelle()->setFocus();
    tabelle()->selectRow(1);
    QTest::keyClick(tabelle(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Nr.\tTeilnetz\tErste Adresse\tLetzte Adresse\n"
             "2\t2001:db8:0:1::/64\t2001:db8:0:1::\t2001:db8:0:1:ffff:ffff:ffff:ffff\n");
    QTemporaryDir ordner;
    QString vorschlag;
    fenster->dateiwahl = [&](QWidget*, const QString& name) { return vorschlag = name, ordner.filePath(name); };
    ::finde<QPushButton>(fenster, "speichern")->click();
    QFile datei(ordner.filePath(vorschlag));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(vorschlag, "2001-db8--_62_in_64.csv");
    QCOMPARE(datei.readAll().count("\r\n"), 5);
}

void TstIpv6Fenster::nichtsWirdAbgeschnitten()
{
    // The longest texts: 2^128 grouped in labels and the number column, a
    // zone of 31 digits with its note, addresses without "::", and IPv4-mapped
    // ones, which end in up to 12 decimal digits.
    QStringList zuBreit;
    for (const QString netz : {"::/0", "1234:5678:9abc:def0:1234:5678:9abc:def1/127", "::ffff:255.255.255.0/120"}) {
        tippe("txtipv6", netz);
        ::finde<QSpinBox>(fenster, "teilpraefix")->setValue(128);
        QCoreApplication::processEvents();
        for (QLabel* w : fenster->findChildren<QLabel*>())
            if (!w->wordWrap() && w->sizeHint().width() > w->width())
                zuBreit << QStringLiteral("%1 \"%2\"").arg(w->objectName(), w->text());
        QStyleOptionViewItem art;
        art.initFrom(tabelle());
        for (const int nr : {0, tabelle()->model()->rowCount() - 1})
            for (int spalte = 0; spalte < 4; ++spalte) {
                const QModelIndex zelle = tabelle()->model()->index(nr, spalte);
                if (tabelle()->itemDelegate()->sizeHint(art, zelle).width() > tabelle()->columnWidth(spalte) - 1)
                    zuBreit << zelle.data().toString();
            }
    }
    QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(QStringLiteral(", "))));
}

void TstIpv6Fenster::zellenSehenAusWieVomStil()
{
    // The table paints its plain cells itself; pixel for pixel as the style
    // would: numbers on the right, addresses on the left, a text too wide cut
    // short, in an active and an inactive window.
    tippe("txtipv6", "2001:db8::/32");
    const QStyledItemDelegate stil;
    const auto male = [&](const QAbstractItemDelegate& zellenmaler, const QStyleOptionViewItem& art, int spalte) {
        QImage bild(art.rect.size() * tabelle()->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
        bild.setDevicePixelRatio(tabelle()->devicePixelRatio());
        bild.fill(Qt::white);
        QPainter maler(&bild);
        zellenmaler.paint(&maler, art, tabelle()->model()->index(17, spalte));
        return bild;
    };
    for (const bool aktiv : {true, false})
        for (int spalte = 0; spalte < 4; ++spalte)
            for (const int breite : {tabelle()->columnWidth(spalte), 40}) {
                QStyleOptionViewItem art;
                art.initFrom(tabelle());
                art.widget = tabelle();
                art.state.setFlag(QStyle::State_Active, aktiv);
                art.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
                art.textElideMode = tabelle()->textElideMode();
                art.rect = QRect(0, 0, breite, tabelle()->rowHeight(0));
                QVERIFY2(male(*tabelle()->itemDelegate(), art, spalte) == male(stil, art, spalte),
                         qPrintable(QStringLiteral("Spalte %1, %2 px, %3").arg(spalte).arg(breite).arg(aktiv)));
            }
}

QTEST_MAIN(TstIpv6Fenster)
#include "tst_ipv6_fenster.moc"
