// SPDX-License-Identifier: GPL-3.0-or-later
#include "zusammenfassen/zusammenfassungsmodell.h"

#include <algorithm>
#include <climits>

#include "calc/zusammenfassungstext.h"

namespace netzplaner {
namespace {

constexpr int adressenSpalte = 3;

} // namespace

void Zusammenfassungsmodell::setzeBloecke(std::vector<Block> bloecke)
{
    if (bloecke == bloecke_)
        return;
    beginResetModel();
    bloecke_ = std::move(bloecke);
    vorrat_.vergiss();
    endResetModel();
}

int Zusammenfassungsmodell::rowCount(const QModelIndex& eltern) const
{
    // Past INT_MAX rows (some 35 million separate ranges) the view shows the
    // first ones rather than none.
    return eltern.isValid() ? 0 : int(std::min<std::size_t>(bloecke_.size(), INT_MAX));
}

int Zusammenfassungsmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : int(zusammenfassungsSpalten().size());
}

QVariant Zusammenfassungsmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (rolle == Qt::DisplayRole)
        return zeile(index.row())[std::size_t(index.column())];
    if (rolle == Qt::TextAlignmentRole && index.column() == adressenSpalte)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant Zusammenfassungsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= columnCount())
        return {};
    if (rolle == Qt::DisplayRole) {
        const std::string_view titel = zusammenfassungsSpalten()[std::size_t(abschnitt)];
        return QString::fromUtf8(titel.data(), qsizetype(titel.size()));
    }
    if (rolle == Qt::TextAlignmentRole && abschnitt == adressenSpalte)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

const std::array<QString, 4>& Zusammenfassungsmodell::zeile(int index) const
{
    return vorrat_.zeile(index, [this](int i) { return alsQStrings(zusammenfassungsZeile(bloecke_[std::size_t(i)])); });
}

} // namespace netzplaner
