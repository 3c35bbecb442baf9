// SPDX-License-Identifier: GPL-3.0-or-later
// The net list: built when it is first opened, so that the main window starts
// as fast and as small as without it, and fed every new choice while open.
#include "calc/netzwahl.h"
#include "netzliste/netzlistenfenster.h"
#include "ui/form1.h"

namespace netzplaner {

void Form1::liste_Click()
{
    // A list closed a moment ago is hidden until it is deleted.
    if (!netzliste_ || !netzliste_->isVisible()) {
        // The fields always hold octets and a bit count, and each group has a
        // button on: there is always a choice to show.
        const auto wahl = netzwahlAus(eingaben());
        if (!wahl)
            return;
        netzliste_ = new NetzlistenFenster(*wahl, this);
        netzliste_->show();
    }
    netzliste_->raise();
    netzliste_->activateWindow();
}

void Form1::folgeNetzliste()
{
    if (!netzliste_)
        return;
    if (const auto wahl = netzwahlAus(eingaben()))
        netzliste_->setzeWahl(*wahl);
}

} // namespace netzplaner
