// SPDX-License-Identifier: GPL-3.0-or-later
#include "ipv6/ipv6modell.h"

namespace netzplaner {

void Ipv6Modell::setzeTeilung(const std::optional<Ipv6Teilung>& teilung)
{
    if (teilung != teilung_)
        uebernimm(teilung, 0);
}

void Ipv6Modell::zeigeAb(Zahl128 erster)
{
    if (teilung_ && erster != erster_)
        uebernimm(teilung_, erster);
}

void Ipv6Modell::uebernimm(const std::optional<Ipv6Teilung>& teilung, Zahl128 erster)
{
    const int zeilen = teilung ? teilung->zeilenAb(erster) : 0;
    // As many rows as before change in place: the view keeps its scroll
    // position and lays out nothing again, which with a million rows is most
    // of what a keystroke would cost.
    if (zeilen == zeilen_ && zeilen > 0) {
        // Listed from the same subnet on, the rows keep their numbers, and
        // the view need not paint that column again.
        const int ersteSpalte = erster == erster_ ? 1 : 0;
        teilung_ = teilung;
        erster_ = erster;
        vorrat_.vergiss();
        emit dataChanged(index(0, ersteSpalte), index(zeilen - 1, Ipv6Teilung::spaltenzahl - 1), {Qt::DisplayRole});
        return;
    }
    beginResetModel();
    teilung_ = teilung;
    erster_ = erster;
    zeilen_ = zeilen;
    vorrat_.vergiss();
    endResetModel();
}

int Ipv6Modell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : zeilen_;
}

int Ipv6Modell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : Ipv6Teilung::spaltenzahl;
}

QVariant Ipv6Modell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= zeilen_)
        return {};
    if (rolle == Qt::DisplayRole)
        return zeile(index.row())[std::size_t(index.column())];
    if (rolle == Qt::TextAlignmentRole && index.column() == 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant Ipv6Modell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= Ipv6Teilung::spaltenzahl)
        return {};
    if (rolle == Qt::DisplayRole) {
        const std::string_view titel = Ipv6Teilung::spalten()[std::size_t(abschnitt)];
        return QString::fromUtf8(titel.data(), qsizetype(titel.size()));
    }
    if (rolle == Qt::TextAlignmentRole && abschnitt == 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

const std::array<QString, Ipv6Teilung::spaltenzahl>& Ipv6Modell::zeile(int index) const
{
    return vorrat_.zeile(index, [this](int i) { return alsQStrings(teilung_->zeile(erster_ + Zahl128(i))); });
}

} // namespace netzplaner
