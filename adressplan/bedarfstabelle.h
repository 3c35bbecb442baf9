// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace netzplaner {

// The requirements' table. A row dragged within it is moved by the model's
// moveRows, one undoable step; Qt's own internal move would insert a copy and
// remove the original, two steps that lose the row if the drop fails.
class Bedarfstabelle : public QTableView {
    Q_OBJECT

public:
    explicit Bedarfstabelle(QWidget* eltern = nullptr);

    // The run of selected rows, or the current row when the selection is not
    // one run: first row and count; count 0 when there is none.
    std::pair<int, int> gewaehlterLauf() const;
    void waehleLauf(int zeile, int anzahl);

protected:
    void dropEvent(QDropEvent* ereignis) override;
};

} // namespace netzplaner
