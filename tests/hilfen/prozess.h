#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs a program of the system and fails the calling test, with the program's
// output, unless it succeeds. Its output is left in `ausgabe`.
void fuehreAus(const QString& programm, const QStringList& argumente, QByteArray* ausgabe = nullptr,
               const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment());
