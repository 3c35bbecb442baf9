// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QMenu>
#include <QTextDocument>

#include "rechenweg/rechenwegfenster.h"
#include "tests/hilfen/form1test.h"

using netzplaner::RechenwegFenster;

// The worked solution as a learner meets it: opened from the Extras menu
// beside the main window, following every change made there.
class TstRechenwegFenster : public Form1Test {
    Q_OBJECT

    RechenwegFenster* fenster = nullptr;

    QString schritt(const char* name) const
    {
        const QLabel* label = ::finde<QLabel>(fenster, QLatin1String(name));
        if (label->textFormat() != Qt::RichText)
            return label->text();
        QTextDocument dokument; // lblbits is coloured markup
        dokument.setHtml(label->text());
        return dokument.toPlainText();
    }
    QString gesprochen(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(::finde<QLabel>(fenster, QLatin1String(name)))
            ->text(QAccessible::Name);
    }

private slots:
    void initTestCase() { richteEin(); }
    void init()
    {
        oeffne();
        form->findChild<QAction*>(QStringLiteral("rechenweg"))->trigger();
        fenster = form->findChild<RechenwegFenster*>(QStringLiteral("rechenweg"));
        QVERIFY(fenster && QTest::qWaitForWindowExposed(fenster));
    }
    void cleanup() { schliesse(); }

    void oeffnetNachIpv6UndVersteckt();
    void folgtDemTippenImHauptfenster();
    void nichtsWirdAbgeschnitten();
};

void TstRechenwegFenster::oeffnetNachIpv6UndVersteckt()
{
    QStringList namen;
    for (QAction* a : finde<QMenu>(QStringLiteral("extras"))->actions())
        namen << a->objectName() + QLatin1Char('=') + a->text();
    QCOMPARE(namen.mid(namen.size() - 3), QStringList({"ipv6=IPv&6…", "rechenweg=&Rechenweg…", "uebung=Ü&bungen…"}));
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Rechenweg"));
    QVERIFY(fenster->x() >= form->frameGeometry().right() || fenster->frameGeometry().right() <= form->x());
    QTest::keyClick(fenster, Qt::Key_Escape);
    QVERIFY(!fenster->isVisible());
    form->findChild<QAction*>(QStringLiteral("rechenweg"))->trigger();
    QVERIFY(fenster->isVisible());
    QCOMPARE(form->findChildren<RechenwegFenster*>().size(), 1);
}

void TstRechenwegFenster::folgtDemTippenImHauptfenster()
{
    QCOMPARE(schritt("lblbits"), "11000000.10101000.00000100|00000001");
    tippeIn(ip(3), QStringLiteral("200"));
    QTest::mouseClick(netzart(1), Qt::LeftButton);
    tippeIn(bits(), QStringLiteral("2"));
    QCOMPARE(schritt("lblbits"), "11000000.10101000.00000100.11|001000");
    QCOMPARE(schritt("lblanteile"), "Netzanteil 26 Bit (Klasse C: 24, geliehen: 2), Hostanteil 6 Bit");
    QCOMPARE(schritt("lblund").split(u'\n').last(), "=    11000000.10101000.00000100.11000000  192.168.4.192");
    QCOMPARE(schritt("lbloder").split(u'\n').last(), "=    11000000.10101000.00000100.11111111  192.168.4.255");
    QCOMPARE(schritt("lblanzahl"), "Hosts je Netz: 2^6 − 2 = 62\nTeilnetze: 2^2 = 4\n"
                                   "Schrittweite 64 im 4. Oktett: 192.168.4.192/26 ist Teilnetz 4 von 4");
    for (const char* name : {"lblbits", "lblund", "lbloder", "lblanzahl"})
        QVERIFY2(gesprochen(name).contains("Netzanteil") && gesprochen(name).contains("Hostanteil"), name);
    QVERIFY(gesprochen("lblbits").contains("Netzanteil: 11000000 10101000 00000100 11, Hostanteil: 001000"));

    QTest::mouseClick(netzart(2), Qt::LeftButton);
    tippeIn(ip(0), QStringLiteral("10"));
    QCOMPARE(schritt("lblanteile"), "Netzanteil 6 Bit (Klasse A: 8, abgegeben: 2), Hostanteil 26 Bit");
    QCOMPARE(schritt("lblanzahl"), "Hosts je Netz: 2^26 − 2 = 67.108.862\nZusammengefasste Netze: 2^2 = 4");
}

void TstRechenwegFenster::nichtsWirdAbgeschnitten()
{
    // The longest lines: a class A address in a subnet of the last octet.
    tippeIn(ip(0), QStringLiteral("100"));
    tippeIn(ip(3), QStringLiteral("255"));
    QTest::mouseClick(netzart(1), Qt::LeftButton);
    QTest::mouseClick(anteil(0), Qt::LeftButton);
    tippeIn(bits(), QStringLiteral("8"));
    QVERIFY(fenster->minimumSizeHint().width() <= 600);
    fenster->resize(600, fenster->height());
    QCoreApplication::processEvents();
    QStringList zuBreit;
    for (QLabel* w : fenster->findChildren<QLabel*>())
        if (!w->wordWrap() && (w->sizeHint().width() > w->width() || w->sizeHint().height() > w->height()))
            zuBreit << w->objectName();
    QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(u' ')));
}

QTEST_MAIN(TstRechenwegFenster)
#include "tst_rechenweg_fenster.moc"
