#include <QAction>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "tests/hilfen/fenster.h"

// Stands in for the desktop's browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;
public slots:
    void oeffne(const QUrl& adresse) { geoeffnet << adresse; }
};

class TstForm1Verweise : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        richteEin();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "oeffne");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    void init()
    {
        browser.geoeffnet.clear();
        oeffne();
    }
    void cleanup() { schliesse(); }

    void augenBlinzeln();
    void hoverFaerbtCopyright();
    void klicksOeffnenHerstellerseite();
    void info();
    void endeBeendetSofort();

private:
    QColor farbe() const { return finde(QStringLiteral("Label11"))->palette().color(QPalette::WindowText); }

    void bewege(QWidget* ueber, QPoint wo)
    {
        QMouseEvent ereignis(QEvent::MouseMove, wo, ueber->mapToGlobal(wo), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
        QApplication::sendEvent(ueber, &ereignis);
    }

    Browser browser;
};

void TstForm1Verweise::augenBlinzeln()
{
    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    QWidget* zu = finde(QStringLiteral("Image1(0)"));
    QWidget* offen = finde(QStringLiteral("Image1(1)"));

    // Observed after each tick, across the wrap of the counter at ten.
    QStringList folge;
    connect(timer, &QTimer::timeout, this, [&] {
        folge << QStringLiteral("%1%2").arg(zu->isVisible() ? "zu" : "").arg(offen->isVisible() ? "offen" : "");
    });
    timer->setInterval(5);
    QTRY_COMPARE(folge.size() >= 12, true);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(folge.at(i), QLatin1String(i % 2 == 0 ? "offen" : "zu"));
}

void TstForm1Verweise::hoverFaerbtCopyright()
{
    QWidget* label11 = finde(QStringLiteral("Label11"));
    QWidget* flaeche = form->centralWidget();

    bewege(label11, QPoint(5, 5));
    QCOMPARE(farbe(), QColor(Qt::red));

    // Over a picture or another control it stays red; the bare surface turns it black.
    QWidget* bild = finde(QStringLiteral("Image1(1)"));
    bewege(flaeche, bild->geometry().center());
    QCOMPARE(farbe(), QColor(Qt::red));
    bewege(flaeche, finde(QStringLiteral("lblnetz(0)"))->geometry().center());
    QCOMPARE(farbe(), QColor(Qt::red));
    bewege(flaeche, QPoint(2, flaeche->height() - 2));
    QCOMPARE(farbe(), QColor(Qt::black));

    // The copyright label shows its own pointer.
    QCOMPARE(label11->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(!label11->cursor().pixmap().isNull());
}

void TstForm1Verweise::klicksOeffnenHerstellerseite()
{
    const QUrl hersteller(QStringLiteral("http://www.quendelwerk.example/"));
    QTest::mouseClick(finde(QStringLiteral("Label11")), Qt::LeftButton);
    QCOMPARE(browser.geoeffnet, QList<QUrl>{hersteller});

    // Before the first tick both pictures are visible; either one opens the site, every time.
    QTest::mouseClick(finde(QStringLiteral("Image1(1)")), Qt::LeftButton);
    QTest::mouseClick(finde(QStringLiteral("Image1(0)")), Qt::LeftButton);
    QTest::mouseClick(finde(QStringLiteral("Image1(0)")), Qt::LeftButton);
    QCOMPARE(browser.geoeffnet, QList<QUrl>(4, hersteller));

    // Right clicks and the rest of the window open nothing.
    QTest::mouseClick(finde(QStringLiteral("Label11")), Qt::RightButton);
    QTest::mouseClick(finde(QStringLiteral("Label4")), Qt::LeftButton);
    QCOMPARE(browser.geoeffnet.size(), 4);
}

void TstForm1Verweise::info()
{
    bool gesehen = false;
    waechter->beimNaechsten([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        gesehen = true;
        QCOMPARE(box->windowTitle(), QStringLiteral("Info"));
        QCOMPARE(box->text(), QStringLiteral("Dieses Programm stammt aus Quendelwerk\r\n\r\n"
                                             "http://www.quendelwerk.example/\r\n"
                                             "http://netzplaner.quendelwerk.example/"));
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
        box->buttons().first()->click();
    });
    form->findChild<QAction*>(QStringLiteral("info"))->trigger();
    QVERIFY(gesehen);
}

void TstForm1Verweise::endeBeendetSofort()
{
    // Ends the event loop at once, whatever the fields hold.
    netzart(2)->click();
    QTimer::singleShot(0, form.get(), [this] { form->findChild<QAction*>(QStringLiteral("end"))->trigger(); });
    QTimer notbremse;
    notbremse.setSingleShot(true);
    bool beendet = true;
    connect(&notbremse, &QTimer::timeout, this, [&] {
        beendet = false;
        QCoreApplication::exit(1);
    });
    notbremse.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(beendet);
}

QTEST_MAIN(TstForm1Verweise)
#include "tst_form1_verweise.moc"
