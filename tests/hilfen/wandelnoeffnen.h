// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <functional>

#include "tests/hilfen/wandelnsteuerelemente.h"

// Keys go where the user's keys would go: to the widget that has the focus.
void taste(Qt::Key key, Qt::KeyboardModifiers umschalt = Qt::NoModifier);

// Opens the converter through its public entry point, as the main window does,
// and runs pruefe inside the modal loop. The window is closed afterwards unless
// pruefe closed it, so a check that fails inside never leaves the loop hanging.
// The parent (may be null) is the window that waits.
void oeffneWandeln(QWidget* eltern, const std::function<void(WandelnSteuerelemente&)>& pruefe);
void oeffneWandeln(const std::function<void(WandelnSteuerelemente&)>& pruefe);
