// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>

#include "calc/netzliste.h"
#include "toolkit/zeilenvorrat.h"

namespace netzplaner {

// The nets of a choice as a table. A cell is worked out when the view asks for
// it; only the row asked for last is kept, since a view asks for the cells of
// a row one after another.
class Netzlistenmodell : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit Netzlistenmodell(const Netzwahl& wahl, QObject* eltern = nullptr);

    // With as many rows as before the rows change in place, so that the view
    // keeps its layout, scroll position and column widths; only another count
    // resets the model.
    void setzeWahl(const Netzwahl& wahl);
    const Netzliste& liste() const { return liste_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    const std::array<QString, Netzliste::spaltenzahl>& zeile(int index) const;

    Netzliste liste_;
    mutable Zeilenvorrat<std::array<QString, Netzliste::spaltenzahl>> vorrat_;
};

} // namespace netzplaner
