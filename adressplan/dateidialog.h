// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace netzplaner {

enum class Dateiart { PlanOeffnen, PlanSpeichern, CsvImport, CsvExport };

// Asks for a file: the full path, or empty when the user cancelled.
using Dateidialog = std::function<QString(QWidget* eltern, Dateiart art, const QString& vorschlag)>;

// Qt's own file dialogs, in the program's German: plan files, CSV to import,
// CSV to export; the save dialogs ask before an existing file is replaced.
QString frageDatei(QWidget* eltern, Dateiart art, const QString& vorschlag);

} // namespace netzplaner
