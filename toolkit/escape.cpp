// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/escape.h"

#include <QKeyEvent>
#include <QWidget>

namespace netzplaner {

bool istEscape(const QKeyEvent* ereignis)
{
    return ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier;
}

bool schliesstBeiEscape(QWidget* fenster, const QKeyEvent* ereignis)
{
    if (!istEscape(ereignis))
        return false;
    fenster->close();
    return true;
}

} // namespace netzplaner
