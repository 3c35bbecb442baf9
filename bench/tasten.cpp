// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one keystroke in the first octet field, with every recalculation and
// label update that follows, against the same keystrokes into a bare QLineEdit
// with the field's font and length limit. Both run in this process with the
// program's style and fonts, both shown offscreen; rounds alternate between them.
// "with painting" processes the events each key leaves (the repaint) before
// the next key; "without" only delivers the keys.
// Last, the same keys in the last octet with the net list open at its longest
// (256 rows: "Super Netz", 8 bits) against the list closed, painted both.
//   bench_tasten [ROUNDS] [program|field]   (one side only: for callgrind)
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <vector>

#include "toolkit/erscheinung.h"
#include "ui/form1.h"

namespace {

struct Taste {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers umschalt;
};

// Typing first octets of every class over the selected field, then deleting them.
std::vector<Taste> folge()
{
    std::vector<Taste> tasten;
    for (const char* oktett : {"10", "172", "192", "224", "255", "127", "128", "1"}) {
        tasten.push_back({Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier});
        for (const char* z = oktett; *z; ++z)
            tasten.push_back({Qt::Key(*z), QString(QLatin1Char(*z)), Qt::NoModifier});
        for (const char* z = oktett; *z; ++z)
            tasten.push_back({Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier});
    }
    return tasten;
}

void druecke(QWidget* feld, const Taste& t)
{
    QKeyEvent runter(QEvent::KeyPress, t.key, t.umschalt, t.text);
    QCoreApplication::sendEvent(feld, &runter);
    QKeyEvent hoch(QEvent::KeyRelease, t.key, t.umschalt, t.text);
    QCoreApplication::sendEvent(feld, &hoch);
}

// Mean microseconds per keystroke over the rounds.
double miss(QWidget* feld, int runden, bool zeichnen)
{
    static const std::vector<Taste> tasten = folge();
    feld->window()->activateWindow();
    feld->setFocus();
    if (!QTest::qWaitForWindowActive(feld->window()))
        std::fputs("window not active\n", stderr);
    QCoreApplication::processEvents();

    QElapsedTimer uhr;
    uhr.start();
    for (int r = 0; r < runden; ++r)
        for (const Taste& t : tasten) {
            druecke(feld, t);
            if (zeichnen)
                QCoreApplication::processEvents();
        }
    const double mikro = double(uhr.nsecsElapsed()) / 1000.0 / double(runden * int(tasten.size()));
    QCoreApplication::processEvents(); // the paints left over, outside the clock
    return mikro;
}

// Mean microseconds per keystroke in the last octet with the net list closed
// and open, in alternating blocks; opening and closing stay outside the clock.
std::pair<double, double> missMitListe(QMainWindow& form1, QWidget* letztes, int runden, int bloecke)
{
    form1.findChild<QRadioButton*>(QStringLiteral("Option1(2)"))->setChecked(true);
    form1.findChild<QLineEdit*>(QStringLiteral("txtbits"))->setText(QStringLiteral("8"));
    const auto liste = [&form1](bool offen) {
        if (offen)
            form1.findChild<QAction*>(QStringLiteral("liste"))->trigger();
        else if (auto* fenster = form1.findChild<QWidget*>(QStringLiteral("netzliste")))
            fenster->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    double summe[2] = {};
    for (int b = -1; b < bloecke; ++b) // the first block warms up
        for (int offen = 0; offen < 2; ++offen) {
            liste(offen);
            const double mikro = miss(letztes, b < 0 ? 5 : runden / bloecke, true);
            if (b >= 0)
                summe[offen] += mikro;
            liste(false);
        }
    return {summe[0] / bloecke, summe[1] / bloecke};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    netzplaner::richteErscheinungEin(app);
    const int runden = argc > 1 ? std::atoi(argv[1]) : 200;
    const QString nur = argc > 2 ? QString::fromLatin1(argv[2]) : QString();

    netzplaner::Form1 form1;
    form1.show();
    auto* erstes = form1.findChild<QLineEdit*>(QStringLiteral("txtip(0)"));
    auto* letztes = form1.findChild<QLineEdit*>(QStringLiteral("txtip(3)"));

    QLineEdit feld(QStringLiteral("192"));
    feld.setFont(erstes->font());
    feld.setAlignment(Qt::AlignCenter);
    feld.setMaxLength(3);
    feld.resize(erstes->size());
    feld.show();

    std::printf("Qt %s, platform plugin %s\n", qVersion(), qPrintable(QGuiApplication::platformName()));
    if (!nur.isEmpty()) { // one side alone, for a profiler
        miss(nur == QLatin1String("program") ? static_cast<QWidget*>(erstes) : &feld, runden, true);
        return 0;
    }

    // Ten blocks, alternating, after one to warm caches and glyphs. The first
    // octet changes the class on many keys (all three result rows, the caption,
    // the address part); the last octet only changes its own column.
    QWidget* faelle[3] = {erstes, letztes, &feld};
    for (QWidget* f : faelle)
        miss(f, 5, true);
    double summe[2][3] = {};
    const int bloecke = 10;
    for (int b = 0; b < bloecke; ++b)
        for (int zeichnen = 0; zeichnen < 2; ++zeichnen)
            for (int i = 0; i < 3; ++i)
                summe[zeichnen][i] += miss(faelle[i], runden / bloecke, zeichnen);

    const char* namen[2][2] = {{"keystroke, first octet, no painting", "keystroke, last octet, no painting"},
                               {"keystroke, first octet, painted", "keystroke, last octet, painted"}};
    for (int zeichnen = 1; zeichnen >= 0; --zeichnen)
        for (int i = 0; i < 2; ++i) {
            const double p = summe[zeichnen][i] / bloecke, f = summe[zeichnen][2] / bloecke;
            std::printf("%-38s %7.1f us %9.1f us %6.2fx %7s\n", namen[zeichnen][i], p, f, p / f, "2.5x");
        }
    std::printf("(mean of %d rounds of %zu keystrokes each; floor: a bare QLineEdit with the field's font,\n"
                " \"painted\" processes the repaint after each key, \"no painting\" leaves it out for both)\n",
                runden, folge().size());

    const auto [zu, offen] = missMitListe(form1, letztes, runden, bloecke);
    std::printf("%-38s %7.1f us %9.1f us %6.2fx %7s\n", "keystroke, last octet, list of 256", offen, zu, offen / zu,
                "1.5x");
    std::printf("(\"Super Netz\", 8 bits, painted; floor: the same keystroke with the list closed)\n");
    return 0;
}
