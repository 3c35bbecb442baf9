// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/bedarfstabelle.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <algorithm>

namespace netzplaner {

Bedarfstabelle::Bedarfstabelle(QWidget* eltern)
    : QTreeView(eltern)
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
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setIndentation(fontMetrics().horizontalAdvance(QStringLiteral("00")));
    header()->setStretchLastSection(false);
}

Lauf Bedarfstabelle::gewaehlterLauf() const
{
    const QModelIndexList gewaehlt = selectionModel()->selectedRows();
    QList<int> zeilen;
    bool eineEbene = !gewaehlt.isEmpty();
    for (const QModelIndex& index : gewaehlt) {
        eineEbene = eineEbene && index.parent() == gewaehlt.front().parent();
        zeilen << index.row();
    }
    std::sort(zeilen.begin(), zeilen.end());
    if (eineEbene && zeilen.constLast() - zeilen.constFirst() + 1 == zeilen.size())
        return {gewaehlt.front().parent(), zeilen.constFirst(), int(zeilen.size())};
    if (currentIndex().isValid())
        return {currentIndex().parent(), currentIndex().row(), 1};
    return {};
}

void Bedarfstabelle::waehleLauf(const QModelIndex& eltern, int zeile, int anzahl)
{
    if (eltern.isValid())
        expand(eltern);
    const QModelIndex erste = model()->index(zeile, 0, eltern);
    const QItemSelection lauf(erste, model()->index(zeile + anzahl - 1, model()->columnCount() - 1, eltern));
    selectionModel()->setCurrentIndex(erste, QItemSelectionModel::NoUpdate);
    selectionModel()->select(lauf, QItemSelectionModel::ClearAndSelect);
    scrollTo(erste);
}

QModelIndex Bedarfstabelle::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten)
{
    const QModelIndex jetzt = currentIndex();
    if ((aktion == MoveNext || aktion == MovePrevious) && jetzt.isValid()) {
        const int spalte = jetzt.column() + (aktion == MoveNext ? 1 : -1);
        if (spalte >= 0 && spalte < model()->columnCount(jetzt.parent()))
            return jetzt.siblingAtColumn(spalte);
    }
    return QTreeView::moveCursor(aktion, tasten);
}

void Bedarfstabelle::startDrag(Qt::DropActions)
{
    const Lauf lauf = gewaehlterLauf();
    if (lauf.anzahl == 0)
        return;
    QRect zeilen = visualRect(model()->index(lauf.zeile, 0, lauf.eltern));
    for (int spalte = 1; spalte < model()->columnCount(); ++spalte)
        zeilen |= visualRect(model()->index(lauf.zeile + lauf.anzahl - 1, spalte, lauf.eltern));
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
    const Lauf lauf = gewaehlterLauf();
    const QModelIndex ueber = indexAt(ereignis->position().toPoint()).siblingAtColumn(0);
    QModelIndex nach;
    int ziel = model()->rowCount();
    if (ueber.isValid()) {
        switch (dropIndicatorPosition()) {
        case OnItem:
            nach = ueber;
            ziel = model()->rowCount(ueber);
            break;
        case BelowItem:
            nach = ueber.parent();
            ziel = ueber.row() + 1;
            break;
        default:
            nach = ueber.parent();
            ziel = ueber.row();
        }
    }
    const QPersistentModelIndex erste = model()->index(lauf.zeile, 0, lauf.eltern);
    if (lauf.anzahl > 0 && model()->moveRows(lauf.eltern, lauf.zeile, lauf.anzahl, nach, ziel))
        waehleLauf(erste.parent(), erste.row(), lauf.anzahl);
    ereignis->acceptProposedAction();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

} // namespace netzplaner
