// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace netzplaner {

// Name, version, maker and desktop entry of the program, as the desktop, the
// window manager and --version ask for them. Qt keeps them before the
// application exists, so the command line can answer without a display.
void setzeProgrammdaten();

// The picture every window of the program shows; needs the application.
void setzeFenstersymbol(QApplication& app);

} // namespace netzplaner
