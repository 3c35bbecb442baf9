// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace netzplaner {

// The top-left corner of a window of the given frame size beside the frame of
// the main window haupt: to its right where the screen has room, else to its
// left; with room on neither side, on the roomier one, moved as far onto the
// screen as it goes. Tops line up as far as the screen allows.
QPoint lageNeben(const QRect& haupt, const QSize& groesse, const QRect& bildschirm);

// Puts a window, not shown yet, beside the main window, shortened to the
// screen's height where it would not fit.
void legeNeben(QWidget* fenster, const QWidget* haupt);

} // namespace netzplaner
