// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/textfeld.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
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

namespace {

// Where a paste key takes its text from: Ctrl+Shift+Insert pastes the X11
// selection, as Qt's own line edit does there.
QClipboard::Mode quelleDerTaste(const QKeyEvent& ereignis)
{
    const bool auswahl = ereignis.key() == Qt::Key_Insert
                         && ereignis.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
                         && QGuiApplication::clipboard()->supportsSelection();
    return auswahl ? QClipboard::Selection : QClipboard::Clipboard;
}

// The standard menu's paste entry, cut loose from the box's paste slot. Qt
// gives the entry no name of its own in every version, and its caption is
// translated: the connection is what identifies it.
QAction* loeseEinfuegeEintrag(QMenu& menue, QLineEdit* feld)
{
    for (QAction* eintrag : menue.actions()) {
        if (QObject::disconnect(eintrag, SIGNAL(triggered()), feld, SLOT(paste()))
            || QObject::disconnect(eintrag, &QAction::triggered, feld, &QLineEdit::paste)) {
            if (eintrag->objectName().isEmpty())
                eintrag->setObjectName(QStringLiteral("edit-paste")); // as later Qt versions name it
            return eintrag;
        }
    }
    return nullptr;
}

} // namespace

bool Textfeld::nimmEinfuegung(QClipboard::Mode quelle)
{
    // The clipboard is read only for a box that asks: on X11 that is a round
    // trip to the selection's owner.
    if (!beurteileEinfuegung || isReadOnly())
        return false;
    return nimm(QGuiApplication::clipboard()->text(quelle));
}

// False when the box's own paste is to run.
bool Textfeld::nimm(const QString& text)
{
    QString zuFeld = text;
    switch (beurteileEinfuegung(zuFeld)) {
    case Einfuegeantwort::Feld:
        if (zuFeld == text)
            return false;
        insert(zuFeld); // the box's own paste, of the text the window has shortened
        return true;
    case Einfuegeantwort::Genommen:
        if (einfuegen)
            einfuegen(text);
        return true;
    case Einfuegeantwort::Verweigert:
        return true;
    }
    return true;
}

Einfuegeantwort Textfeld::antwortAuf(const QDropEvent& ereignis, QString& text) const
{
    if (!beurteileEinfuegung || isReadOnly() || !ereignis.mimeData()->hasText())
        return Einfuegeantwort::Feld;
    text = ereignis.mimeData()->text();
    return beurteileEinfuegung(text);
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
    if (ereignis->matches(QKeySequence::Paste) && nimmEinfuegung(quelleDerTaste(*ereignis))) {
        ereignis->accept();
        return;
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
    // Qt pastes the X11 selection on the middle button's release. When the
    // text is taken, Qt still sees a release, of no button, so its own state
    // of the click is reset as usual.
    if (ereignis->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && nimmEinfuegung(QClipboard::Selection)) {
        QMouseEvent ohneKnopf(ereignis->type(), ereignis->position(), ereignis->scenePosition(),
                              ereignis->globalPosition(), Qt::NoButton, ereignis->buttons(), ereignis->modifiers(),
                              ereignis->pointingDevice());
        QLineEdit::mouseReleaseEvent(&ohneKnopf);
        ereignis->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(ereignis);
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        emit geklickt();
}

void Textfeld::contextMenuEvent(QContextMenuEvent* ereignis)
{
    if (!beurteileEinfuegung) {
        QLineEdit::contextMenuEvent(ereignis);
        return;
    }
    // Qt's own menu, shown as Qt shows it; only its paste entry asks first.
    QMenu* menue = createStandardContextMenu();
    menue->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* eintrag = loeseEinfuegeEintrag(*menue, this))
        connect(eintrag, &QAction::triggered, this, [this] {
            if (!nimmEinfuegung(QClipboard::Clipboard))
                paste();
        });
    menue->popup(ereignis->globalPos());
}

// Qt's box accepts every text dragged over it, even one its validator will
// refuse, and a source that moves its text deletes it once the drop is
// accepted; X11 sources go by the answer to the last move. A refused text is
// turned away as it enters, so the source keeps it and the pointer says no.
// A taken one is copied: an editable source (a text editor, a browser's form)
// proposes to move, and would lose the text it only lent.
void Textfeld::dragEnterEvent(QDragEnterEvent* ereignis)
{
    QString text;
    zug_ = antwortAuf(*ereignis, text);
    if (!beantworteZug(*ereignis)) {
        QLineEdit::dragEnterEvent(ereignis);
        kopiereVonAussen(*ereignis);
    }
}

void Textfeld::dragMoveEvent(QDragMoveEvent* ereignis)
{
    if (!beantworteZug(*ereignis)) {
        QLineEdit::dragMoveEvent(ereignis);
        kopiereVonAussen(*ereignis);
    }
}

// Qt's own drop, of the text the window has shortened, at the caret the drop places.
void Textfeld::legeGekuerztAb(QDropEvent& ereignis, const QString& text)
{
    QMimeData gekuerzt;
    gekuerzt.setText(text);
    QDropEvent ersatz(ereignis.position(), ereignis.possibleActions(), &gekuerzt, ereignis.buttons(),
                      ereignis.modifiers());
    QLineEdit::dropEvent(&ersatz);
    ereignis.setDropAction(ersatz.dropAction());
    ereignis.setAccepted(ersatz.isAccepted());
}

// Only the box's own text, dragged within it, is moved.
void Textfeld::kopiereVonAussen(QDropEvent& ereignis) const
{
    if (ereignis.isAccepted() && ereignis.source() != this)
        ereignis.setDropAction(Qt::CopyAction);
}

bool Textfeld::beantworteZug(QDragMoveEvent& ereignis) const
{
    switch (zug_) {
    case Einfuegeantwort::Feld:
        return false;
    case Einfuegeantwort::Genommen:
        // No drop caret: the address fills every field, wherever it lands.
        ereignis.setDropAction(Qt::CopyAction);
        ereignis.accept();
        return true;
    case Einfuegeantwort::Verweigert:
        ereignis.ignore();
        return true;
    }
    return false;
}

void Textfeld::dropEvent(QDropEvent* ereignis)
{
    QString text;
    switch (antwortAuf(*ereignis, text)) {
    case Einfuegeantwort::Feld:
        if (text.isNull() || text == ereignis->mimeData()->text())
            QLineEdit::dropEvent(ereignis);
        else
            legeGekuerztAb(*ereignis, text);
        kopiereVonAussen(*ereignis);
        break;
    case Einfuegeantwort::Genommen:
        if (einfuegen)
            einfuegen(ereignis->mimeData()->text());
        ereignis->setDropAction(Qt::CopyAction);
        ereignis->accept();
        setFocus(Qt::MouseFocusReason); // the user goes on where the address landed, as after a paste
        break;
    case Einfuegeantwort::Verweigert:
        ereignis->ignore();
        break;
    }
}

} // namespace netzplaner
