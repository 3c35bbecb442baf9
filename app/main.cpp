// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/befehlszeile.h"
#include "app/programmdaten.h"
#include "toolkit/erscheinung.h"
#include "ui/form1.h"

int main(int argc, char* argv[])
{
    netzplaner::setzeProgrammdaten();
    if (const auto ende = netzplaner::beantworteAuskunft(netzplaner::rohargumente(argc, argv)))
        return *ende;

    QApplication app(argc, argv);
    netzplaner::setzeFenstersymbol(app);
    const netzplaner::Aufruf aufruf = netzplaner::liesAufruf(QApplication::arguments());
    if (aufruf.ende)
        return *aufruf.ende;
    netzplaner::richteErscheinungEin(app);

    netzplaner::Form1 form1;
    form1.show();
    // Over the shown main window, so that a refusal's message box has its parent in view.
    if (aufruf.plandatei)
        form1.oeffnePlandatei(*aufruf.plandatei);
    return app.exec();
}
