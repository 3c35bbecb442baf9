// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "calc/netzwahl.h"
#include "toolkit/csvdatei.h"

class QLabel;
class QTableView;

namespace netzplaner {

class Netzlistenmodell;

// The net list beside the main window: the net the main window shows, in six
// labels, and a table of the nets its choice makes, which follows every new
// choice. It belongs to the main window, closes with Escape or its frame, is
// destroyed on closing and keeps nothing.
class NetzlistenFenster : public QWidget {
    Q_OBJECT

public:
    // Beside hauptfenster, the window it belongs to.
    NetzlistenFenster(const Netzwahl& wahl, QWidget* hauptfenster);

    // The same choice again changes nothing: a keystroke in the main window
    // recalculates up to three times.
    void setzeWahl(const Netzwahl& wahl);

    // Asks for the CSV file's name; tests put their own in place of the dialog.
    Dateiwahl dateiwahl = frageCsvDatei;

    static constexpr int sichtbareZeilen = 16;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void baueKopf(QWidget* kopf);
    void richteTabelleEin();
    void legeGroesseFest();
    void benenneSteuerelemente();
    void schreibeKopf();
    void markiereAktuelleZeile();

    Netzwahl wahl_;
    Netzlistenmodell* modell_ = nullptr;
    // lblcidr, lblmaske, lblwildcard, lblhostbereich, lblhosts, lbladresstyp
    std::array<QLabel*, 6> kopf_{};
    QTableView* tabelle_ = nullptr;
    QWidget* speichern_ = nullptr;
};

} // namespace netzplaner
