// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace netzplaner {

class Netzliste;

// Asks for the file to save to: the full path, or empty when the user cancelled.
using Dateiwahl = std::function<QString(QWidget* eltern, const QString& vorschlag)>;

// Qt's own save dialog, in the program's German, for *.csv files; it asks
// before it lets an existing file be replaced.
QString frageCsvDatei(QWidget* eltern, const QString& vorschlag);

// Writes the whole content or nothing: through a temporary file that replaces
// the target only once it is complete. Gives the German reason if it failed.
std::optional<QString> schreibeGanz(const QString& pfad, const QByteArray& inhalt);

// The whole list as CSV (";" between fields, "\r\n" after every line, UTF-8),
// into the file that wahl names; a failure is told in a German message box.
void speichereAlsCsv(QWidget* fenster, const Netzliste& liste, const Dateiwahl& wahl);

} // namespace netzplaner
