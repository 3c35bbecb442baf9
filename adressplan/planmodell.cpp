// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/planmodell.h"

namespace netzplaner {

std::vector<Planmodell::Eintrag> Planmodell::ordne(const Planbaum& plan)
{
    std::vector<Eintrag> neu;
    neu.push_back({nullptr, -1, 0, 1, static_cast<int>(plan.zeilen.size())});
    for (int z = 0; z < static_cast<int>(plan.zeilen.size()); ++z)
        neu.push_back({&plan.zeilen[std::size_t(z)], 0, z, 0, 0});
    for (std::size_t i = 1; i < neu.size(); ++i) {
        const Planblock* b = neu[i].block;
        neu[i].erstesKind = static_cast<int>(neu.size());
        neu[i].kinder = static_cast<int>(b->kinder.size());
        for (int z = 0; z < neu[i].kinder; ++z)
            neu.push_back({&b->kinder[std::size_t(z)], static_cast<int>(i), z, 0, 0});
    }
    return neu;
}

void Planmodell::setzePlan(Planbaum plan)
{
    // The blocks stay where they are when the plan moves into plan_.
    std::vector<Eintrag> neu = ordne(plan);
    vorrat_.vergiss();
    if (neu != eintraege_) {
        beginResetModel();
        plan_ = std::move(plan);
        eintraege_ = std::move(neu);
        endResetModel();
        return;
    }
    plan_ = std::move(plan);
    eintraege_ = std::move(neu);
    for (const Eintrag& e : eintraege_)
        if (e.kinder > 0) {
            const QModelIndex eltern = e.eltern < 0 ? QModelIndex() : createIndex(e.zeile, 0, quintptr(e.eltern));
            emit dataChanged(index(0, 0, eltern), index(e.kinder - 1, planspalten - 1, eltern), {Qt::DisplayRole});
        }
}

const Planblock* Planmodell::block(const QModelIndex& index) const
{
    return index.isValid() ? eintraege_[std::size_t(eintrag(index))].block : nullptr;
}

int Planmodell::eintrag(const QModelIndex& index) const
{
    if (!index.isValid())
        return 0;
    return eintraege_[std::size_t(index.internalId())].erstesKind + index.row();
}

QModelIndex Planmodell::index(int zeile, int spalte, const QModelIndex& eltern) const
{
    if (eltern.isValid() && eltern.column() != 0)
        return {};
    const int e = eintrag(eltern);
    if (zeile < 0 || zeile >= eintraege_[std::size_t(e)].kinder || spalte < 0 || spalte >= planspalten)
        return {};
    return createIndex(zeile, spalte, quintptr(e));
}

QModelIndex Planmodell::parent(const QModelIndex& kind) const
{
    if (!kind.isValid() || kind.internalId() == 0)
        return {};
    const Eintrag& e = eintraege_[std::size_t(kind.internalId())];
    return createIndex(e.zeile, 0, quintptr(e.eltern));
}

int Planmodell::rowCount(const QModelIndex& eltern) const
{
    if (eltern.isValid() && eltern.column() != 0)
        return 0;
    return eintraege_[std::size_t(eintrag(eltern))].kinder;
}

int Planmodell::columnCount(const QModelIndex&) const
{
    return planspalten;
}

QVariant Planmodell::data(const QModelIndex& index, int rolle) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || rolle != Qt::DisplayRole)
        return {};
    const auto& zellen = vorrat_.zeile(eintrag(index), [this](int i) {
        return alsQStrings(planzellen(*eintraege_[std::size_t(i)].block, plan_.umgebung));
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
