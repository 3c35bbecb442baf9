// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <algorithm>
#include <memory>

#include "toolkit/schriften.h"
#include "toolkit/stil.h"

// The style hands out finished pixmaps of texts and indicators: each must look
// exactly as the plain style draws it, the first time and from the store.
class TstStil : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void gleichesBild_data();
    void gleichesBild();
    void farbwechselFuellenDenVorratNicht();

private:
    static QImage bild(QWidget* w, QStyle* stil)
    {
        w->setStyle(stil);
        QImage b(w->size(), QImage::Format_ARGB32_Premultiplied);
        b.fill(Qt::white);
        w->render(&b);
        return b;
    }

    // Pixels that differ by more than the rounding of blending twice (text into
    // a transparent pixmap, that onto the window) instead of once: at most 2 of 255.
    static int abweichung(const QImage& a, const QImage& b)
    {
        int anzahl = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))}) > 2)
                    ++anzahl;
            }
        return anzahl;
    }

    std::unique_ptr<QStyle> schlicht;
    std::unique_ptr<netzplaner::Stil> stil;
};

void TstStil::initTestCase()
{
    schlicht.reset(QStyleFactory::create(QStringLiteral("Windows")));
    stil = std::make_unique<netzplaner::Stil>();
}

void TstStil::gleichesBild_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("farbe");
    QTest::addColumn<bool>("aktiv");
    QTest::addColumn<bool>("option"); // a radio button, checked, instead of a label

    QTest::newRow("octet") << "255" << QColor(Qt::black) << true << false;
    QTest::newRow("same text, red") << "255" << QColor(Qt::red) << true << false;
    QTest::newRow("binary") << "11000000" << QColor(Qt::black) << true << false;
    QTest::newRow("two lines") << "max: 62 Hosts\r\npro Subnetz" << QColor(Qt::black) << true << false;
    QTest::newRow("digit") << "2" << QColor(Qt::black) << true << false;
    QTest::newRow("same digit, disabled") << "2" << QColor(Qt::black) << false << false;
    QTest::newRow("option") << "Super Netz" << QColor(Qt::black) << true << true;
    QTest::newRow("option, disabled") << "Super Netz" << QColor(Qt::black) << false << true;
}

void TstStil::gleichesBild()
{
    QFETCH(QString, text);
    QFETCH(QColor, farbe);
    QFETCH(bool, aktiv);
    QFETCH(bool, option);

    std::unique_ptr<QWidget> w;
    if (option) {
        auto* knopf = new QRadioButton(text);
        knopf->setChecked(true);
        w.reset(knopf);
    } else {
        w = std::make_unique<QLabel>(text);
    }
    w->setFont(netzplaner::fensterSchrift(8.25, true));
    w->resize(120, 34);
    w->setEnabled(aktiv);
    if (farbe != QColor(Qt::black)) { // the others share the application's palette
        QPalette farben = w->palette();
        farben.setColor(QPalette::WindowText, farbe);
        w->setPalette(farben);
    }

    const QImage erwartet = bild(w.get(), schlicht.get());
    QCOMPARE(abweichung(bild(w.get(), stil.get()), erwartet), 0); // drawn into the store
    QCOMPARE(abweichung(bild(w.get(), stil.get()), erwartet), 0); // copied from it
}

void TstStil::farbwechselFuellenDenVorratNicht()
{
    // What the copyright label's hover does: a new palette, red, then black.
    QLabel label(QStringLiteral("© Quendelwerk"));
    label.resize(73, 17);
    const auto faerbe = [&label, this](const QColor& farbe) {
        QPalette farben = label.palette();
        farben.setColor(QPalette::WindowText, farbe);
        label.setPalette(farben);
        bild(&label, stil.get());
    };
    faerbe(Qt::red);
    faerbe(Qt::black);
    const int vorher = stil->vorratsgroesse();
    for (int i = 0; i < 1000; ++i)
        faerbe(i % 2 ? Qt::black : Qt::red);
    QCOMPARE(stil->vorratsgroesse(), vorher);
}

QTEST_MAIN(TstStil)
#include "tst_stil.moc"
