// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <array>

// The controls of an open converter window, found by their objectNames.
struct WandelnSteuerelemente {
    explicit WandelnSteuerelemente(QWidget* fenster);

    QWidget* fenster;
    QLineEdit* Text1;
    QLineEdit* Text2;
    std::array<QRadioButton*, 4> Option1{}; // 1 to 3, as named
    QMenuBar* leiste;
};
