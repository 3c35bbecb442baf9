// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeView>

namespace netzplaner {

// A run of neighbouring rows under one parent.
struct Lauf {
    QModelIndex eltern;
    int zeile = 0;
    int anzahl = 0; // 0: none
};

// The requirements' tree. Rows dragged within it are moved by the model's
// moveRows, one undoable step, and nothing else: Qt's own internal move
// removes the selected rows once the drag ends as a move, which after a moved
// run is the run itself. Dropped onto a row, they become its last children.
class Bedarfstabelle : public QTreeView {
    Q_OBJECT

public:
    explicit Bedarfstabelle(QWidget* eltern = nullptr);

    // The run of selected rows, or the current row when the selection is not
    // one run under one parent.
    Lauf gewaehlterLauf() const;
    void waehleLauf(const QModelIndex& eltern, int zeile, int anzahl);

protected:
    // Tab in an editor goes on to the row's next cell, as in a table.
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;
    void startDrag(Qt::DropActions erlaubt) override;
    void dropEvent(QDropEvent* ereignis) override;
};

} // namespace netzplaner
