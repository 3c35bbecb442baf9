// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/nebenlage.h"
#include "ui/form1.h"

namespace netzplaner {

void Form1::zeigeNeben(QWidget* fenster, bool neu)
{
    // Later openings find the window where the user left it.
    if (neu)
        legeNeben(fenster, this);
    fenster->setWindowState(fenster->windowState() & ~Qt::WindowMinimized);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

} // namespace netzplaner
