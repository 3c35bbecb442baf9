// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/nebenlage.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace netzplaner {

QPoint lageNeben(const QRect& haupt, const QSize& groesse, const QRect& bildschirm)
{
    const int rechts = haupt.right() + 1;
    const int links = haupt.left() - groesse.width();
    int x = rechts;
    if (rechts + groesse.width() > bildschirm.right() + 1) {
        const int platzRechts = bildschirm.right() + 1 - rechts;
        const int platzLinks = haupt.left() - bildschirm.left();
        x = links >= bildschirm.left() || platzLinks > platzRechts ? links : rechts;
    }
    // Onto the screen; a window wider than the screen keeps its left edge on it.
    x = std::max(std::min(x, bildschirm.right() + 1 - groesse.width()), bildschirm.left());
    const int y = std::max(std::min(haupt.top(), bildschirm.bottom() + 1 - groesse.height()), bildschirm.top());
    return {x, y};
}

void legeNeben(QWidget* fenster, const QWidget* haupt)
{
    const QScreen* bildschirm = haupt->screen();
    if (!bildschirm)
        return;
    const QRect flaeche = bildschirm->availableGeometry();
    // The window manager frames the list as it framed the main window; before
    // the list is mapped its own frame is not known yet on X11.
    const QRect hauptRahmen = haupt->frameGeometry();
    const QRect hauptInnen = haupt->geometry();
    const QMargins rahmen(hauptInnen.left() - hauptRahmen.left(), hauptInnen.top() - hauptRahmen.top(),
                          hauptRahmen.right() - hauptInnen.right(), hauptRahmen.bottom() - hauptInnen.bottom());
    const int hoechstens = flaeche.height() - rahmen.top() - rahmen.bottom();
    if (fenster->height() > hoechstens)
        fenster->resize(fenster->width(), std::max(hoechstens, fenster->minimumHeight()));
    const QSize groesse = fenster->size().grownBy(rahmen);
    fenster->move(lageNeben(hauptRahmen, groesse, flaeche)); // move() places the frame's corner
}

} // namespace netzplaner
