// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace zufall {

struct Eingabe;

// The main window's controls, found once by their objectNames.
struct Hauptfenster {
    explicit Hauptfenster(QWidget* form);

    std::array<QLineEdit*, 4> txtip{};
    QLineEdit* txtbits = nullptr;
    std::array<QRadioButton*, 3> netzart{}, anteil{};
    std::array<QLabel*, 4> lblsubnet{}, lblnetz{}, lblbroad{}, lbldual{}, lbldual1{}, lbldual2{};
    QLabel* Label4 = nullptr;
    QLabel* Label13 = nullptr;

    // The inputs that the results follow: octets, net kind, address part, bits.
    QString eingaben() const;

    // The inputs as numbers, for controls that hold sound ones.
    Eingabe eingabe() const;

    // The invariants and the oracle's results; one line per difference. After
    // an octet edit the address part must also be the class's own.
    QStringList pruefe(bool oktettBearbeitet) const;
};

} // namespace zufall
