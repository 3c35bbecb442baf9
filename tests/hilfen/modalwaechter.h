// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

// Window tests run offscreen, where nobody can close a modal dialog: a test
// that opens one by mistake would wait forever. The guard closes any modal
// widget it was not told to expect and remembers it, so the test fails instead.
class ModalWaechter : public QObject {
public:
    explicit ModalWaechter(QObject* eltern = nullptr);

    // The next modal widget is handed to behandlung instead of counting as
    // unexpected; behandlung decides when it closes.
    void beimNaechsten(std::function<void(QWidget*)> behandlung);

    // The same, and the widget is closed once pruefung returns, on every path:
    // a failing check returns from pruefung early, and a dialog left open
    // would keep its exec() and the whole test binary waiting.
    void pruefeUndSchliesse(std::function<void(QWidget*)> pruefung);

    bool erwartetNoch() const { return bool(erwartet_); }

    QStringList unerwartete() const { return unerwartete_; }

private:
    void pruefe();

    QTimer takt_;
    std::function<void(QWidget*)> erwartet_;
    QPointer<QWidget> zuletzt_; // seen already; a modal is handled once
    QStringList unerwartete_;
};
