// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/schnittstelle.h"

#include <algorithm>
#include <vector>

namespace netzplaner {

void installiereEinmal(QAccessible::InterfaceFactory fabrik)
{
    // Qt would ask a factory installed twice twice for every object.
    static std::vector<QAccessible::InterfaceFactory> installiert;
    if (std::find(installiert.begin(), installiert.end(), fabrik) != installiert.end())
        return;
    QAccessible::installFactory(fabrik);
    installiert.push_back(fabrik);
}

} // namespace netzplaner
