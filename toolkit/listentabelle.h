// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTableView;

namespace netzplaner {

// The look of every list the program shows: whole rows are picked, one or
// many; cells are read-only and never wrap; Tab leads on to the next control,
// the arrow keys move in the table; rows are one line high, all alike, so a
// long model is laid out without asking every row; the last column takes the
// room left.
void richteListentabelleEin(QTableView* tabelle);

} // namespace netzplaner
