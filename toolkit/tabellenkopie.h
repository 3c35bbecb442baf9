// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QModelIndex>
#include <QString>
#include <QStringView>
#include <climits>
#include <vector>

class QAbstractItemModel;
class QAbstractItemView;

namespace netzplaner {

// The header line, then the given rows in the given order (rows outside the
// model are left out), as the model displays them; fields joined by trenner,
// every line ended by zeilenende, the last one too. A field that holds the
// separator, a quote or a line break is quoted as spreadsheets read it.
QString tabellenText(const QAbstractItemModel& modell, const std::vector<int>& zeilen, QStringView trenner,
                     QStringView zeilenende);

// The same for rows anywhere in a tree, given by their first column.
QString tabellenText(const QAbstractItemModel& modell, const std::vector<QModelIndex>& zeilen, QStringView trenner,
                     QStringView zeilenende);

// The first höchstens rows, in the model's order.
std::vector<int> ersteZeilen(const QAbstractItemModel& modell, int hoechstens = INT_MAX);

// Ctrl+C and the context menu's "Kopieren" put the selected rows on the
// clipboard, "Alles kopieren" the whole table (its first höchstens rows): the
// header line first, fields separated by tabs, so that they paste into a
// spreadsheet or a ticket as a table. In a tree, rows are written depth-first:
// a group's row, then its child rows. A window adds further actions to the
// table after these.
void macheZeilenKopierbar(QAbstractItemView* tabelle, int hoechstensZeilen = INT_MAX);

} // namespace netzplaner
