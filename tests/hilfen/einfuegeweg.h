// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

class QLineEdit;
class QWidget;

// The ways a user pastes into a line edit, delivered as the window system
// delivers them, so that a paste starts where it starts for a user.
enum class Einfuegeweg {
    StrgV,         // Ctrl+V, to whatever has the focus
    UmschaltEinfg, // Shift+Insert, to whatever has the focus
    Kontextmenue,  // a right click on the field, then "Einfügen" in its menu
    Mittelklick,   // the X11 selection, by the middle button on the field
    Ablegen,       // dragged from another program and dropped on the field
};

QString wegName(Einfuegeweg weg);

// False when the platform has no such way: only X11 has a selection to
// paste with the middle button. The mouse ways click at wo in feld (its
// centre by default); the key ways ignore feld and go to the focus.
bool fuegeEin(QLineEdit* feld, const QString& text, Einfuegeweg weg, QPoint wo = QPoint(-1, -1));

// Drops text at wo in feld as Qt delivers a drag from outside: enter, move,
// drop, none of it to a window that a modal one blocks. True when the field
// accepted the drop, so that a source that moves its text would delete it.
bool legeAb(QLineEdit* feld, const QString& text, QPoint wo);

// Drags the text selected in quelle, pressed at auswahl, to wo in ziel through
// the platform's own drag, which tells the source whether the drop copied or
// moved its text. Offscreen has no such drag: there nothing happens.
void zieheHinueber(QWidget* quelle, QPoint auswahl, QWidget* ziel, QPoint wo);
