// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/befehlszeile.h"
#include "app/planbefehl.h"
#include "app/programmdaten.h"
#include "app/zusammenfassenbefehl.h"
#include "toolkit/erscheinung.h"
#include "ui/form1.h"

namespace {

// The commands for scripts: a core application only, so that they run where
// there is no display at all.
int fuehreAus(int argc, char* argv[], const netzplaner::Aufruf& aufruf)
{
    QCoreApplication app(argc, argv);
    const QString programm = QStringLiteral("netzplaner");
    if (aufruf.art == netzplaner::Aufruf::Art::zusammenfassen)
        return netzplaner::fasseDateienZusammen(aufruf.dateien, programm);
    return netzplaner::gibPlanAus(*aufruf.plandatei, aufruf.format, programm);
}

} // namespace

int main(int argc, char* argv[])
{
    netzplaner::setzeProgrammdaten();
    const netzplaner::Aufruf aufruf = netzplaner::liesAufruf(netzplaner::rohargumente(argc, argv));
    if (aufruf.ende)
        return *aufruf.ende;
    if (aufruf.art != netzplaner::Aufruf::Art::fenster)
        return fuehreAus(argc, argv, aufruf);

    QApplication app(argc, argv);
    netzplaner::setzeFenstersymbol(app);
    netzplaner::richteErscheinungEin(app);

    netzplaner::Form1 form1;
    form1.show();
    // Over the shown main window, so that a refusal's message box has its parent in view.
    if (aufruf.plandatei)
        form1.oeffnePlandatei(*aufruf.plandatei);
    return app.exec();
}
