// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace netzplaner {

// Style, fonts and Qt's German translations, shared by the program and by the
// window tests so that both see the same metrics.
void richteErscheinungEin(QApplication& app);

} // namespace netzplaner
