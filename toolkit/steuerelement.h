// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "toolkit/twips.h"

namespace netzplaner {

// The objectName of a member of a control array: "txtip(2)".
QString indexName(const char* name, int index);

// Names a new control and puts it at its place in twips inside its container.
template <typename Steuerelement>
Steuerelement* platziere(Steuerelement* neu, const QString& name, int links, int oben, int breite, int hoehe)
{
    neu->setObjectName(name);
    neu->setGeometry(twipsRechteck(neu, links, oben, breite, hoehe));
    return neu;
}

} // namespace netzplaner
