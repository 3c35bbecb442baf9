// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <optional>

#include "calc/ipv6teilung.h"
#include "toolkit/zeilenvorrat.h"

namespace netzplaner {

// The subnets of a split as a table of at most Ipv6Teilung::hoechstensZeilen
// rows from a first subnet on. A cell is worked out when the view asks for it;
// only the row asked for last is kept, since a view asks for the cells of a
// row one after another.
class Ipv6Modell : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // nullopt empties the table. A new split lists from its first subnet.
    void setzeTeilung(const std::optional<Ipv6Teilung>& teilung);
    // Lists from the subnet at index erster (0-based) on.
    void zeigeAb(Zahl128 erster);

    const std::optional<Ipv6Teilung>& teilung() const { return teilung_; }
    Zahl128 erster() const { return erster_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    void uebernimm(const std::optional<Ipv6Teilung>& teilung, Zahl128 erster);
    const std::array<QString, Ipv6Teilung::spaltenzahl>& zeile(int index) const;

    std::optional<Ipv6Teilung> teilung_;
    Zahl128 erster_ = 0;
    int zeilen_ = 0;
    mutable Zeilenvorrat<std::array<QString, Ipv6Teilung::spaltenzahl>> vorrat_;
};

} // namespace netzplaner
