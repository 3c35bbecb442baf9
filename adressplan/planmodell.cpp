// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/planmodell.h"

namespace netzplaner {

void Planmodell::setzePlan(Plan plan, const std::vector<Bedarf>& bedarf)
{
    // With as many rows as before the cells change in place, so that the view
    // keeps the user's selection and scroll position.
    const bool gleichViele = plan.zeilen.size() == plan_.zeilen.size();
    if (!gleichViele)
        beginResetModel();
    plan_ = std::move(plan);
    bedarf_ = &bedarf;
    vorrat_.vergiss();
    if (!gleichViele)
        endResetModel();
    else if (!plan_.zeilen.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, planspalten - 1), {Qt::DisplayRole});
}

int Planmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(plan_.zeilen.size());
}

int Planmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : planspalten;
}

QVariant Planmodell::data(const QModelIndex& index, int rolle) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (rolle != Qt::DisplayRole)
        return {};
    const auto& zellen = vorrat_.zeile(index.row(), [this](int i) {
        const Planzeile& zeile = plan_.zeilen[static_cast<std::size_t>(i)];
        const auto nr = static_cast<std::size_t>(zeile.nr);
        std::string_view name = "frei";
        if (nr > 0)
            name = nr <= bedarf_->size() ? std::string_view((*bedarf_)[nr - 1].name) : std::string_view();
        return alsQStrings(planzellen(zeile, name));
    });
    return zellen[static_cast<std::size_t>(index.column())];
}

QVariant Planmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= planspalten)
        return {};
    const std::string_view name = planspaltenNamen()[static_cast<std::size_t>(abschnitt)];
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace netzplaner
