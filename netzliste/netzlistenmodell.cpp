// SPDX-License-Identifier: GPL-3.0-or-later
#include "netzliste/netzlistenmodell.h"

namespace netzplaner {
namespace {

QString alsQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool istZahlenspalte(int spalte)
{
    return spalte == 0 || spalte == Netzliste::spaltenzahl - 1; // "Nr." and "Hosts"
}

} // namespace

Netzlistenmodell::Netzlistenmodell(const Netzwahl& wahl, QObject* eltern)
    : QAbstractTableModel(eltern)
    , liste_(wahl)
{
}

void Netzlistenmodell::setzeWahl(const Netzwahl& wahl)
{
    const Netzliste neu(wahl);
    if (neu.zeilenzahl() != liste_.zeilenzahl()) {
        beginResetModel();
        liste_ = neu;
        vorrat_.vergiss();
        endResetModel();
        return;
    }
    // Rows of one count that start at the same net are the same rows: another
    // host in the same net, or only the current row moved.
    const bool andereZeilen = neu.zeile(0) != liste_.zeile(0);
    liste_ = neu;
    if (andereZeilen) {
        vorrat_.vergiss();
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    }
}

int Netzlistenmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : liste_.zeilenzahl();
}

int Netzlistenmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : Netzliste::spaltenzahl;
}

QVariant Netzlistenmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid())
        return {};
    if (rolle == Qt::DisplayRole)
        return zeile(index.row())[std::size_t(index.column())];
    if (rolle == Qt::TextAlignmentRole && istZahlenspalte(index.column()))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant Netzlistenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= Netzliste::spaltenzahl)
        return {};
    if (rolle == Qt::DisplayRole)
        return alsQString(Netzliste::spalten()[std::size_t(abschnitt)]);
    if (rolle == Qt::TextAlignmentRole && istZahlenspalte(abschnitt))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

const std::array<QString, Netzliste::spaltenzahl>& Netzlistenmodell::zeile(int index) const
{
    return vorrat_.zeile(index, [this](int i) { return alsQStrings(liste_.zeile(i)); });
}

} // namespace netzplaner
