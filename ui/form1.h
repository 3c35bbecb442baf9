// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <array>
#include <cstdint>
#include <vector>

#include "calc/berechnung.h"

class QAction;
class QLabel;
class QRadioButton;
class QTimer;

namespace netzplaner {

class AdressplanFenster;
class Ipv6Fenster;
class NetzlistenFenster;
class RechenwegFenster;
class Textfeld;
class UebungsFenster;
class ZusammenfassungsFenster;

// The main window. It owns the calculation state and the blink counter; its
// handlers read the controls, let the calculation run and write the labels.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* eltern = nullptr);

    static constexpr QSize flaecheInTwips{5070, 5460};
    // The eyes change every tick; the counter runs 0..9, an even span, so the
    // wrap keeps the alternation.
    static constexpr int blinkAbstandMs = 500;
    static constexpr int blinkZaehlerBis = 10;
    // From one octet column to the next, in twips.
    static constexpr int spaltenabstand = 720;

    // Opens a plan file in the address plan, as the command line asks; a file
    // it refuses is told in a message box.
    void oeffnePlandatei(const QString& pfad);

    static const QString herstellerAdresse;
    static const QString zweiteAdresse;
    static const QString infoText;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    // Layout (form1_aufbau.cpp).
    void baueMenue();
    void baueEingabezeile(QWidget* flaeche);
    void baueErgebnisse(QWidget* flaeche);
    void baueModusspalte(QWidget* flaeche);
    void baueUntereSpalte(QWidget* flaeche);
    void legeUndurchsichtigeNachOben();
    void legeTabfolgeFest();

    // Screen-reader names and copyable results (form1_zugang.cpp).
    void benenneSteuerelemente();
    void meldeAdressen();
    std::vector<QLabel*> ergebnisse() const;
    QString ganzesErgebnis() const;

    // Recalculation (form1.cpp).
    void ausfuehren();
    void klassepruefen();
    Eingaben eingaben() const;

    // Field handlers (felder.cpp).
    void verbindeFelder();
    void txtip_Change();
    void txtip_Auswahl();
    void txtip_Einfuegen(const QString& text);
    void txtbits_Change();
    void txtbits_KeyDown(int taste);

    // Timer, menu, info and links (form1.cpp, verweise.cpp).
    void Timer1_Timer();
    void info_Click();
    void oeffneHerstellerseite();
    void faerbeCopyright(const QColor& farbe);
    void change_Click();

    // The net list, opened on demand (form1_netzliste.cpp).
    void liste_Click();
    void folgeNetzliste();

    // The windows of the Extras menu: each is made on its first opening, put
    // beside the main window then, and hidden, not destroyed, on closing, so
    // that what the user entered is there again (form1_extras.cpp).
    void zeigeNeben(QWidget* fenster, bool neu);
    void summe_Click(); // form1_zusammenfassen.cpp
    void ipv6_Click();  // form1_ipv6.cpp

    // The worked solution follows every new choice, as the net list does
    // (form1_rechenweg.cpp); the exercises need nothing of the main window
    // (form1_uebung.cpp).
    void rechenweg_Click();
    void folgeRechenweg();
    void uebung_Click();

    // The address plan (form1_adressplan.cpp). The program ends only once the
    // plan's unsaved changes are saved or let go.
    void plan_Click();
    AdressplanFenster* adressplan();
    bool darfEnden();

    Berechnung berechnung_;
    std::uint8_t zaehler_ = 0;

    std::array<Textfeld*, 4> txtip_{};
    Textfeld* txtbits_ = nullptr;
    std::array<QRadioButton*, 3> option1_{}; // Netzart
    std::array<QRadioButton*, 3> option2_{}; // Adressanteil
    QLabel* label4_ = nullptr;
    std::array<QLabel*, 4> lblsubnet_{}, lblnetz_{}, lblbroad_{};
    std::array<QLabel*, 4> lbldual_{}, lbldual1_{}, lbldual2_{};
    QLabel* label13_ = nullptr;
    QLabel* label8_ = nullptr; // the result blocks' captions
    QLabel* label9_ = nullptr;
    QLabel* label10_ = nullptr;
    QLabel* label11_ = nullptr;
    std::array<QLabel*, 2> image1_{};
    QWidget* flaeche_ = nullptr; // the client area
    QTimer* timer1_ = nullptr;
    QPointer<NetzlistenFenster> netzliste_;   // null until opened, and once closed
    AdressplanFenster* adressplan_ = nullptr; // made on first use, then only hidden
    QPointer<ZusammenfassungsFenster> summe_; // null until first opened
    QPointer<Ipv6Fenster> ipv6_;              // null until first opened
    QPointer<RechenwegFenster> rechenweg_;    // null until first opened
    QPointer<UebungsFenster> uebung_;         // null until first opened
};

} // namespace netzplaner
