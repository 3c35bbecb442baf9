// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QMetaType>
#include <optional>

#include "calc/eingaben.h"

Q_DECLARE_METATYPE(netzplaner::Netzart)
Q_DECLARE_METATYPE(netzplaner::Adressanteil)

// What the main window would hand the calculation: "192.168.4.1" split into
// its four octet texts, the two choices and the bit-count text.
netzplaner::Eingaben eingaben(const QString& adresse, std::optional<netzplaner::Netzart> netzart,
                              std::optional<netzplaner::Adressanteil> anteil, const QString& bits);

// "255.255.255.0": four octet texts, or four octets, joined.
QString punktiert(const std::array<std::string, 4>& oktette, QLatin1Char trenner = QLatin1Char('.'));
QString punktiert(const netzplaner::Oktette& oktette);

inline constexpr auto normal = netzplaner::Netzart::Normal;
inline constexpr auto sub = netzplaner::Netzart::SubNetz;
inline constexpr auto super = netzplaner::Netzart::SuperNetz;
