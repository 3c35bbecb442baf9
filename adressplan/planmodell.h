// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <array>
#include <vector>

#include "calc/planbaum.h"
#include "toolkit/zeilenvorrat.h"

namespace netzplaner {

// The plan as a read-only tree: a group's children and its free rest are its
// child rows. A row's cells are written when the view asks for them; only the
// row asked for last is kept, since a view asks for the cells of a row one
// after another.
class Planmodell : public QAbstractItemModel {
    Q_OBJECT

public:
    using QAbstractItemModel::QAbstractItemModel;

    // A plan of the same shape changes its cells in place, so that the view
    // keeps the user's selection, scroll position and opened groups; any other
    // resets the model.
    void setzePlan(Planbaum plan);
    const Planbaum& plan() const { return plan_; }
    // The row's block; nullptr for none.
    const Planblock* block(const QModelIndex& index) const;

    QModelIndex index(int zeile, int spalte, const QModelIndex& eltern = {}) const override;
    QModelIndex parent(const QModelIndex& kind) const override;
    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    // Every row, level by level, so that a row's children are neighbours; the
    // first is the plan itself. An index's internal id is its parent's entry.
    struct Eintrag {
        const Planblock* block;
        int eltern;
        int zeile;
        int erstesKind;
        int kinder;
        bool operator==(const Eintrag& e) const
        {
            return eltern == e.eltern && zeile == e.zeile && erstesKind == e.erstesKind && kinder == e.kinder;
        }
    };
    static std::vector<Eintrag> ordne(const Planbaum& plan);
    int eintrag(const QModelIndex& index) const;

    Planbaum plan_;
    std::vector<Eintrag> eintraege_{{nullptr, -1, 0, 1, 0}};
    mutable Zeilenvorrat<std::array<QString, planspalten>> vorrat_;
};

} // namespace netzplaner
