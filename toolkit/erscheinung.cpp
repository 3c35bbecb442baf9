// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/erscheinung.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "toolkit/schriften.h"
#include "toolkit/stil.h"

namespace netzplaner {

void richteErscheinungEin(QApplication& app)
{
    // The fixed geometry was drawn for classic control metrics (13 px option
    // indicators, frame titles on the frame's border); Qt's "Windows" style has
    // them, where Fusion's larger indicators would push captions past their width.
    app.setStyle(new Stil);

    // Liberation Sans has Arial's metrics and is close to MS Sans Serif.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QApplication::setFont(fensterSchrift()); // menus and message boxes too

    // The program speaks German whatever the desktop's language: so do the
    // line edit's context menu and the message box buttons.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* uebersetzung = new QTranslator(&app);
    if (uebersetzung->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(uebersetzung);
}

} // namespace netzplaner
