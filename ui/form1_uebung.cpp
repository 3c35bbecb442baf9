// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebung/uebungsfenster.h"
#include "ui/form1.h"

namespace netzplaner {

void Form1::uebung_Click()
{
    const bool neu = !uebung_;
    if (neu)
        uebung_ = new UebungsFenster(this);
    zeigeNeben(uebung_, neu);
}

} // namespace netzplaner
