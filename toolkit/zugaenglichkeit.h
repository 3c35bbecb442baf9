// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace netzplaner {

// What a screen reader calls a control: a German name that says what it is.
struct Bezeichnung {
    QWidget* steuerelement;
    QString name;
};

// Names the inputs, options, results and pictures of a window from its own
// table, so a screen reader can read the whole calculation. Call it once,
// after the window has built its controls.
void benenneFuerScreenreader(const std::vector<Bezeichnung>& bezeichnungen);

} // namespace netzplaner
