// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTableView;

namespace netzplaner {

// The width a column of tabelle needs for every text of the form muster, "0"
// standing for any digit, with the item view's margins and the grid line:
// every cell then fits whatever it shows, and no cell is measured at run time.
int spaltenbreite(const QTableView* tabelle, const QString& muster);

} // namespace netzplaner
