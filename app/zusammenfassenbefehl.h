// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace netzplaner {

// netzplaner --zusammenfassen: the entries of all dateien ("-" standard
// input) as one summary on stdout, one "a.b.c.d/p" a line; each refused
// entry as "DATEI:ZEILE: reason" on stderr. Returns the exit status: 0, 1
// when an entry was refused, 2 when a file cannot be read (stdout then stays
// empty).
int fasseDateienZusammen(const QStringList& dateien, const QString& programm);

} // namespace netzplaner
