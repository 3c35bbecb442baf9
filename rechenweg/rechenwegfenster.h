// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "calc/netzwahl.h"

class QLabel;

namespace netzplaner {

// The way to the main window's results, step by step: which bits are network
// and which are host, the AND of address and mask, the OR of network address
// and inverted mask, and the counts. It belongs to the main window, which
// feeds it every new choice; closing it, by its frame or Escape, only hides it.
class RechenwegFenster : public QWidget {
    Q_OBJECT

public:
    RechenwegFenster(const std::optional<Netzwahl>& wahl, QWidget* hauptfenster);

    void setzeWahl(const Netzwahl& wahl);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QLabel* schrittlabel(const char* name, bool festeBreite);

    QLabel* bits_ = nullptr;
    QLabel* anteile_ = nullptr;
    QLabel* und_ = nullptr;
    QLabel* oder_ = nullptr;
    QLabel* anzahl_ = nullptr;
};

} // namespace netzplaner
