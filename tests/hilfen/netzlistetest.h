// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QTableView>

#include "netzliste/netzlistenfenster.h"
#include "tests/hilfen/form1test.h"

// Shared by the net list suites: the main window's fixture, and the list it
// opens, found by objectNames.
class NetzlisteTest : public Form1Test {
protected:
    netzplaner::NetzlistenFenster* liste() const
    {
        return form->findChild<netzplaner::NetzlistenFenster*>(QStringLiteral("netzliste"));
    }
    netzplaner::NetzlistenFenster* oeffneListe()
    {
        form->findChild<QAction*>(QStringLiteral("liste"))->trigger();
        return liste();
    }
    QTableView* tabelle() const { return ::finde<QTableView>(liste(), QStringLiteral("tabelle")); }
    QString kopf(const char* name) const { return ::finde<QLabel>(liste(), QLatin1String(name))->text(); }
    // The cells of a row joined by "|".
    QString zeile(int nr) const
    {
        QStringList felder;
        for (int spalte = 0; spalte < 6; ++spalte)
            felder << tabelle()->model()->index(nr, spalte).data().toString();
        return felder.join(u'|');
    }
    // A net kind (Option1) and, but for "Normal", a bit count typed in.
    void waehle(int art, const QString& bitzahl)
    {
        netzart(art)->setChecked(true);
        if (art > 0)
            tippeIn(bits(), bitzahl);
    }
};
