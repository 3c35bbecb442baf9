// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/netzwahl.h"
#include "rechenweg/rechenwegfenster.h"
#include "ui/form1.h"

namespace netzplaner {

void Form1::rechenweg_Click()
{
    const bool neu = !rechenweg_;
    if (neu)
        rechenweg_ = new RechenwegFenster(netzwahlAus(eingaben()), this);
    zeigeNeben(rechenweg_, neu);
}

void Form1::folgeRechenweg()
{
    if (!rechenweg_)
        return;
    if (const auto wahl = netzwahlAus(eingaben()))
        rechenweg_->setzeWahl(*wahl);
}

} // namespace netzplaner
