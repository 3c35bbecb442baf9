// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace netzplaner {

// The frame of a window beside the frame of the main window haupt on the free
// area of the screen. groesse is the window's frame at the size it asks for,
// mindestens at its minimum size. To the right of the main window where it
// fits whole, else to its left. Where it fits whole on neither side but the
// roomier side holds its minimum, it takes that side's width and scrolls
// rather than cover the main window. With room on neither side, it keeps its
// width on the roomier side, moved as far onto the screen as it goes. No
// taller than the screen unless its minimum is; tops line up as far as the
// screen allows.
QRect rahmenNeben(const QRect& haupt, const QSize& groesse, const QSize& mindestens, const QRect& bildschirm);

// Puts a window, not shown yet, beside the main window, and sizes it as
// rahmenNeben says.
void legeNeben(QWidget* fenster, const QWidget* haupt);

} // namespace netzplaner
