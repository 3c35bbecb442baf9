// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QString>
#include <QWidget>

// Finding and naming the places a random run sends its events to.
namespace zufall {

// A line edit takes a click soon after a double-click as a triple click, timed
// by the clock; a run shortens that time and waits it out (milliseconds).
constexpr int doppelklickZeit = 5;

inline QString name(const QWidget* w)
{
    if (!w)
        return QStringLiteral("nothing");
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (qobject_cast<const QMenuBar*>(w))
        return QStringLiteral("menu bar");
    return QString::fromLatin1(w->metaObject()->className());
}

// The client area: where a window's controls are, below its menu bar.
inline QWidget* flaecheVon(QWidget* fenster)
{
    if (auto* haupt = qobject_cast<QMainWindow*>(fenster))
        return haupt->centralWidget();
    // In the converter it is the one direct child that is no menu bar.
    for (QWidget* kind : fenster->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QMenuBar*>(kind))
            return kind;
    return fenster;
}

inline bool aktiv(const QWidget* fenster)
{
    const QWidget* fokus = QApplication::focusWidget();
    return QApplication::activeWindow() == fenster && fokus && fokus->window() == fenster;
}

// Keys must not depend on timing: the window is active and its focus widget
// known before the next event, as for a user who waits for the window.
inline bool bereit(QWidget* fenster)
{
    // Turning the loop rather than QTest::qWaitFor, which sleeps 10 ms a round.
    QElapsedTimer uhr;
    uhr.start();
    while (!aktiv(fenster)) {
        if (uhr.hasExpired(2000))
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

} // namespace zufall
