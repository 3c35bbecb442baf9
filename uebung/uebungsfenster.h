// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "calc/aufgabe.h"
#include "toolkit/csvdatei.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace netzplaner {

// Tasks of a repeatable series to practise on: the answers are checked
// leniently, each with its verdict, and the worked solution follows a check.
// It belongs to the main window; closing it, by its frame or Escape, only hides it.
class UebungsFenster : public QWidget {
    Q_OBJECT

public:
    explicit UebungsFenster(QWidget* hauptfenster);

    // Asks for the worksheet's file name; tests put their own in place of the dialog.
    Dateiwahl dateiwahl = frageAblage;
    static QString frageAblage(QWidget* eltern, const QString& vorschlag);

    static constexpr int hoechstensFelder = 5;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // Layout (uebungsfenster_aufbau.cpp).
    QLayout* baueWahl();
    QLayout* baueFelder();
    QLayout* baueKnoepfe();
    void benenneSteuerelemente();

    // Behaviour (uebungsfenster.cpp).
    void zeigeAufgabe();
    void naechste();
    void pruefe();
    void zeigeLoesung();
    void zaehle(bool ganzRichtig);
    void schreibeStatistik();
    void speichereArbeitsblatt();
    Aufgabenart gewaehlteArt() const;

    Aufgabe aufgabe_;
    bool gezaehlt_ = false;        // this task is among the counted ones
    bool richtigGezaehlt_ = false; // and among the wholly right ones
    bool geloest_ = false;         // its solution has been shown
    int aufgaben_ = 0;
    int richtige_ = 0;

    QSpinBox* serie_ = nullptr;
    QComboBox* art_ = nullptr;
    QSpinBox* nummer_ = nullptr;
    QLabel* aufgabentext_ = nullptr;
    std::array<QLabel*, hoechstensFelder> frage_{};
    std::array<QLineEdit*, hoechstensFelder> antwort_{};
    std::array<QLabel*, hoechstensFelder> urteil_{};
    QPushButton* naechste_ = nullptr;
    QPushButton* pruefen_ = nullptr;
    QPushButton* loesung_ = nullptr;
    QAction* arbeitsblatt_ = nullptr;
    QLabel* ergebnis_ = nullptr;
    QLabel* statistik_ = nullptr;
    QLabel* weg_ = nullptr;
};

} // namespace netzplaner
