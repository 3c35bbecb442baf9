// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/programmdaten.h"
#include "toolkit/erscheinung.h"
#include "ui/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    netzplaner::setzeProgrammdaten(app);
    netzplaner::richteErscheinungEin(app);

    netzplaner::Form1 form1;
    form1.show();
    return app.exec();
}
