// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/twips.h"

#include <QWidget>
#include <cmath>

namespace netzplaner {

int twipsZuPixel(int twips, qreal dpi)
{
    return int(std::lround(twips * dpi / 1440.0));
}

QRect twipsRechteck(const QWidget* widget, int links, int oben, int breite, int hoehe)
{
    const qreal x = widget->logicalDpiX();
    const qreal y = widget->logicalDpiY();
    // Edges are converted, not sizes, so that neighbouring controls that
    // touch in twips also touch in pixels.
    const int l = twipsZuPixel(links, x);
    const int t = twipsZuPixel(oben, y);
    return QRect(l, t, twipsZuPixel(links + breite, x) - l, twipsZuPixel(oben + hoehe, y) - t);
}

QSize twipsGroesse(const QWidget* widget, QSize twips)
{
    return twipsRechteck(widget, 0, 0, twips.width(), twips.height()).size();
}

} // namespace netzplaner
