// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace netzplaner {

// netzplaner --plan: the plan of the plan file pfad on stdout in format
// ("text", "csv" or "netbox"). Returns the exit status: 0; 1 when the plan
// has no rows (the reason on stderr, nothing on stdout); 2 when the file is
// refused.
int gibPlanAus(const QString& pfad, const QString& format, const QString& programm);

} // namespace netzplaner
