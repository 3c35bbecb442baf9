#include "converter/wandeln.h"

#include <QGuiApplication>
#include <QScreen>

#include "converter/wandelnfenster.h"

namespace netzplaner {

void zeigeWandeln(QWidget* eltern)
{
    auto* fenster = new WandelnFenster(eltern);
    fenster->setAttribute(Qt::WA_DeleteOnClose);

    // Centred on the screen rather than over the parent, where Qt would put a
    // dialog. The frame the window manager adds is not known before showing:
    // the parent's frame is the best guess.
    const QScreen* bildschirm = eltern ? eltern->screen() : QGuiApplication::primaryScreen();
    if (bildschirm) {
        QMargins rahmen;
        if (eltern && eltern->window()->isVisible()) {
            const QRect innen = eltern->window()->geometry();
            const QRect aussen = eltern->window()->frameGeometry();
            rahmen = QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(),
                              aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
        }
        fenster->adjustSize();
        QRect lage = fenster->rect().marginsAdded(rahmen);
        lage.moveCenter(bildschirm->availableGeometry().center());
        fenster->move(lage.topLeft()); // move() places the frame's corner
    }

    fenster->exec(); // deletes the window on its way out
}

} // namespace netzplaner
