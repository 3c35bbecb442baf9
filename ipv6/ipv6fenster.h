// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "toolkit/csvdatei.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace netzplaner {

class Ipv6Modell;

// An IPv6 prefix as typed: its figures in eight labels, and a table of its
// subnets of a chosen length, both following every keystroke. It belongs to
// the main window; closing it, by its frame or Escape, only hides it.
class Ipv6Fenster : public QWidget {
    Q_OBJECT

public:
    explicit Ipv6Fenster(QWidget* hauptfenster);

    // Asks for the CSV file's name; tests put their own in place of the dialog.
    Dateiwahl dateiwahl = frageCsvDatei;

    static constexpr int sichtbareZeilen = 16;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // Layout (ipv6fenster_aufbau.cpp).
    void baueEingaben(QGridLayout* raster);
    void baueKopf(QGridLayout* raster, int ersteZeile);
    void richteTabelleEin();
    QLayout* baueFuss();
    void benenneSteuerelemente();
    void legeGroesseFest();
    void passeSpaltenAn();

    // Behaviour (ipv6fenster.cpp).
    void rechne();
    void schreibeKopf();
    void springe();
    void speichere();

    Ipv6Modell* modell_ = nullptr;
    QLineEdit* txtipv6_ = nullptr;
    QSpinBox* teilpraefix_ = nullptr;
    int gewaehlt_ = 64; // the subnet length last set by the user
    QLabel* meldung_ = nullptr;
    // lblnetz, lbllang, lblerste, lblletzte, lbladressen, lblteilnetze, lbltyp, lblreverse
    std::array<QLabel*, 8> kopf_{};
    std::array<QLabel*, 8> titel_{};
    QLabel* umfang_ = nullptr;
    QTableView* tabelle_ = nullptr;
    QLineEdit* txtnr_ = nullptr;
    QPushButton* springe_ = nullptr;
    QPushButton* speichern_ = nullptr;
};

} // namespace netzplaner
