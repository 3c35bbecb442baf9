// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/zufall/tasten.h"

#include <QGuiApplication>
#include <QTest>
#include <array>

#include "tests/zufall/wuerfel.h"

namespace zufall {
namespace {

struct Gewichtet {
    int gewicht;
    Taste taste;
};

const Qt::KeyboardModifiers strg = Qt::ControlModifier;
const Qt::KeyboardModifiers shift = Qt::ShiftModifier;

const std::array<Gewichtet, 21> besondere = {{
    {80, taste(Qt::Key_Backspace, "\b", "Backspace")},
    {50, taste(Qt::Key_Delete, "\x7f", "Delete")},
    {30, taste(Qt::Key_Left, "", "Left")},
    {30, taste(Qt::Key_Right, "", "Right")},
    {15, taste(Qt::Key_Left, "", "Shift+Left", shift)},
    {15, taste(Qt::Key_Right, "", "Shift+Right", shift)},
    {20, taste(Qt::Key_Home, "", "Home")},
    {20, taste(Qt::Key_End, "", "End")},
    {35, taste(Qt::Key_Up, "", "Up")},
    {35, taste(Qt::Key_Down, "", "Down")},
    {40, taste(Qt::Key_Tab, "\t", "Tab")},
    {30, taste(Qt::Key_Backtab, "", "Shift+Tab", shift)},
    {20, taste(Qt::Key_A, "\x01", "Ctrl+A", strg)},
    {15, taste(Qt::Key_Z, "\x1a", "Ctrl+Z", strg)},
    {5, taste(Qt::Key_Z, "\x1a", "Ctrl+Shift+Z", strg | shift)},
    {5, taste(Qt::Key_C, "\x03", "Ctrl+C", strg)},
    {5, taste(Qt::Key_X, "\x18", "Ctrl+X", strg)},
    {15, taste(Qt::Key_V, "\x16", "Ctrl+V", strg)},
    {8, taste(Qt::Key_Return, "\r", "Return")},
    {7, taste(Qt::Key_Escape, "\x1b", "Escape")},
    {5, taste(Qt::Key_Space, " ", "Space on a button")},
}};

int summe()
{
    int s = 0;
    for (const auto& g : besondere)
        s += g.gewicht;
    return s;
}

// Qt's key codes are the upper-case Latin-1 codes; other characters come as
// Key_unknown with their text, as an input method hands them over.
Qt::Key schluessel(const QString& zeichen)
{
    const QChar gross = zeichen.at(0).toUpper();
    return zeichen.size() == 1 && gross.unicode() > 0x20 && gross.unicode() <= 0xff ? Qt::Key(gross.unicode())
                                                                                      : Qt::Key_unknown;
}

} // namespace

Taste taste(Qt::Key key, const char* text, const char* name, Qt::KeyboardModifiers umschalt)
{
    return {key, QString::fromLatin1(text), umschalt, QString::fromLatin1(name)};
}

Taste zeichenTaste(const QString& zeichen)
{
    QString name = QStringLiteral("type \"%1\"").arg(zeichen);
    if (zeichen.at(0).unicode() >= 0x7f)
        name += QStringLiteral(" (U+%1)").arg(zeichen.toUcs4().value(0), 4, 16, QLatin1Char('0'));
    return {schluessel(zeichen), zeichen, Qt::NoModifier, name};
}

Taste zufallsTaste(Wuerfel& wuerfel)
{
    if (wuerfel.promille(600))
        return zeichenTaste(wuerfel.zeichen());
    static const int gesamt = summe();
    int wahl = wuerfel.unter(gesamt);
    for (const auto& g : besondere) {
        if (wahl < g.gewicht)
            return g.taste;
        wahl -= g.gewicht;
    }
    return besondere.front().taste;
}

void drueckeTaste(const Taste& taste)
{
    QTest::sendKeyEvent(QTest::Click, QGuiApplication::focusWindow(), taste.key, taste.text, taste.umschalt);
}

} // namespace zufall
