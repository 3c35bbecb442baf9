// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace netzplaner {

// Name, version, maker and desktop entry of the program, as the desktop and
// the window manager ask for them.
void setzeProgrammdaten(QApplication& app);

} // namespace netzplaner
