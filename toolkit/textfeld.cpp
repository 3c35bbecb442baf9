#include "toolkit/textfeld.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace netzplaner {

std::int16_t zeichenCode(const QKeyEvent& ereignis)
{
    const int taste = ereignis.key();
    const auto mods = ereignis.modifiers();
    // Ctrl+letter types the letter's control code (Ctrl+C is 3), whatever text
    // the platform attaches to the event.
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && taste >= Qt::Key_A && taste <= Qt::Key_Z)
        return std::int16_t(taste - Qt::Key_A + 1);
    // Delete edits, it types nothing, though X11 attaches DEL (127) to it.
    if (taste == Qt::Key_Delete)
        return 0;
    const QString text = ereignis.text();
    if (text.isEmpty())
        return 0;
    return std::int16_t(text.at(0).unicode());
}

void Textfeld::waehleAbCursor(int n)
{
    const int anfang = cursorPosition();
    const int laenge = std::min(n, int(text().size()) - anfang);
    if (laenge > 0)
        setSelection(anfang, laenge);
    else
        deselect();
}

void Textfeld::keyPressEvent(QKeyEvent* ereignis)
{
    QPointer<Textfeld> selbst(this);
    if (ereignis->key() != Qt::Key_Tab && ereignis->key() != Qt::Key_Backtab)
        emit keyDown(ereignis->key(), ereignis->modifiers());
    if (!selbst)
        return;
    if (zeichenFilter) {
        std::int16_t code = zeichenCode(*ereignis);
        if (code != 0) {
            zeichenFilter(code);
            if (code == 0) {
                ereignis->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(ereignis);
}

void Textfeld::focusInEvent(QFocusEvent* ereignis)
{
    QLineEdit::focusInEvent(ereignis);
    emit fokusErhalten(ereignis->reason());
}

void Textfeld::mouseReleaseEvent(QMouseEvent* ereignis)
{
    QLineEdit::mouseReleaseEvent(ereignis);
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        emit geklickt();
}

} // namespace netzplaner
