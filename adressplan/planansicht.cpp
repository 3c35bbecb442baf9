// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/planansicht.h"

#include <QAccessible>

namespace netzplaner {

void Planansicht::dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen)
{
    if (oben.row() == unten.row()) {
        QTreeView::dataChanged(oben, unten, rollen);
        return;
    }
    viewport()->update();
    // What the base would tell a screen reader.
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent ereignis(this, QAccessibleTableModelChangeEvent::DataChanged);
        ereignis.setFirstRow(oben.row());
        ereignis.setFirstColumn(oben.column());
        ereignis.setLastRow(unten.row());
        ereignis.setLastColumn(unten.column());
        QAccessible::updateAccessibility(&ereignis);
    }
}

} // namespace netzplaner
