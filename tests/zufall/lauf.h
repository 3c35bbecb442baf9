// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "tests/zufall/hauptfenster.h"
#include "tests/zufall/tasten.h"
#include "tests/zufall/orakel.h"
#include "tests/zufall/orakel_adressplan.h"
#include "tests/zufall/wuerfel.h"

class ModalWaechter;
class QLineEdit;
class QMainWindow;

namespace zufall {

// One seeded run of random user events against the main window and the
// converter, the net list and the address plan it opens. After every event
// the windows are held against the oracle; the first difference ends the run
// with a report that names the seed, the event number and the events that led
// there, so it replays exactly.
class Lauf {
public:
    Lauf(std::uint64_t seed, long anzahl, QMainWindow* form);
    ~Lauf();

    // Empty when every check held, else the report.
    QString fuehreAus();

    long ereignisse() const { return nummer_; }

    // How much of the run changed something, for the summary.
    QString statistik() const;

private:
    bool weiter() const { return nummer_ < anzahl_ && bericht_.isEmpty(); }
    void beginne(const QString& was);
    void scheitere(const QStringList& fehler, const QString& zustand);
    bool pruefeHauptfenster();

    void hauptereignis();
    void oeffneWandeln();
    void wandelnSitzung(QWidget* fenster);
    bool wandelnereignis(QWidget* fenster); // false: the user closed the window

    // The net list (lauf_netzliste.cpp): now and then opened, used or closed
    // (true: that was the event), else the main window made ready for one.
    bool netzlistenereignis();
    QWidget* netzliste() const; // the open one, or null
    QStringList pruefeNetzliste();

    // The address plan (lauf_adressplan.cpp): opened from the menu now and
    // then, and while it is open, a share of the events goes to it.
    bool planereignis();
    QWidget* adressplan() const; // the open one, or null
    void oeffnePlan(int weg);
    void tippePlannetz(QWidget* fenster);
    void fuegePlanzeileHinzu(QWidget* fenster);
    void bearbeitePlanzelle(QWidget* fenster);
    QString festesNetz(); // a Netz cell's text, mostly a net inside the plan's
    void rueckePlanzeile(QWidget* fenster);
    void waehleUmgebung(QWidget* fenster);
    void aenderePlanzeilen(QWidget* fenster, int art);
    void planSonst(QWidget* fenster, int art);
    // An action by its key, its button or its menu entry.
    void loese(QWidget* fenster, int weg, const Taste& taste, const char* knopf, const char* aktion);
    QStringList pruefePlan();
    // The end of the program asks about unsaved changes exactly when there are
    // some; the answer Discard leaves nothing that could hold the test up.
    void beendePlan();

    // Input as the window system delivers it, at points of a window.
    void tippe();
    void klicke(QWidget* ziel, QPoint wo, bool doppelt = false);
    void klickeSteuerelement(QWidget* flaeche, const char* wie);
    void klickeIrgendwo(QWidget* flaeche);
    void bewegeMaus(QWidget* flaeche);
    void fuegeEin(QWidget* fenster);
    // A paste into an octet field is held against the oracle's reading of
    // the text it brings, besides the usual checks.
    void mitVorhersage(QLineEdit* feld, const QString& text, const std::function<void()>& einfuegen);
    void waehleAlles(QWidget* fenster);
    void klickeMenue(QWidget* fenster, const char* aktion);

    Wuerfel wuerfel_;
    const std::uint64_t seed_;
    const long anzahl_;
    long nummer_ = 0;
    int wandelnGeoeffnet_ = 0;
    long oktettAenderungen_ = 0, bitsAenderungen_ = 0, eingabeAenderungen_ = 0;
    long adressenEingefuegt_ = 0, einfuegungenVerweigert_ = 0;
    int netzlisteGeoeffnet_ = 0, planGeoeffnet_ = 0;
    long planEreignisse_ = 0, planAbgelehnt_ = 0, planEbenen_ = 0, planFest_ = 0, planUmgebung_ = 0;
    std::optional<Planverlauf> plan_; // from the plan's first opening
    bool planSichtbar_ = false;
    long netzlistenEreignisse_ = 0;
    // The choice when the user last moved in the list: the program puts the
    // current row back only for another choice.
    std::optional<Eingabe> navigiertBei_;
    QMainWindow* form_;
    Hauptfenster haupt_;
    std::unique_ptr<ModalWaechter> waechter_;
    const int alteDoppelklickZeit_;
    QObject kontext_; // ends the connections below with the run
    bool oktettBearbeitet_ = false;
    std::deque<QString> letzte_; // the latest events, for the report
    QString bericht_;
};

} // namespace zufall
