// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/tabrueckgabe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace netzplaner {
namespace {

const char* const ergebnisEigenschaft = "netzplaner_kopierbar";

bool istErgebnis(const QWidget* w)
{
    return w && w->property(ergebnisEigenschaft).isValid();
}

} // namespace

Tabrueckgabe::Tabrueckgabe(QWidget* fenster)
    : QObject(fenster)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget* neu) {
        if (istErgebnis(neu) && alt && !istErgebnis(alt))
            vorher_ = alt;
    });
}

void Tabrueckgabe::beobachte(QLabel* label)
{
    label->setProperty(ergebnisEigenschaft, true);
    label->installEventFilter(this);
}

bool Tabrueckgabe::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    const bool tab = taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab;
    if (!tab || !vorher_ || !vorher_->isEnabled() || !vorher_->isVisible()
        || vorher_->window() != static_cast<QWidget*>(objekt)->window())
        return false;
    QPointer<QWidget> ziel = vorher_;
    ziel->setFocus(Qt::OtherFocusReason);
    if (ziel) {
        QKeyEvent weiter(QEvent::KeyPress, taste->key(), taste->modifiers(), taste->text());
        QCoreApplication::sendEvent(ziel, &weiter);
    }
    return true;
}

} // namespace netzplaner
