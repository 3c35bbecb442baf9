#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// Window tests run offscreen, where nobody can close a modal dialog: a test
// that opens one by mistake would wait forever. The guard closes any modal
// widget it was not told to expect and remembers it, so the test fails instead.
class ModalWaechter : public QObject {
public:
    explicit ModalWaechter(QObject* eltern = nullptr)
        : QObject(eltern)
    {
        connect(&takt_, &QTimer::timeout, this, [this] { pruefe(); });
        takt_.start(20);
    }

    // The next modal widget is handed to this function (which must close it)
    // instead of counting as unexpected.
    void beimNaechsten(std::function<void(QWidget*)> behandlung) { erwartet_ = std::move(behandlung); }

    bool erwartetNoch() const { return bool(erwartet_); }

    QStringList unerwartete() const { return unerwartete_; }

private:
    void pruefe()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == zuletzt_)
            return;
        zuletzt_ = modal;
        if (erwartet_) {
            auto behandlung = std::move(erwartet_);
            erwartet_ = nullptr;
            behandlung(modal);
        } else {
            unerwartete_ << QStringLiteral("%1 \"%2\"").arg(modal->metaObject()->className(), modal->windowTitle());
            modal->close();
        }
    }

    QTimer takt_;
    std::function<void(QWidget*)> erwartet_;
    QPointer<QWidget> zuletzt_; // seen already; a modal is handled once
    QStringList unerwartete_;
};
