// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/modalwaechter.h"

#include <QApplication>
#include <QScopeGuard>
#include <QWidget>

ModalWaechter::ModalWaechter(QObject* eltern)
    : QObject(eltern)
{
    connect(&takt_, &QTimer::timeout, this, [this] { pruefe(); });
    takt_.start(20);
}

void ModalWaechter::beimNaechsten(std::function<void(QWidget*)> behandlung)
{
    erwartet_ = std::move(behandlung);
}

void ModalWaechter::pruefeUndSchliesse(std::function<void(QWidget*)> pruefung)
{
    beimNaechsten([pruefung = std::move(pruefung)](QWidget* modal) {
        const QPointer<QWidget> offen(modal);
        const auto schliessen = qScopeGuard([&offen] {
            if (offen && offen->isVisible())
                offen->close();
        });
        pruefung(modal);
    });
}

void ModalWaechter::pruefe()
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
