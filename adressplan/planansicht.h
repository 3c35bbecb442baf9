// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeView>

namespace netzplaner {

// The plan's tree. The plan changes its cells in place at every edit; Qt's
// tree works out the rectangle of every changed cell to repaint, which for
// 10,000 rows costs more than the plan itself: here a change of many cells
// repaints what is in sight.
class Planansicht : public QTreeView {
    Q_OBJECT

public:
    using QTreeView::QTreeView;

protected:
    void dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen) override;
};

} // namespace netzplaner
