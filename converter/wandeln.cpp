// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/wandeln.h"

#include "converter/wandelnfenster.h"
#include "toolkit/fensterlage.h"

namespace netzplaner {

void zeigeWandeln(QWidget* eltern)
{
    auto* fenster = new WandelnFenster(eltern);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    // Centred on the screen rather than over the parent, where Qt would put a dialog.
    fenster->adjustSize();
    zentriereAufBildschirm(fenster);
    fenster->exec(); // deletes the window on its way out
}

} // namespace netzplaner
