// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/ganzauswahl.h"

#include <QEvent>

#include "toolkit/textfeld.h"

namespace netzplaner {
namespace {

// A click moves Qt's caret after the focus event, which would undo a selection
// made there: for a focus gained by the mouse the selection waits for the
// release, and is left alone when the user dragged one of their own.
class GanzAuswahl : public QObject {
public:
    explicit GanzAuswahl(Textfeld* feld)
        : QObject(feld)
        , feld_(feld)
    {
        feld->installEventFilter(this);
        connect(feld, &Textfeld::fokusErhalten, this, [this](Qt::FocusReason grund) { fokus(grund); });
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::FocusOut) {
            klickOffen_ = false;
        } else if (ereignis->type() == QEvent::MouseButtonRelease && klickOffen_) {
            klickOffen_ = false;
            if (!feld_->hasSelectedText())
                feld_->selectAll();
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    void fokus(Qt::FocusReason grund)
    {
        switch (grund) {
        case Qt::MouseFocusReason:
            klickOffen_ = true;
            break;
        // Coming back from another window or a context menu: the user's own
        // caret and selection stay as they were.
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            break;
        default:
            feld_->selectAll();
        }
    }

    Textfeld* feld_;
    bool klickOffen_ = false;
};

} // namespace

void waehleGanzBeiFokus(Textfeld* feld)
{
    new GanzAuswahl(feld);
}

} // namespace netzplaner
