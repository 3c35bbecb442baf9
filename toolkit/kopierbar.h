// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QLabel;
class QWidget;

namespace netzplaner {

// Lets the mouse select the text of a window's result labels, to be copied
// with Ctrl+C or the context menu into a ticket or a configuration.
void macheKopierbar(QWidget* fenster, const std::vector<QLabel*>& ergebnisse);

} // namespace netzplaner
