// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The build's install_manifest.txt as it stands, empty when there is none: the
// list that the README's removal of a source install deletes, so no test may
// rewrite it.
QByteArray installationsliste(const QString& bauVerzeichnis);

// Runs a program of the system and fails the calling test, with the program's
// output, unless it succeeds. Its output is left in `ausgabe`.
void fuehreAus(const QString& programm, const QStringList& argumente, QByteArray* ausgabe = nullptr,
               const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment());
