// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programmdaten.h"

#include <QApplication>

#include "toolkit/bilder.h"

namespace netzplaner {

void setzeProgrammdaten()
{
    // Version and id come from the build, so the program, its desktop entry
    // and its package can never disagree about them.
    QApplication::setApplicationName(QStringLiteral("Netzplaner"));
    QApplication::setApplicationVersion(QStringLiteral(NETZPLANER_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quendelwerk"));
    QApplication::setOrganizationDomain(QStringLiteral("quendelwerk.example"));
    // Wayland compositors and task bars find the desktop entry (and so the
    // launcher's icon and name) by this id.
    QApplication::setDesktopFileName(QStringLiteral(NETZPLANER_KENNUNG));
}

void setzeFenstersymbol(QApplication& app)
{
    // Every window of the program shows the open eyes, the converter too.
    app.setWindowIcon(fenstersymbol());
}

} // namespace netzplaner
