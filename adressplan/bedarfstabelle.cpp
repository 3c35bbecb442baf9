// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/bedarfstabelle.h"

#include <QDrag>
#include <QDropEvent>
#include <algorithm>

namespace netzplaner {

Bedarfstabelle::Bedarfstabelle(QWidget* eltern)
    : QTableView(eltern)
{
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed | SelectedClicked);
}

std::pair<int, int> Bedarfstabelle::gewaehlterLauf() const
{
    QList<int> zeilen;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        zeilen << index.row();
    std::sort(zeilen.begin(), zeilen.end());
    if (!zeilen.isEmpty() && zeilen.constLast() - zeilen.constFirst() + 1 == zeilen.size())
        return {zeilen.constFirst(), int(zeilen.size())};
    if (currentIndex().isValid())
        return {currentIndex().row(), 1};
    return {0, 0};
}

void Bedarfstabelle::waehleLauf(int zeile, int anzahl)
{
    const QItemSelection lauf(model()->index(zeile, 0), model()->index(zeile + anzahl - 1, model()->columnCount() - 1));
    selectionModel()->setCurrentIndex(model()->index(zeile, 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(lauf, QItemSelectionModel::ClearAndSelect);
    scrollTo(currentIndex());
}

void Bedarfstabelle::startDrag(Qt::DropActions)
{
    const auto [zeile, anzahl] = gewaehlterLauf();
    if (anzahl == 0)
        return;
    QRect zeilen = visualRect(model()->index(zeile, 0));
    for (int spalte = 1; spalte < model()->columnCount(); ++spalte)
        zeilen |= visualRect(model()->index(zeile + anzahl - 1, spalte));
    auto* ziehen = new QDrag(this);
    ziehen->setMimeData(model()->mimeData(selectionModel()->selectedIndexes()));
    ziehen->setPixmap(viewport()->grab(zeilen.intersected(viewport()->rect())));
    // However the drag ends, the drop has done all there is to do.
    ziehen->exec(Qt::MoveAction);
}

void Bedarfstabelle::dropEvent(QDropEvent* ereignis)
{
    if (ereignis->source() != this) {
        ereignis->ignore();
        return;
    }
    const auto [zeile, anzahl] = gewaehlterLauf();
    const QModelIndex ueber = indexAt(ereignis->position().toPoint());
    int ziel = model()->rowCount();
    if (ueber.isValid())
        ziel = dropIndicatorPosition() == BelowItem ? ueber.row() + 1 : ueber.row();
    if (anzahl > 0 && model()->moveRows({}, zeile, anzahl, {}, ziel))
        waehleLauf(ziel > zeile ? ziel - anzahl : ziel, anzahl);
    ereignis->acceptProposedAction();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

} // namespace netzplaner
