#pragma once

#include <QString>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace zufall {

// A text as a failure report can show it: control characters and everything
// outside ASCII escaped, long texts shortened.
QString lesbar(const QString& text);

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

    // The invariants and the oracle's results; one line per difference. After
    // an octet edit the address part must also be the class's own.
    QStringList pruefe(bool oktettBearbeitet) const;
};

// The converter's controls, found once per opening.
struct Wandeln {
    explicit Wandeln(QWidget* fenster);

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<QRadioButton*, 4> Option1{}; // 1 to 3, as named

    // ergebnis is the result the converter must be showing: it follows Text1,
    // and stays as it was while Text1 is empty.
    QStringList pruefe(QString& ergebnis) const;
};

} // namespace zufall
