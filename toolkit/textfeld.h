// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <cstdint>
#include <functional>

namespace netzplaner {

// A line edit that raises the events the program's handlers are written for,
// at the moments they rely on:
//  - keyDown: every key except Tab and Backtab, before the box handles it
//    (Tab belongs to focus navigation);
//  - zeichenFilter: the character code of a key that produces a character
//    (Ctrl+letter gives its control code, Ctrl+V is 22); setting it to 0
//    swallows the key;
//  - fokusErhalten: after Qt's own focus handling, so a selection written by the
//    handler is not overwritten by Qt's select-all on Tab;
//  - geklickt: on release of the left button, after Qt has placed the caret;
//  - beurteileEinfuegung and einfuegen: the whole text of a paste, where the
//    paste starts (the Paste keys, the context menu's paste entry, the middle
//    click on X11, a drop), before the box cuts it to its maximum length. The
//    first says whether the window takes the text whole, refuses it, or leaves
//    it to the box's own paste, and may then shorten the text the box pastes;
//    it is asked while a drag passes over the box too, so that a refused text
//    shows as refused before it is let go. The second takes a text that the
//    first answered with Genommen.
enum class Einfuegeantwort { Feld, Genommen, Verweigert };

class Textfeld : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    std::function<void(std::int16_t& code)> zeichenFilter;
    std::function<Einfuegeantwort(QString& text)> beurteileEinfuegung;
    std::function<void(const QString& text)> einfuegen;

    // Selects up to n characters from the caret, as far as the text reaches.
    void waehleAbCursor(int n);

signals:
    void keyDown(int taste, Qt::KeyboardModifiers umschalt);
    void fokusErhalten(Qt::FocusReason grund);
    void geklickt();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dragMoveEvent(QDragMoveEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    bool nimmEinfuegung(QClipboard::Mode quelle);
    bool nimm(const QString& text);
    Einfuegeantwort antwortAuf(const QDropEvent& ereignis, QString& text) const;
    bool beantworteZug(QDragMoveEvent& ereignis) const;
    void kopiereVonAussen(QDropEvent& ereignis) const;
    void legeGekuerztAb(QDropEvent& ereignis, const QString& text);

    Einfuegeantwort zug_ = Einfuegeantwort::Feld; // for the drag over the box, judged as it enters
};

// The character code of a key as a 16-bit signed number, 0 when the key
// produces no character.
std::int16_t zeichenCode(const QKeyEvent& ereignis);

} // namespace netzplaner
