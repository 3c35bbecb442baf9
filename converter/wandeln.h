// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace netzplaner {

// Opens the number converter modal, centred on the screen, and returns when
// the user has closed it. Each call builds the window anew from its presets,
// and it is destroyed on closing. The parent (may be null) is the window that
// waits, typically the main window.
void zeigeWandeln(QWidget* eltern);

} // namespace netzplaner
