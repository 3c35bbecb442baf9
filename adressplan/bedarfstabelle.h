// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace netzplaner {

// The requirements' table. Rows dragged within it are moved by the model's
// moveRows, one undoable step, and nothing else: Qt's own internal move
// removes the selected rows once the drag ends as a move, which after a moved
// run is the run itself.
class Bedarfstabelle : public QTableView {
    Q_OBJECT

public:
    explicit Bedarfstabelle(QWidget* eltern = nullptr);

    // The run of selected rows, or the current row when the selection is not
    // one run: first row and count; count 0 when there is none.
    std::pair<int, int> gewaehlterLauf() const;
    void waehleLauf(int zeile, int anzahl);

protected:
    void startDrag(Qt::DropActions erlaubt) override;
    void dropEvent(QDropEvent* ereignis) override;
};

} // namespace netzplaner
