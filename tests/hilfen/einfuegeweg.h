#pragma once

#include <QPoint>
#include <QString>

class QLineEdit;

// The ways a user pastes into a line edit, delivered as the window system
// delivers them, so that a paste starts where it starts for a user.
enum class Einfuegeweg {
    StrgV,         // Ctrl+V, to the field that has the focus
    UmschaltEinfg, // Shift+Insert, to the field that has the focus
    Kontextmenue,  // a right click on the field, then "Einfügen" in its menu
    Mittelklick,   // the X11 selection, by the middle button on the field
};

QString wegName(Einfuegeweg weg);

// False when the platform has no such way: only X11 has a selection to
// paste with the middle button. wo is a point of the field; the key ways
// need the field to have the focus already.
bool fuegeEin(QLineEdit* feld, const QString& text, Einfuegeweg weg, QPoint wo = QPoint(-1, -1));
