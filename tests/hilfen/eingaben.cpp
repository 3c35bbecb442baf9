// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/eingaben.h"

#include <QStringList>

netzplaner::Eingaben eingaben(const QString& adresse, std::optional<netzplaner::Netzart> netzart,
                              std::optional<netzplaner::Adressanteil> anteil, const QString& bits)
{
    netzplaner::Eingaben e;
    const QStringList teile = adresse.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i)
        e.oktette[std::size_t(i)] = teile.value(i).toStdString();
    e.netzart = netzart;
    e.adressanteil = anteil;
    e.bits = bits.toStdString();
    return e;
}

QString punktiert(const std::array<std::string, 4>& oktette, QLatin1Char trenner)
{
    QStringList teile;
    for (const auto& o : oktette)
        teile << QString::fromStdString(o);
    return teile.join(trenner);
}

QString punktiert(const netzplaner::Oktette& oktette)
{
    return QStringLiteral("%1.%2.%3.%4").arg(oktette[0]).arg(oktette[1]).arg(oktette[2]).arg(oktette[3]);
}
