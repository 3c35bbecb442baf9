// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTableView;

namespace netzplaner {

class Netzlistenmodell;

// Ctrl+C and the context menu's "Kopieren" put the selected rows on the
// clipboard, "Alles kopieren" the whole list: the header line first, fields
// separated by tabs, so that they paste into a spreadsheet or a ticket as a table.
void macheZeilenKopierbar(QTableView* tabelle, const Netzlistenmodell* modell);

} // namespace netzplaner
