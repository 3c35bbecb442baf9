// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
class QWidget;

namespace netzplaner {

// Escape alone, without Shift, Ctrl or Alt.
bool istEscape(const QKeyEvent* ereignis);

// For a window's keyPressEvent: Escape that its controls leave closes the
// window, as a dialog would close on it. False for every other key, which the
// window handles as before.
bool schliesstBeiEscape(QWidget* fenster, const QKeyEvent* ereignis);

} // namespace netzplaner
