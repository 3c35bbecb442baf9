// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace netzplaner {

// Installs an interface factory the first time it is asked for, and only then.
void installiereEinmal(QAccessible::InterfaceFactory fabrik);

// From now on `fabrik` gives `objekt` its accessible interface (Qt asks the
// factories installed last first). Qt creates and keeps an object's plain
// interface as soon as anything asks for it, and a label's setText already
// does; dropped, the next query comes to the factory.
template <typename Eigene>
void uebernimmSchnittstelle(QObject* objekt, QAccessible::InterfaceFactory fabrik)
{
    installiereEinmal(fabrik);
    QAccessibleInterface* bisher = QAccessible::queryAccessibleInterface(objekt);
    if (bisher && !dynamic_cast<Eigene*>(bisher))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(bisher));
}

} // namespace netzplaner
