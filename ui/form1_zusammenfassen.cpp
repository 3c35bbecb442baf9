// SPDX-License-Identifier: GPL-3.0-or-later
// Summarise: built when it is first opened, then kept hidden between openings.
#include "ui/form1.h"
#include "zusammenfassen/zusammenfassungsfenster.h"

namespace netzplaner {

void Form1::summe_Click()
{
    const bool neu = !summe_;
    if (neu)
        summe_ = new ZusammenfassungsFenster(this);
    zeigeNeben(summe_, neu);
}

} // namespace netzplaner
