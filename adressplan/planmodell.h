// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <string>
#include <vector>

#include "calc/adressplan.h"
#include "toolkit/zeilenvorrat.h"

namespace netzplaner {

// The plan as a read-only table. A row's cells are written when the view asks
// for them; only the row asked for last is kept, since a view asks for the
// cells of a row one after another.
class Planmodell : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // bedarf names the planned rows; it must outlive the plan, which is made
    // anew at every change of it. Another count of rows resets the model.
    void setzePlan(Plan plan, const std::vector<Bedarf>& bedarf);
    const Plan& plan() const { return plan_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    Plan plan_;
    const std::vector<Bedarf>* bedarf_ = nullptr;
    mutable Zeilenvorrat<std::array<QString, planspalten>> vorrat_;
};

} // namespace netzplaner
