// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/nebenlage.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace netzplaner {

QRect rahmenNeben(const QRect& haupt, const QSize& groesse, const QSize& mindestens, const QRect& bildschirm)
{
    const int platzRechts = bildschirm.right() - haupt.right();
    const int platzLinks = haupt.left() - bildschirm.left();
    int breite = groesse.width();
    bool rechts = breite <= platzRechts;
    if (!rechts && breite > platzLinks) {
        rechts = platzRechts >= platzLinks;
        const int platz = std::max(platzRechts, platzLinks);
        if (mindestens.width() <= platz)
            breite = platz;
    }
    const int hoehe = std::max(std::min(groesse.height(), bildschirm.height()), mindestens.height());
    // Onto the screen; a window wider than the screen keeps its left edge on it.
    int x = rechts ? haupt.right() + 1 : haupt.left() - breite;
    x = std::max(std::min(x, bildschirm.right() + 1 - breite), bildschirm.left());
    const int y = std::max(std::min(haupt.top(), bildschirm.bottom() + 1 - hoehe), bildschirm.top());
    return {x, y, breite, hoehe};
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
    // Before the layout is first activated, only the hint knows the minimum.
    const QSize mindestens = fenster->minimumSize().expandedTo(fenster->minimumSizeHint());
    const QRect neben = rahmenNeben(hauptRahmen, fenster->size().grownBy(rahmen), mindestens.grownBy(rahmen), flaeche);
    fenster->resize(neben.size().shrunkBy(rahmen));
    fenster->move(neben.topLeft()); // move() places the frame's corner
}

} // namespace netzplaner
