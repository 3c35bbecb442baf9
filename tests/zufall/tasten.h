// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>

namespace zufall {

class Wuerfel;

// A key as the window system delivers it: key code, the text it types (as X11
// attaches it, also to Backspace, Delete and Ctrl+letter) and modifiers.
struct Taste {
    Qt::Key key = Qt::Key_unknown;
    QString text;
    Qt::KeyboardModifiers umschalt;
    QString name; // for the report
};

// Mostly a typed character; otherwise an editing or moving key, Tab, or a
// shortcut for select all, undo, redo, copy, cut or paste. Never Alt: its
// mnemonics open the menus, which belong to no random run.
Taste zufallsTaste(Wuerfel& wuerfel);

Taste taste(Qt::Key key, const char* text, const char* name, Qt::KeyboardModifiers umschalt = Qt::NoModifier);

// The key that types one character.
Taste zeichenTaste(const QString& zeichen);

// Presses and releases it in the window that has the focus.
void drueckeTaste(const Taste& taste);

} // namespace zufall
