// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/bedarfsmodell.h"

#include <QUndoStack>
#include <algorithm>
#include <numeric>

#include "adressplan/befehle.h"

namespace netzplaner {
namespace {

QString hostsText(const std::optional<std::uint32_t>& hosts)
{
    return hosts ? QString::number(*hosts) : QString();
}

} // namespace

Bedarfsmodell::Bedarfsmodell(QUndoStack* stapel, QObject* eltern)
    : QAbstractTableModel(eltern)
    , stapel_(stapel)
{
}

int Bedarfsmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(bedarf_.size());
}

int Bedarfsmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : Spaltenzahl;
}

QVariant Bedarfsmodell::data(const QModelIndex& index, int rolle) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (rolle != Qt::DisplayRole && rolle != Qt::EditRole))
        return {};
    const Bedarf& b = bedarf_[static_cast<std::size_t>(index.row())];
    return index.column() == Name ? QString::fromStdString(b.name) : hostsText(b.hosts);
}

QVariant Bedarfsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole)
        return {};
    if (richtung == Qt::Vertical)
        return abschnitt + 1;
    return abschnitt == Name ? QStringLiteral("Name") : QStringLiteral("Hosts");
}

Qt::ItemFlags Bedarfsmodell::flags(const QModelIndex& index) const
{
    // Between rows, too, a dragged row may land.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

Qt::DropActions Bedarfsmodell::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool Bedarfsmodell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || rolle != Qt::EditRole)
        return false;
    const Bedarf alt = bedarf_[static_cast<std::size_t>(index.row())];
    Bedarf neu = alt;
    const QByteArray text = wert.toString().toUtf8();
    const auto ablehnen = [&](const std::string& grund) {
        emit abgelehnt(QStringLiteral("Zeile %1: %2").arg(index.row() + 1).arg(QString::fromStdString(grund)));
        return false;
    };
    if (index.column() == Name) {
        if (const auto fehler = namensFehler(text.toStdString()))
            return ablehnen(*fehler);
        neu.name = text.toStdString();
    } else {
        const auto hosts = leseHosts(std::string_view(text.constData(), std::size_t(text.size())));
        if (!hosts)
            return ablehnen(hostsFehler());
        neu.hosts = *hosts;
    }
    // Accepted but unchanged, as when an editor is left as it was: no step.
    if (neu != alt)
        stapel_->push(
            new ZeileAendern(this, index.row(), alt, neu,
                             index.column() == Name ? QStringLiteral("Name ändern") : QStringLiteral("Hosts ändern")));
    return true;
}

bool Bedarfsmodell::insertRows(int zeile, int anzahl, const QModelIndex& eltern)
{
    if (eltern.isValid() || zeile < 0 || zeile > rowCount() || anzahl < 1)
        return false;
    stapel_->push(
        new ZeilenEinfuegen(this, zeile, std::vector<Bedarf>(static_cast<std::size_t>(anzahl)),
                            anzahl == 1 ? QStringLiteral("Zeile hinzufügen") : QStringLiteral("Zeilen hinzufügen")));
    return true;
}

bool Bedarfsmodell::removeRows(int zeile, int anzahl, const QModelIndex& eltern)
{
    if (eltern.isValid() || zeile < 0 || anzahl < 1 || zeile + anzahl > rowCount())
        return false;
    std::vector<int> zeilen(static_cast<std::size_t>(anzahl));
    std::iota(zeilen.begin(), zeilen.end(), zeile);
    stapel_->push(new ZeilenEntfernen(this, std::move(zeilen)));
    return true;
}

bool Bedarfsmodell::moveRows(const QModelIndex& von, int zeile, int anzahl, const QModelIndex& nach, int ziel)
{
    // Before its own first row or right after its own last, a run stays.
    if (von.isValid() || nach.isValid() || zeile < 0 || anzahl < 1 || zeile + anzahl > rowCount() || ziel < 0
        || ziel > rowCount() || (ziel >= zeile && ziel <= zeile + anzahl))
        return false;
    stapel_->push(new ZeilenVerschieben(this, zeile, anzahl, ziel));
    return true;
}

void Bedarfsmodell::haengeAn(std::vector<Bedarf> neue, const QString& wasGeschah)
{
    if (!neue.empty())
        stapel_->push(new ZeilenEinfuegen(this, rowCount(), std::move(neue), wasGeschah));
}

void Bedarfsmodell::entferne(std::vector<int> zeilen)
{
    std::sort(zeilen.begin(), zeilen.end());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    std::erase_if(zeilen, [this](int z) { return z < 0 || z >= rowCount(); });
    if (!zeilen.empty())
        stapel_->push(new ZeilenEntfernen(this, std::move(zeilen)));
}

void Bedarfsmodell::setzeRoh(int zeile, const Bedarf& wert)
{
    bedarf_[static_cast<std::size_t>(zeile)] = wert;
    emit dataChanged(index(zeile, 0), index(zeile, Spaltenzahl - 1));
}

void Bedarfsmodell::fuegeEinRoh(int zeile, const std::vector<Bedarf>& neue)
{
    beginInsertRows({}, zeile, zeile + static_cast<int>(neue.size()) - 1);
    bedarf_.insert(bedarf_.begin() + zeile, neue.begin(), neue.end());
    endInsertRows();
}

std::vector<Bedarf> Bedarfsmodell::entferneRoh(int zeile, int anzahl)
{
    beginRemoveRows({}, zeile, zeile + anzahl - 1);
    const auto anfang = bedarf_.begin() + zeile;
    std::vector<Bedarf> entfernt(std::make_move_iterator(anfang), std::make_move_iterator(anfang + anzahl));
    bedarf_.erase(anfang, anfang + anzahl);
    endRemoveRows();
    return entfernt;
}

void Bedarfsmodell::verschiebeRoh(int zeile, int anzahl, int ziel)
{
    beginMoveRows({}, zeile, zeile + anzahl - 1, {}, ziel);
    const auto anfang = bedarf_.begin() + zeile;
    if (ziel < zeile)
        std::rotate(bedarf_.begin() + ziel, anfang, anfang + anzahl);
    else
        std::rotate(anfang, anfang + anzahl, bedarf_.begin() + ziel);
    endMoveRows();
}

void Bedarfsmodell::ersetzeRoh(std::vector<Bedarf> alle)
{
    beginResetModel();
    bedarf_ = std::move(alle);
    endResetModel();
}

} // namespace netzplaner
