// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/form1test.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "toolkit/erscheinung.h"

void Form1Test::richteEin()
{
    netzplaner::richteErscheinungEin(*qApp);
}

void Form1Test::oeffne()
{
    waechter = std::make_unique<ModalWaechter>();
    form = std::make_unique<netzplaner::Form1>();
    form->show();
    QApplication::setActiveWindow(form.get());
    form->activateWindow(); // on a real X server, which has no window manager in a test
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void Form1Test::schliesse()
{
    form.reset();
    const QStringList unerwartet = waechter->unerwartete();
    waechter.reset();
    QVERIFY2(unerwartet.isEmpty(), qPrintable(QStringLiteral("unexpected dialogs: ") + unerwartet.join(", ")));
}

QLineEdit* Form1Test::ip(int i) const
{
    return finde<QLineEdit>(netzplaner::indexName("txtip", i));
}

QLineEdit* Form1Test::bits() const
{
    return finde<QLineEdit>(QStringLiteral("txtbits"));
}

QRadioButton* Form1Test::netzart(int i) const
{
    return finde<QRadioButton>(netzplaner::indexName("Option1", i));
}

QRadioButton* Form1Test::anteil(int i) const
{
    return finde<QRadioButton>(netzplaner::indexName("Option2", i));
}

QString Form1Test::text(const QString& label) const
{
    return finde<QLabel>(label)->text();
}

QString Form1Test::zeile(const char* reihe, const QString& trenner) const
{
    QStringList teile;
    for (int i = 0; i < 4; ++i)
        teile << text(netzplaner::indexName(reihe, i));
    return teile.join(trenner);
}

QString Form1Test::adresse() const
{
    return QStringList{ip(0)->text(), ip(1)->text(), ip(2)->text(), ip(3)->text()}.join(QLatin1Char('.'));
}

void Form1Test::tippeIn(QLineEdit* feld, const QString& tasten)
{
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, tasten);
}
