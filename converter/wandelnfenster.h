// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSize>

#include "calc/dual.h"

class QLabel;
class QRadioButton;

namespace netzplaner {

class Textfeld;

// The converter window: a decimal number typed into Text1 appears in Text2 in
// the base chosen with Option1(1) to Option1(3). Built with its preset input
// "255" and "Dual", already converted.
class WandelnFenster : public QDialog {
    Q_OBJECT

public:
    explicit WandelnFenster(QWidget* eltern = nullptr);

    static constexpr QSize flaecheInTwips{3345, 1965};
    // As many digits as the largest number the binary conversion takes.
    static constexpr int eingabeStellen = groessteDualzahlStellen;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void baueSteuerelemente(QWidget* flaeche);
    void verbindeEreignisse();
    void umrechnen();

    QLabel* Label1 = nullptr; // the captions, read with the input and the result
    QLabel* Label2 = nullptr;
    Textfeld* Text1 = nullptr;
    Textfeld* Text2 = nullptr;
    QRadioButton* Option1[4] = {}; // indexes 1 to 3, like the buttons' names
};

} // namespace netzplaner
