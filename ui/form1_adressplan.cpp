// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan: made on its first opening, with the net the main window
// shows; a planned net chosen in it comes back as a pasted address would.
#include <QCloseEvent>

#include "adressplan/adressplanfenster.h"
#include "calc/netzliste.h"
#include "calc/netzwahl.h"
#include "ui/form1.h"

namespace netzplaner {

AdressplanFenster* Form1::adressplan()
{
    if (!adressplan_) {
        // The fields always hold octets and a bit count, and each group has a
        // button on: there is always a net to start from.
        const auto wahl = netzwahlAus(eingaben());
        const QString netz = wahl ? QString::fromStdString(Netzliste(*wahl).kopf().cidr) : QString();
        adressplan_ = new AdressplanFenster(netz, this);
        connect(adressplan_, &AdressplanFenster::zeigeNetz, this, &Form1::txtip_Einfuegen);
        zeigeNeben(adressplan_, true);
    }
    return adressplan_;
}

void Form1::plan_Click()
{
    const bool neu = !adressplan_;
    AdressplanFenster* fenster = adressplan();
    if (!neu)
        zeigeNeben(fenster, false);
}

void Form1::oeffnePlandatei(const QString& pfad)
{
    adressplan()->oeffne(pfad);
}

bool Form1::darfEnden()
{
    return !adressplan_ || adressplan_->darfVerwerfen();
}

void Form1::closeEvent(QCloseEvent* ereignis)
{
    if (darfEnden())
        ereignis->accept();
    else
        ereignis->ignore();
}

} // namespace netzplaner
