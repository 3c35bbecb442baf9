// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace netzplaner {

// The layout is drawn in twips (1/1440 inch): 15 twips are one pixel at 96 dpi.
// Converting at the screen's logical DPI lets fonts and geometry scale together.
int twipsZuPixel(int twips, qreal dpi);

// A control's rectangle inside its container, for a widget already on its screen.
QRect twipsRechteck(const QWidget* widget, int links, int oben, int breite, int hoehe);

// The size in pixels of an area drawn as so many twips, such as a client area.
QSize twipsGroesse(const QWidget* widget, QSize twips);

} // namespace netzplaner
