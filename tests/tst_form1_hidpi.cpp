// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>

#include "tests/hilfen/form1test.h"

// Run by CTest at several scale factors (QT_SCALE_FACTOR): what the window
// draws must survive a fractional device pixel ratio, such as the 1.25 that a
// logical DPI of 120 gives.
class TstForm1Hidpi : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void trennlinienWerdenGezeichnet_data();
    void trennlinienWerdenGezeichnet();
};

void TstForm1Hidpi::trennlinienWerdenGezeichnet_data()
{
    QTest::addColumn<QString>("linie");
    QTest::newRow("below the class") << "Line3";
    QTest::newRow("below the mask") << "Line1";
    QTest::newRow("below the network") << "Line2";
}

void TstForm1Hidpi::trennlinienWerdenGezeichnet()
{
    QFETCH(QString, linie);

    // The whole window: below the menu bar the lines start at a fractional
    // device pixel, which is where a one-pixel line can get lost.
    const QImage bild = form->grab().toImage();
    const qreal faktor = bild.devicePixelRatio();
    QWidget* strichWidget = finde(linie);
    const QRect strich(strichWidget->mapTo(form.get(), QPoint(0, 0)), strichWidget->size());

    // In the middle of the line, any dark device pixel across its thickness.
    const int x = int((strich.left() + strich.width() / 2) * faktor);
    bool gezeichnet = false;
    for (int y = int(strich.top() * faktor) - 1; y <= int((strich.bottom() + 1) * faktor) + 1; ++y)
        if (y >= 0 && y < bild.height() && qGray(bild.pixel(x, y)) < 128)
            gezeichnet = true;
    QVERIFY2(gezeichnet, qPrintable(QStringLiteral("%1 missing at scale %2").arg(linie).arg(faktor)));
}

QTEST_MAIN(TstForm1Hidpi)
#include "tst_form1_hidpi.moc"
