// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/zugaenglichkeit.h"

#include <QLabel>

#include "toolkit/ergebnisanzeige.h"

namespace netzplaner {

void benenneFuerScreenreader(const std::vector<Bezeichnung>& bezeichnungen)
{
    for (const Bezeichnung& b : bezeichnungen) {
        // A label shows a result, whose figure belongs to what is read out;
        // inputs, options and pictures report their text, state or image themselves.
        auto* label = qobject_cast<QLabel*>(b.steuerelement);
        if (label && label->pixmap().isNull())
            bezeichneErgebnis(label, b.name);
        else
            b.steuerelement->setAccessibleName(b.name);
    }
}

} // namespace netzplaner
