// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>

// The environment of a shell on a server or in a script: no display at all,
// which Qt, looking for one, would abort on.
inline QProcessEnvironment ohneAnzeige()
{
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        umgebung.remove(QString::fromLatin1(variable));
    return umgebung;
}
