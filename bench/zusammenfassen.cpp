// SPDX-License-Identifier: GPL-3.0-or-later
// 100,000 entries to result: the summary alone, then in the window a paste of
// the whole list and a keystroke at its end, each with the repaint it leaves,
// beside the same into a bare QPlainTextEdit as the floor. A keystroke reads
// the whole text again, so its cost is what typing into a long list feels like. Addresses, nets, ranges and one
// exclusion in ten, from a fixed seed, spread over 10.0.0.0/8 so that many blocks remain.
//   bench_zusammenfassen [ROUNDS]   (default 10)
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdio>
#include <random>

#include "calc/zusammenfassung.h"
#include "toolkit/erscheinung.h"
#include "zusammenfassen/zusammenfassungsfenster.h"

namespace {

QString eintraege(int anzahl)
{
    std::mt19937 zufall(20);
    std::uniform_int_distribution<int> oktett(0, 255);
    QString text;
    for (int i = 0; i < anzahl; ++i) {
        const QString adresse =
            QStringLiteral("10.%1.%2.%3").arg(oktett(zufall)).arg(oktett(zufall)).arg(oktett(zufall));
        if (i % 10 == 9)
            text += u'!';
        switch (i % 4) {
        case 0:
            text += adresse;
            break;
        case 1:
            text += adresse + QStringLiteral("/%1").arg(24 + oktett(zufall) % 9);
            break;
        case 2:
            text += adresse + QStringLiteral(" - ") + adresse.section(u'.', 0, 2) + QStringLiteral(".255");
            break;
        default:
            text += adresse + QStringLiteral("/255.255.255.0");
            break;
        }
        text += u'\n';
    }
    return text;
}

double millisekunden(const QElapsedTimer& uhr)
{
    return double(uhr.nsecsElapsed()) / 1e6;
}

struct Zeiten {
    double einfuegen = 0, taste = 0;
};

// Mean milliseconds of a paste of the clipboard's list into an empty editor,
// and of one key typed after it, each with the events it leaves.
Zeiten miss(QPlainTextEdit* eingabe, int runden)
{
    eingabe->window()->show();
    if (!QTest::qWaitForWindowExposed(eingabe->window()))
        std::fputs("window not exposed\n", stderr);
    eingabe->setFocus();
    Zeiten zeiten;
    for (int r = 0; r < runden; ++r) {
        eingabe->clear();
        QCoreApplication::processEvents();
        QElapsedTimer uhr;
        uhr.start();
        QTest::keyClick(eingabe, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
        zeiten.einfuegen += millisekunden(uhr) / runden;
        uhr.restart();
        QTest::keyClick(eingabe, Qt::Key_1);
        QCoreApplication::processEvents();
        zeiten.taste += millisekunden(uhr) / runden;
    }
    eingabe->window()->hide();
    return zeiten;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    netzplaner::richteErscheinungEin(app);
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const QString text = eintraege(100000);
    const QByteArray utf8 = text.toUtf8();

    double rechnen = 0;
    std::size_t bloecke = 0;
    for (int r = 0; r < runden; ++r) {
        QElapsedTimer uhr;
        uhr.start();
        bloecke =
            netzplaner::fasseZusammen(std::string_view(utf8.constData(), std::size_t(utf8.size()))).bloecke.size();
        rechnen += millisekunden(uhr);
    }

    netzplaner::ZusammenfassungsFenster fenster(nullptr);
    QPlainTextEdit leer;
    leer.setLineWrapMode(QPlainTextEdit::NoWrap);
    leer.resize(fenster.findChild<QPlainTextEdit*>(QStringLiteral("txteingabe"))->size());
    QGuiApplication::clipboard()->setText(text);
    const Zeiten programm = miss(fenster.findChild<QPlainTextEdit*>(QStringLiteral("txteingabe")), runden);
    const Zeiten boden = miss(&leer, runden);

    std::printf("summarise 100,000 entries (%zu blocks), mean of %d rounds, target <= 100 ms:\n", bloecke, runden);
    std::printf("  calculation alone                  %8.1f ms\n", rechnen / runden);
    std::printf("  paste of the list, window / bare   %8.1f ms  %8.1f ms\n", programm.einfuegen, boden.einfuegen);
    std::printf("  one keystroke more, window / bare  %8.1f ms  %8.1f ms\n", programm.taste, boden.taste);
    return 0;
}
