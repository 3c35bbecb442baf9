// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

namespace netzplaner {

// A click into a result gives it the keyboard, so that Ctrl+C copies its
// selection. Tab and Shift+Tab from there go on from the control that had the
// keyboard before, as if the click had not taken it.
class Tabrueckgabe : public QObject {
public:
    explicit Tabrueckgabe(QWidget* fenster);

    void beobachte(QLabel* label);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QPointer<QWidget> vorher_;
};

} // namespace netzplaner
