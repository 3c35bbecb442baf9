// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;

namespace netzplaner {

// A result label is read as its meaning followed by the figure it shows
// ("Netzmaske, Oktett 2: 255"), always the current one: Qt would read either
// the figure alone or, once the label has an accessible name, the name alone.
void bezeichneErgebnis(QLabel* label, const QString& bedeutung);

} // namespace netzplaner
