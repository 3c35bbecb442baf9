// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <climits>
#include <functional>
#include <optional>

class QAbstractItemModel;
class QWidget;

namespace netzplaner {

// Asks for the file to save to: the full path, or empty when the user cancelled.
using Dateiwahl = std::function<QString(QWidget* eltern, const QString& vorschlag)>;

// Qt's own save dialog, in the program's German, for *.csv files; it asks
// before it lets an existing file be replaced.
QString frageCsvDatei(QWidget* eltern, const QString& vorschlag);

// Writes the whole content or nothing: through a temporary file that replaces
// the target only once it is complete. Gives the German reason if it failed.
std::optional<QString> schreibeGanz(const QString& pfad, const QByteArray& inhalt);

// "„/home/anna/netze.csv“", as messages name a file.
QString dateiname(const QString& pfad);

// The table (its first höchstens rows) as German spreadsheets open it: ";"
// between fields, "\r\n" after every line, UTF-8 behind a byte order mark.
QByteArray alsCsv(const QAbstractItemModel& modell, int hoechstensZeilen = INT_MAX);

// Asks for the file with wahl and saves the table there as CSV; a failure is
// told in a German message box titled as the window is.
void speichereAlsCsv(QWidget* fenster, const QAbstractItemModel& modell, const QString& vorschlag,
                     const Dateiwahl& wahl, int hoechstensZeilen = INT_MAX);

// A warning box that shows the user's text as it is, never as markup.
void warne(QWidget* fenster, const QString& text, const QString& genauer = {});

} // namespace netzplaner
