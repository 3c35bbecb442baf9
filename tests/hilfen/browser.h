// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser while it lives, so that the links the
// tests click are recorded instead of opened.
class Browser : public QObject {
    Q_OBJECT

public:
    Browser();
    ~Browser() override;

    QList<QUrl> geoeffnet;

public slots:
    void oeffne(const QUrl& adresse) { geoeffnet << adresse; }
};
