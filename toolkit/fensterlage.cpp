// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/fensterlage.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace netzplaner {
namespace {

QMargins rahmenVon(const QWidget* fenster)
{
    const QRect innen = fenster->geometry();
    const QRect aussen = fenster->frameGeometry();
    return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                    aussen.bottom() - innen.bottom());
}

// The frame the window manager will add. Some platforms know it as soon as the
// native window exists; on X11 it comes only after the window is mapped, and
// the frame of a window of the program already on screen is the best guess.
QMargins erwarteterRahmen(QWidget* fenster)
{
    fenster->winId();
    if (const QWindow* nativ = fenster->windowHandle(); nativ && !nativ->frameMargins().isNull())
        return nativ->frameMargins();
    for (const QWidget* anderes : QApplication::topLevelWidgets())
        if (anderes != fenster && anderes->isVisible() && anderes->windowType() == Qt::Window)
            return rahmenVon(anderes);
    return {};
}

// Once the window manager has framed the window, Qt knows the frame and a
// move places it exactly: a guess that was off is mended then, once. A window
// that never gets a frame is left alone after a second, so that a move by the
// user is never undone.
class Nachzentrierung : public QObject {
public:
    explicit Nachzentrierung(QWidget* fenster)
        : QObject(fenster)
        , fenster_(fenster)
    {
        fenster->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        switch (ereignis->type()) {
        case QEvent::Show:
            QTimer::singleShot(1000, this, [this] { fertig(); });
            [[fallthrough]];
        case QEvent::Move:
        case QEvent::WindowActivate:
            if (fenster_->isVisible() && !rahmenVon(fenster_).isNull())
                mitte();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void mitte()
    {
        fertig(); // before the move, which sends its Move event at once
        const QScreen* bildschirm = fenster_->screen();
        if (!bildschirm)
            return;
        QRect lage = fenster_->frameGeometry();
        lage.moveCenter(bildschirm->availableGeometry().center());
        if ((lage.topLeft() - fenster_->frameGeometry().topLeft()).manhattanLength() > 1)
            fenster_->move(lage.topLeft());
    }

    void fertig()
    {
        fenster_->removeEventFilter(this);
        deleteLater();
    }

    QWidget* fenster_;
};

} // namespace

void zentriereAufBildschirm(QWidget* fenster)
{
    const QScreen* bildschirm = fenster->screen();
    if (!bildschirm)
        return;
    QRect lage = QRect(QPoint(), fenster->size()).marginsAdded(erwarteterRahmen(fenster));
    lage.moveCenter(bildschirm->availableGeometry().center());
    fenster->move(lage.topLeft()); // move() asks for the frame's corner
    new Nachzentrierung(fenster);
}

} // namespace netzplaner
