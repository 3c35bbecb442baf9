// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of a keystroke in the IPv6 window's prefix field with its table at
// 1,048,576 rows (2001:db8::/32 in /64s) against the same keystroke with one
// row (2001:db8::/64) and with 64 rows (2001:db8::/58), which fill the view as
// the long table does, in alternating blocks, painted all: Backspace and "8"
// after "2001:db8", which changes the net and every row but not their count.
// Then a keystroke that changes the count (Backspace and "8" at the end of
// "2001:db8::/48": 65,536 rows against 1,048,576 for the /4), and scrolling the
// 1,048,576 rows to their end, painted.
//   bench_ipv6 [ROUNDS [CASE]]
// CASE 0..3 (1,048,576 rows, 1 row, 64 rows, the count changing) times that
// case alone, for `valgrind --tool=callgrind --toggle-collect='*tippe*'`,
// which then counts the instructions of its keystrokes and nothing else.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "toolkit/erscheinung.h"
#include "ui/form1.h"

namespace {

void druecke(QWidget* feld, Qt::Key taste, const QString& text)
{
    QKeyEvent runter(QEvent::KeyPress, taste, Qt::NoModifier, text);
    QCoreApplication::sendEvent(feld, &runter);
    QKeyEvent hoch(QEvent::KeyRelease, taste, Qt::NoModifier, text);
    QCoreApplication::sendEvent(feld, &hoch);
    QCoreApplication::processEvents();
}

// Backspace and "8", paare times: the keystrokes and nothing else.
[[gnu::noinline]] void tippe(QLineEdit* feld, int paare)
{
    for (int i = 0; i < paare; ++i) {
        druecke(feld, Qt::Key_Backspace, QStringLiteral("\b"));
        druecke(feld, Qt::Key_8, QStringLiteral("8"));
    }
}

// Mean microseconds per keystroke: Backspace and "8" at position stelle.
double miss(QLineEdit* feld, const QString& text, int stelle, int paare)
{
    feld->setText(text);
    feld->setCursorPosition(stelle);
    QCoreApplication::processEvents();
    QElapsedTimer uhr;
    uhr.start();
    tippe(feld, paare);
    return double(uhr.nsecsElapsed()) / 1000.0 / (2.0 * paare);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    netzplaner::richteErscheinungEin(app);
    const int runden = argc > 1 ? std::atoi(argv[1]) : 200;
    const int fall = argc > 2 ? std::atoi(argv[2]) : -1;

    netzplaner::Form1 form1;
    form1.show();
    form1.findChild<QAction*>(QStringLiteral("ipv6"))->trigger();
    auto* fenster = form1.findChild<QWidget*>(QStringLiteral("ipv6"));
    auto* feld = fenster->findChild<QLineEdit*>(QStringLiteral("txtipv6"));
    auto* tabelle = fenster->findChild<QTableView*>(QStringLiteral("tabelle"));
    feld->setFocus();
    if (!QTest::qWaitForWindowActive(fenster))
        std::fputs("window not active\n", stderr);

    const int bloecke = 10, paare = std::max(1, runden / bloecke);
    // Microseconds per keystroke: 1,048,576 rows, 1 row, 64 rows, and the count changing.
    double mittel[4] = {};
    const std::pair<const char*, int> texte[4] = {
        {"2001:db8::/32", 8}, {"2001:db8::/64", 8}, {"2001:db8::/58", 8}, {"2001:db8::/48", 13}};
    if (fall >= 0 && fall < 4) {
        miss(feld, QString::fromLatin1(texte[fall].first), texte[fall].second, 1); // warms up
        std::printf("%.1f us per keystroke\n",
                    miss(feld, QString::fromLatin1(texte[fall].first), texte[fall].second, std::max(1, runden / 2)));
        return 0;
    }
    for (int b = -1; b < bloecke; ++b) // the first block warms up
        for (int i = 0; i < 4; ++i) {
            const double mikro = miss(feld, QString::fromLatin1(texte[i].first), texte[i].second, b < 0 ? 5 : paare);
            if (b >= 0)
                mittel[i] += mikro / bloecke;
        }

    feld->setText(QStringLiteral("2001:db8::/32"));
    QCoreApplication::processEvents();
    double ende = 0;
    for (int i = 0; i < bloecke; ++i) {
        tabelle->scrollToTop();
        QCoreApplication::processEvents();
        QElapsedTimer uhr;
        uhr.start();
        tabelle->scrollToBottom();
        QCoreApplication::processEvents();
        ende += double(uhr.nsecsElapsed()) / 1000.0 / bloecke;
    }

    std::printf("                                    1,048,576 rows        floor   ratio   target\n");
    std::printf("keystroke, IPv6 prefix, 1 row       %11.1f us %9.1f us   %.2fx    1.5x\n", mittel[0], mittel[1],
                mittel[0] / mittel[1]);
    std::printf("keystroke, IPv6 prefix, 64 rows     %11.1f us %9.1f us   %.2fx\n", mittel[0], mittel[2],
                mittel[0] / mittel[2]);
    std::printf("keystroke changing the row count    %11.1f us   (65,536 <-> 1,048,576 rows)\n", mittel[3]);
    std::printf("scroll 1,048,576 rows to the end    %11.1f us   (painted)\n", ende);
    std::printf("(mean of %d keystrokes each, in %d alternating blocks, painted; floor: the same keystroke\n"
                " with 1 row (/64 in /64s) and with 64 rows (/58), which fill the view as the long table does)\n",
                2 * paare * bloecke, bloecke);
    return 0;
}
