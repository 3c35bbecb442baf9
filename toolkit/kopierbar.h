// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QWidget;

namespace netzplaner {

// Lets the mouse select the text of a window's result labels, to be copied
// with Ctrl+C or the context menu into a ticket or a configuration.
void macheKopierbar(QWidget* fenster, const std::vector<QLabel*>& ergebnisse);

// Ctrl+Shift+C anywhere in the window puts ganzesErgebnis() on the clipboard,
// unless it is empty:
// the keyboard's way to the results, which Tab never reaches. The window's
// accessible description tells a screen reader's user so.
void kopiereGanzesErgebnisPerTaste(QWidget* fenster, std::function<QString()> ganzesErgebnis);

} // namespace netzplaner
