// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "tests/hilfen/browser.h"
#include "tests/hilfen/form1test.h"

class TstForm1Verweise : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
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
    void scheiternImDialogHaengtNicht();
    void endeBeendetSofort();
    void wandelnOeffnetModal_data();
    void wandelnOeffnetModal();

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
    waechter->pruefeUndSchliesse([&](QWidget* modal) {
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

void TstForm1Verweise::scheiternImDialogHaengtNicht()
{
    // A failing check returns from the handler before it closes the box; the
    // box must close all the same, or the menu item never returns and Qt
    // Test's watchdog ends the whole binary with every later result lost.
    waechter->pruefeUndSchliesse([](QWidget*) {
        QEXPECT_FAIL("", "a check that fails inside the dialog", Continue);
        QVERIFY(false);
    });
    form->findChild<QAction*>(QStringLiteral("info"))->trigger();
    QVERIFY(!QApplication::activeModalWidget());
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

void TstForm1Verweise::wandelnOeffnetModal_data()
{
    QTest::addColumn<bool>("perTaste");
    QTest::newRow("menu click") << false;
    QTest::newRow("Alt+W") << true;
}

void TstForm1Verweise::wandelnOeffnetModal()
{
    QFETCH(bool, perTaste);

    // Twice: every opening starts again from the presets.
    for (int mal = 0; mal < 2; ++mal) {
        bool gesehen = false;
        waechter->pruefeUndSchliesse([&](QWidget* modal) {
            gesehen = true;
            QCOMPARE(modal->objectName(), QStringLiteral("wandeln"));
            QCOMPARE(modal->windowTitle(), QStringLiteral("Verschiedene Zahlensysteme"));
            // The main window waits: no input reaches it while the converter is open.
            QVERIFY(modal->isModal());
            QCOMPARE(QApplication::activeModalWidget(), modal);
            auto* text1 = modal->findChild<QLineEdit*>(QStringLiteral("Text1"));
            auto* text2 = modal->findChild<QLineEdit*>(QStringLiteral("Text2"));
            QCOMPARE(text1->text(), QStringLiteral("255"));
            QCOMPARE(text2->text(), QStringLiteral("11111111"));
            text1->setText(QStringLiteral("7"));
            modal->findChild<QAction*>(QStringLiteral("ende"))->trigger();
        });
        if (perTaste)
            QTest::keyClick(form.get(), Qt::Key_W, Qt::AltModifier);
        else
            form->findChild<QAction*>(QStringLiteral("change"))->trigger();
        // The menu item returns only once the converter has been closed.
        QVERIFY2(gesehen, qPrintable(QStringLiteral("opening %1").arg(mal + 1)));
        QVERIFY(!QApplication::activeModalWidget());
        // A window manager activates the main window again; offscreen, the test does.
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    QCOMPARE(adresse(), QStringLiteral("192.168.4.1"));
}

QTEST_MAIN(TstForm1Verweise)
#include "tst_form1_verweise.moc"
