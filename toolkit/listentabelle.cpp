// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/listentabelle.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace netzplaner {

void richteListentabelleEin(QTableView* tabelle)
{
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setWordWrap(false);
    // A table view would keep Tab for its cells.
    tabelle->setTabKeyNavigation(false);
    // Every list numbers its rows itself, where it needs numbers.
    tabelle->verticalHeader()->hide();
    tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The style's rows are sized for touch, about twice a line of text: a
    // line, the item view's margins above and below and the grid line.
    const int rand = tabelle->style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, tabelle) + 1;
    tabelle->verticalHeader()->setMinimumSectionSize(0);
    tabelle->verticalHeader()->setDefaultSectionSize(tabelle->fontMetrics().height() + 2 * rand + 1);
    tabelle->horizontalHeader()->setHighlightSections(false);
    tabelle->horizontalHeader()->setStretchLastSection(true);
}

} // namespace netzplaner
