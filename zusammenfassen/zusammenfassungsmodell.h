// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

#include "calc/bloecke.h"
#include "toolkit/zeilenvorrat.h"

namespace netzplaner {

// The blocks of a summary as a table: "Netz", "Erste Adresse", "Letzte
// Adresse", "Adressen". A cell is written when the view asks for it; only the
// row asked for last is kept, since a view asks for a row's cells in turn.
class Zusammenfassungsmodell : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The same blocks again change nothing, so that a keystroke that leaves
    // the result as it was keeps the user's selection and scroll position.
    void setzeBloecke(std::vector<Block> bloecke);
    const std::vector<Block>& bloecke() const { return bloecke_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    const std::array<QString, 4>& zeile(int index) const;

    std::vector<Block> bloecke_;
    mutable Zeilenvorrat<std::array<QString, 4>> vorrat_;
};

} // namespace netzplaner
