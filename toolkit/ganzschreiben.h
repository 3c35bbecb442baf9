// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace netzplaner {

// Writes the whole content or nothing: through a temporary file that replaces
// the target only once it is complete. Gives the German reason if it failed.
std::optional<QString> schreibeGanz(const QString& pfad, const QByteArray& inhalt);

// "„/home/anna/netze.csv“", as messages name a file.
QString dateiname(const QString& pfad);

} // namespace netzplaner
