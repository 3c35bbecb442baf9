// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;

namespace netzplaner {

// A selectable label keeps a text document behind it and lays it out again at
// every change and paint: with up to 25 results rewritten by one keystroke that
// cost several times the rest of the keystroke. The results draw as plain text
// and become selectable only once the mouse is pressed in one of them, until it
// loses the keyboard again (not to its own context menu).
class AuswahlAufAbruf : public QObject {
public:
    using QObject::QObject;

    void beobachte(QLabel* label);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

} // namespace netzplaner
