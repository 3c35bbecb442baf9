#pragma once

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
//  - geklickt: on release of the left button, after Qt has placed the caret.
class Textfeld : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    std::function<void(std::int16_t& code)> zeichenFilter;

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
};

// The character code of a key as a 16-bit signed number, 0 when the key
// produces no character.
std::int16_t zeichenCode(const QKeyEvent& ereignis);

} // namespace netzplaner
