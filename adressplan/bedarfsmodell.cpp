// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/bedarfsmodell.h"

#include <QUndoStack>
#include <algorithm>

#include "adressplan/befehle.h"
#include "adressplan/plandatei.h"
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

// Levels from the row down, the row's own counted.
int hoehe(const Bedarfsknoten& k)
{
    int tiefste = 0;
    for (const auto& kind : k.kinder)
        tiefste = std::max(tiefste, hoehe(*kind));
    return tiefste + 1;
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

bool Bedarfsmodell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || rolle != Qt::EditRole)
        return false;
    const Bedarfsknoten* k = knoten(index);
    const Planknoten alt = ohneKinder(k->daten);
    Planknoten neu = alt;
    const QByteArray text = wert.toString().toUtf8();
    const std::string_view ansicht(text.constData(), std::size_t(text.size()));
    const auto ablehnen = [&](const std::string& grund) {
        const Pfad p = pfad(k);
        QStringList nr;
        for (const int z : p)
            nr << QString::number(z + 1);
        emit abgelehnt(QStringLiteral("Zeile %1: %2").arg(nr.join(u'.'), QString::fromStdString(grund)));
        return false;
    };
    QString was;
    switch (index.column()) {
    case Name:
        if (const auto fehler = namensFehler(ansicht))
            return ablehnen(*fehler);
        neu.name = std::string(ansicht);
        was = QStringLiteral("Name ändern");
        break;
    case Hosts: {
        // A group's block follows from its children.
        if (!k->kinder.empty())
            return false;
        const auto hosts = leseHosts(ansicht);
        if (!hosts)
            return ablehnen(hostsFehler());
        neu.hosts = *hosts;
        was = QStringLiteral("Hosts ändern");
        break;
    }
    default:
        if (wert.toString().trimmed().isEmpty()) {
            neu.fest.reset();
        } else {
            auto netz = leseNetzangabe(ansicht);
            if (const auto* fehler = std::get_if<std::string>(&netz))
                return ablehnen("Netz „" + std::string(ansicht) + "“: " + *fehler);
            neu.fest = std::get<Netzangabe>(netz);
        }
        was = QStringLiteral("Netz festlegen");
    }
    // Accepted but unchanged, as when an editor is left as it was: no step.
    if (neu != alt)
        stapel_->push(new KnotenAendern(this, pfad(k), alt, neu, was));
    return true;
}

void Bedarfsmodell::wirdGruppe(const QModelIndex& eltern, QUndoCommand* schritt)
{
    const Bedarfsknoten* e = knoten(eltern);
    if (e == &wurzel_ || !e->kinder.empty() || !e->daten.hosts)
        return;
    Planknoten ohneHosts = ohneKinder(e->daten);
    ohneHosts.hosts.reset();
    new KnotenAendern(this, pfad(e), ohneKinder(e->daten), ohneHosts, {}, schritt);
}

bool Bedarfsmodell::insertRows(int zeile, int anzahl, const QModelIndex& eltern)
{
    if (zeile < 0 || zeile > rowCount(eltern) || anzahl < 1 || (eltern.isValid() && eltern.column() != 0))
        return false;
    auto* schritt = new QUndoCommand(anzahl == 1 ? QStringLiteral("Zeile hinzufügen")
                                                 : QStringLiteral("Zeilen hinzufügen"));
    wirdGruppe(eltern, schritt);
    new KnotenEinfuegen(this, pfadVon(eltern), zeile, std::vector<Planknoten>(static_cast<std::size_t>(anzahl)), {},
                        schritt);
    stapel_->push(schritt);
    return true;
}

bool Bedarfsmodell::removeRows(int zeile, int anzahl, const QModelIndex& eltern)
{
    if (zeile < 0 || anzahl < 1 || zeile + anzahl > rowCount(eltern))
        return false;
    std::vector<Pfad> pfade;
    for (int z = zeile; z < zeile + anzahl; ++z)
        pfade.push_back(pfadVon(index(z, 0, eltern)));
    stapel_->push(new KnotenEntfernen(this, std::move(pfade)));
    return true;
}

bool Bedarfsmodell::moveRows(const QModelIndex& von, int zeile, int anzahl, const QModelIndex& nach, int ziel)
{
    if (zeile < 0 || anzahl < 1 || zeile + anzahl > rowCount(von) || ziel < 0 || ziel > rowCount(nach))
        return false;
    const Bedarfsknoten* quelle = knoten(von);
    // Before its own first row or right after its own last, a run stays.
    if (knoten(nach) == quelle && ziel >= zeile && ziel <= zeile + anzahl)
        return false;
    // Nor may a row go into itself.
    for (const Bedarfsknoten* k = knoten(nach); k; k = k->eltern)
        if (k->eltern == quelle && k->zeile() >= zeile && k->zeile() < zeile + anzahl)
            return false;
    auto* schritt = new QUndoCommand(anzahl == 1 ? QStringLiteral("Zeile verschieben")
                                                 : QStringLiteral("Zeilen verschieben"));
    wirdGruppe(nach, schritt);
    new KnotenVerschieben(this, pfadVon(von), zeile, anzahl, pfadVon(nach), ziel, {}, schritt);
    stapel_->push(schritt);
    return true;
}

bool Bedarfsmodell::rueckeEin(const QModelIndex& index)
{
    if (!index.isValid() || index.row() == 0)
        return false;
    const QModelIndex oben = index.sibling(index.row() - 1, 0);
    // A file with more levels would not open again.
    if (static_cast<int>(pfadVon(index).size()) + hoehe(*knoten(index)) > hoechsteEbenen)
        return false;
    auto* schritt = new QUndoCommand(QStringLiteral("Einrücken"));
    wirdGruppe(oben, schritt);
    new KnotenVerschieben(this, pfadVon(index.parent()), index.row(), 1, pfadVon(oben), rowCount(oben), {}, schritt);
    stapel_->push(schritt);
    return true;
}

bool Bedarfsmodell::rueckeAus(const QModelIndex& index)
{
    if (!index.isValid() || !index.parent().isValid())
        return false;
    const QModelIndex eltern = index.parent();
    stapel_->push(new KnotenVerschieben(this, pfadVon(eltern), index.row(), 1, pfadVon(eltern.parent()),
                                        eltern.row() + 1, QStringLiteral("Ausrücken")));
    return true;
}

void Bedarfsmodell::haengeAn(std::vector<Planknoten> neue, const QString& wasGeschah)
{
    if (!neue.empty())
        stapel_->push(new KnotenEinfuegen(this, {}, rowCount(), std::move(neue), wasGeschah));
}

void Bedarfsmodell::entferne(const QModelIndexList& zeilen)
{
    std::vector<Pfad> pfade;
    for (const QModelIndex& z : zeilen) {
        if (!z.isValid() || z.model() != this)
            continue;
        pfade.push_back(pfadVon(z));
    }
    std::sort(pfade.begin(), pfade.end());
    pfade.erase(std::unique(pfade.begin(), pfade.end()), pfade.end());
    // A row inside one removed goes with it.
    std::vector<Pfad> aussen;
    for (const Pfad& p : pfade)
        if (aussen.empty() || p.size() <= aussen.back().size()
            || !std::equal(aussen.back().begin(), aussen.back().end(), p.begin()))
            aussen.push_back(p);
    if (!aussen.empty())
        stapel_->push(new KnotenEntfernen(this, std::move(aussen)));
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
