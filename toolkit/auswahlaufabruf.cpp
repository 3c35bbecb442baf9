// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/auswahlaufabruf.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>

namespace netzplaner {

void AuswahlAufAbruf::beobachte(QLabel* label)
{
    label->installEventFilter(this);
}

bool AuswahlAufAbruf::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // A label being destroyed is a QLabel no more when its last events arrive.
    auto* label = qobject_cast<QLabel*>(objekt);
    if (!label)
        return false;
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!(label->textInteractionFlags() & Qt::TextSelectableByMouse)) {
            // Click focus only, given here: Tab never stops at a label, and
            // the keyboard is there for Ctrl+C.
            label->setFocusPolicy(Qt::ClickFocus);
            label->setTextInteractionFlags(label->textInteractionFlags() | Qt::TextSelectableByMouse);
            label->setFocus(Qt::MouseFocusReason);
            // The same press once more, now to the text, where it starts the selection.
            QCoreApplication::sendEvent(label, ereignis);
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(ereignis)->reason() != Qt::PopupFocusReason) {
            // A label that can take the focus draws through a text document too.
            label->setTextInteractionFlags(label->textInteractionFlags() & ~Qt::TextSelectableByMouse);
            label->setFocusPolicy(Qt::NoFocus);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace netzplaner
