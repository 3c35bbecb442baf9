// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace netzplaner {

// The answer to --help, for the program called as programm.
QString hilfetext(const QString& programm);

} // namespace netzplaner
