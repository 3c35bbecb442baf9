// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace netzplaner {

// The fonts the layout was drawn for. Their families are mapped onto installed
// fonts of the same metrics when the application starts (erscheinung.h).
QFont fensterSchrift(qreal punkte = 8.25, bool fett = false); // MS Sans Serif
QFont arial(qreal punkte, bool fett = false);

} // namespace netzplaner
