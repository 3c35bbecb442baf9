// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/bedarfsmodell.h"

#include <QUndoStack>
#include <algorithm>

#include "adressplan/befehle.h"
#include "calc/netzzeile.h"

namespace netzplaner {
namespace {

QString hostsText(const std::optional<std::uint32_t>& hosts)
{
    return hosts ? QString::number(*hosts) : QString();
}

std::unique_ptr<Bedarfsknoten> alsKnoten(const Planknoten& daten, Bedarfsknoten* eltern)
{
    auto k = std::make_unique<Bedarfsknoten>();
    k->daten = {daten.name, daten.hosts, daten.fest, {}};
    k->eltern = eltern;
    k->kinder.reserve(daten.kinder.size());
    for (const Planknoten& kind : daten.kinder)
        k->kinder.push_back(alsKnoten(kind, k.get()));
    return k;
}

Planknoten alsPlanknoten(const Bedarfsknoten& k)
{
    Planknoten p{k.daten.name, k.daten.hosts, k.daten.fest, {}};
    p.kinder.reserve(k.kinder.size());
    for (const auto& kind : k.kinder)
        p.kinder.push_back(alsPlanknoten(*kind));
    return p;
}

// The row's own cells, without its children.
Planknoten ohneKinder(const Planknoten& daten)
{
    return {daten.name, daten.hosts, daten.fest, {}};
}

} // namespace

int Bedarfsknoten::zeile() const
{
    if (!eltern)
        return 0;
    const auto& geschwister = eltern->kinder;
    const auto hier = std::find_if(geschwister.begin(), geschwister.end(),
                                   [this](const auto& k) { return k.get() == this; });
    return static_cast<int>(hier - geschwister.begin());
}

Bedarfsmodell::Bedarfsmodell(QUndoStack* stapel, QObject* eltern)
    : QAbstractItemModel(eltern)
    , stapel_(stapel)
{
}

Bedarfsmodell::~Bedarfsmodell() = default;

std::vector<Planknoten> Bedarfsmodell::bedarf() const
{
    std::vector<Planknoten> alle;
    alle.reserve(wurzel_.kinder.size());
    for (const auto& k : wurzel_.kinder)
        alle.push_back(alsPlanknoten(*k));
    return alle;
}

Bedarfsknoten* Bedarfsmodell::knoten(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Bedarfsknoten*>(index.internalPointer()) : &wurzel_;
}

const Bedarfsknoten* Bedarfsmodell::knotenVon(const QModelIndex& index) const
{
    return knoten(index);
}

Bedarfsknoten* Bedarfsmodell::knoten(const Pfad& pfad) const
{
    Bedarfsknoten* k = &wurzel_;
    for (const int zeile : pfad)
        k = k->kinder[static_cast<std::size_t>(zeile)].get();
    return k;
}

Pfad Bedarfsmodell::pfad(const Bedarfsknoten* k) const
{
    Pfad p;
    for (; k != &wurzel_; k = k->eltern)
        p.push_back(k->zeile());
    std::reverse(p.begin(), p.end());
    return p;
}

Pfad Bedarfsmodell::pfadVon(const QModelIndex& index) const
{
    return pfad(knoten(index));
}

QModelIndex Bedarfsmodell::indexVon(const Bedarfsknoten* k, int spalte) const
{
    return k == &wurzel_ ? QModelIndex() : createIndex(k->zeile(), spalte, k);
}

QModelIndex Bedarfsmodell::indexVon(const Pfad& p, int spalte) const
{
    return indexVon(knoten(p), spalte);
}

QModelIndex Bedarfsmodell::index(int zeile, int spalte, const QModelIndex& eltern) const
{
    const Bedarfsknoten* e = knoten(eltern);
    if (zeile < 0 || spalte < 0 || spalte >= Spaltenzahl || zeile >= static_cast<int>(e->kinder.size())
        || (eltern.isValid() && eltern.column() != 0))
        return {};
    return createIndex(zeile, spalte, e->kinder[static_cast<std::size_t>(zeile)].get());
}

QModelIndex Bedarfsmodell::parent(const QModelIndex& kind) const
{
    if (!kind.isValid())
        return {};
    return indexVon(knoten(kind)->eltern);
}

int Bedarfsmodell::rowCount(const QModelIndex& eltern) const
{
    if (eltern.isValid() && eltern.column() != 0)
        return 0;
    return static_cast<int>(knoten(eltern)->kinder.size());
}

int Bedarfsmodell::columnCount(const QModelIndex&) const
{
    return Spaltenzahl;
}

QVariant Bedarfsmodell::data(const QModelIndex& index, int rolle) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (rolle != Qt::DisplayRole && rolle != Qt::EditRole))
        return {};
    const Planknoten& b = knoten(index)->daten;
    switch (index.column()) {
    case Name:
        return QString::fromStdString(b.name);
    case Hosts:
        return hostsText(b.hosts);
    default:
        return b.fest ? QString::fromStdString(cidrText(b.fest->netz, b.fest->praefix)) : QString();
    }
}

QVariant Bedarfsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal)
        return {};
    static const std::array<QString, Spaltenzahl> namen = {QStringLiteral("Name"), QStringLiteral("Hosts"),
                                                           QStringLiteral("Netz")};
    return abschnitt >= 0 && abschnitt < Spaltenzahl ? namen[std::size_t(abschnitt)] : QVariant();
}

Qt::ItemFlags Bedarfsmodell::flags(const QModelIndex& index) const
{
    // Between rows, too, a dragged row may land.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.column() != Hosts || knoten(index)->kinder.empty())
        f |= Qt::ItemIsEditable;
    return f;
}

Qt::DropActions Bedarfsmodell::supportedDropActions() const
{
    return Qt::MoveAction;
}

void Bedarfsmodell::setzeRoh(const Pfad& p, const Planknoten& daten)
{
    Bedarfsknoten* k = knoten(p);
    k->daten = ohneKinder(daten);
    emit dataChanged(indexVon(k, 0), indexVon(k, Spaltenzahl - 1));
}

void Bedarfsmodell::fuegeEinRoh(const Pfad& eltern, int zeile, const std::vector<Planknoten>& neue)
{
    Bedarfsknoten* e = knoten(eltern);
    const bool warBlatt = e->kinder.empty();
    beginInsertRows(indexVon(e), zeile, zeile + static_cast<int>(neue.size()) - 1);
    std::vector<std::unique_ptr<Bedarfsknoten>> knoten;
    knoten.reserve(neue.size());
    for (const Planknoten& n : neue)
        knoten.push_back(alsKnoten(n, e));
    e->kinder.insert(e->kinder.begin() + zeile, std::make_move_iterator(knoten.begin()),
                     std::make_move_iterator(knoten.end()));
    endInsertRows();
    // Its Hosts cell is no longer to be edited.
    if (warBlatt && e != &wurzel_)
        emit dataChanged(indexVon(e, Hosts), indexVon(e, Hosts));
}

std::vector<Planknoten> Bedarfsmodell::entferneRoh(const Pfad& eltern, int zeile, int anzahl)
{
    Bedarfsknoten* e = knoten(eltern);
    beginRemoveRows(indexVon(e), zeile, zeile + anzahl - 1);
    const auto anfang = e->kinder.begin() + zeile;
    std::vector<Planknoten> entfernt;
    for (auto k = anfang; k != anfang + anzahl; ++k)
        entfernt.push_back(alsPlanknoten(**k));
    e->kinder.erase(anfang, anfang + anzahl);
    endRemoveRows();
    if (e->kinder.empty() && e != &wurzel_)
        emit dataChanged(indexVon(e, Hosts), indexVon(e, Hosts));
    return entfernt;
}

Bedarfsmodell::Verschoben Bedarfsmodell::verschiebeRoh(const Pfad& von, int zeile, int anzahl, const Pfad& nach,
                                                       int ziel)
{
    Bedarfsknoten* quelle = knoten(von);
    Bedarfsknoten* senke = knoten(nach);
    beginMoveRows(indexVon(quelle), zeile, zeile + anzahl - 1, indexVon(senke), ziel);
    const auto anfang = quelle->kinder.begin() + zeile;
    if (quelle == senke) {
        if (ziel < zeile)
            std::rotate(quelle->kinder.begin() + ziel, anfang, anfang + anzahl);
        else
            std::rotate(anfang, anfang + anzahl, quelle->kinder.begin() + ziel);
    } else {
        std::vector<std::unique_ptr<Bedarfsknoten>> lauf(std::make_move_iterator(anfang),
                                                         std::make_move_iterator(anfang + anzahl));
        quelle->kinder.erase(anfang, anfang + anzahl);
        for (auto& k : lauf)
            k->eltern = senke;
        senke->kinder.insert(senke->kinder.begin() + ziel, std::make_move_iterator(lauf.begin()),
                             std::make_move_iterator(lauf.end()));
    }
    endMoveRows();
    for (Bedarfsknoten* e : {quelle, senke})
        if (e != &wurzel_)
            emit dataChanged(indexVon(e, Hosts), indexVon(e, Hosts));
    const int neu = quelle == senke && ziel > zeile ? ziel - anzahl : ziel;
    return {pfad(quelle), pfad(senke), neu};
}

void Bedarfsmodell::ersetzeRoh(std::vector<Planknoten> alle)
{
    beginResetModel();
    wurzel_.kinder.clear();
    for (const Planknoten& k : alle)
        wurzel_.kinder.push_back(alsKnoten(k, &wurzel_));
    endResetModel();
}

} // namespace netzplaner
