// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/zufall/lauf.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "tests/hilfen/modalwaechter.h"
#include "tests/hilfen/wandelnsteuerelemente.h"
#include "tests/zufall/pruefung.h"
#include "tests/zufall/ziele.h"

namespace zufall {
namespace {

constexpr std::size_t gemerkt = 20; // events shown in a report

} // namespace

Lauf::Lauf(std::uint64_t seed, long anzahl, QMainWindow* form)
    : wuerfel_(seed)
    , seed_(seed)
    , anzahl_(anzahl)
    , form_(form)
    , haupt_(form)
    , waechter_(std::make_unique<ModalWaechter>())
    , alteDoppelklickZeit_(QGuiApplication::styleHints()->mouseDoubleClickInterval())
{
    // A line edit takes a click soon after a double-click as a triple click,
    // timed by the clock, not by the events: thousands of events a second would
    // make the outcome depend on the machine. A short interval, waited out
    // after each double-click, keeps the run exact.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(doppelklickZeit);

    for (QLineEdit* feld : haupt_.txtip)
        QObject::connect(feld, &QLineEdit::textChanged, &kontext_, [this] {
            oktettBearbeitet_ = true;
            ++oktettAenderungen_;
        });
    QObject::connect(haupt_.txtbits, &QLineEdit::textChanged, &kontext_, [this] { ++bitsAenderungen_; });
}

Lauf::~Lauf()
{
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(alteDoppelklickZeit_);
}

QString Lauf::statistik() const
{
    return QStringLiteral("%1 events: %2 octet changes, %3 bit count changes, the converter opened %4 times with "
                          "%5 input changes, the net list %6 times with %7 events in it, the address plan %8 "
                          "times with %9 events in it and %10 texts refused (%13 rows moved a level in or out, %14 fixed "
                          "nets taken, %15 changes of environment); %11 addresses pasted whole, %12 pastes refused")
        .arg(nummer_)
        .arg(oktettAenderungen_)
        .arg(bitsAenderungen_)
        .arg(wandelnGeoeffnet_)
        .arg(eingabeAenderungen_)
        .arg(netzlisteGeoeffnet_)
        .arg(netzlistenEreignisse_)
        .arg(planGeoeffnet_)
        .arg(planEreignisse_)
        .arg(planAbgelehnt_)
        .arg(adressenEingefuegt_)
        .arg(einfuegungenVerweigert_)
        .arg(planEbenen_)
        .arg(planFest_)
        .arg(planUmgebung_);
}

QString Lauf::fuehreAus()
{
    // The start state must hold before anything is typed.
    if (pruefeHauptfenster())
        while (weiter())
            hauptereignis();
    beendePlan();
    return bericht_;
}

void Lauf::beginne(const QString& was)
{
    ++nummer_;
    letzte_.push_back(QStringLiteral("#%1 %2").arg(nummer_).arg(was));
    // A crash prints no report: this shows where it struck.
    static const bool mitschreiben = qEnvironmentVariableIntValue("NETZPLANER_ZUFALL_PROTOKOLL") == 1;
    if (mitschreiben) // past Qt Test's limit on messages, and unbuffered
        std::fprintf(stderr, "%s\n", qPrintable(letzte_.back()));
    if (letzte_.size() > gemerkt)
        letzte_.pop_front();
}

void Lauf::scheitere(const QStringList& fehler, const QString& zustand)
{
    if (!bericht_.isEmpty())
        return; // the first difference is the one to replay
    QStringList zeilen;
    zeilen << QStringLiteral("random event run failed at event %1 of %2, seed %3").arg(nummer_).arg(anzahl_).arg(seed_)
           << QStringLiteral("replay in the build directory: NETZPLANER_ZUFALL_SEED=%1 "
                                 "NETZPLANER_ZUFALL_EREIGNISSE=%2 tests/zufall/tst_zufall zufallsereignisse")
                  .arg(seed_)
                  .arg(nummer_)
           << QStringLiteral("state: ") + zustand << QStringLiteral("differences:");
    for (const QString& f : fehler)
        zeilen << QStringLiteral("  ") + f;
    zeilen << QStringLiteral("last events:");
    for (const QString& e : letzte_)
        zeilen << QStringLiteral("  ") + e;
    bericht_ = zeilen.join(u'\n');
}

bool Lauf::pruefeHauptfenster()
{
    QStringList fehler = haupt_.pruefe(oktettBearbeitet_);
    oktettBearbeitet_ = false;
    if (fehler.isEmpty())
        fehler = pruefeNetzliste() + pruefePlan();
    if (!waechter_->unerwartete().isEmpty())
        fehler << QStringLiteral("unexpected dialogs: ") + waechter_->unerwartete().join(QStringLiteral(", "));
    if (!fehler.isEmpty())
        scheitere(fehler, haupt_.eingaben());
    return fehler.isEmpty();
}

void Lauf::hauptereignis()
{
    QWidget* flaeche = form_->centralWidget();
    const int wahl = netzlistenereignis() || planereignis() ? -1 : wuerfel_.unter(1000);
    if (wahl < 0) {
        // The net list's or the plan's event took the turn.
    } else if (wahl < 550)
        tippe();
    else if (wahl < 700)
        klickeSteuerelement(flaeche, "click");
    else if (wahl < 720)
        klickeSteuerelement(flaeche, "double-click");
    else if (wahl < 770)
        klickeIrgendwo(flaeche);
    else if (wahl < 800)
        bewegeMaus(flaeche);
    else if (wahl < 960)
        fuegeEin(form_);
    else if (wahl < 980)
        waehleAlles(form_);
    else if (wahl < 992)
        oeffneWandeln();
    else
        klickeIrgendwo(flaeche);
    QCoreApplication::processEvents();
    if (bericht_.isEmpty())
        pruefeHauptfenster();
}

void Lauf::oeffneWandeln()
{
    const QString vorher = haupt_.eingaben();
    // The session runs inside the converter's modal loop, as soon as that
    // loop turns; the guard, which looks only every 20 ms, lets it be.
    QPointer<QWidget> fenster;
    bool geoeffnet = false;
    QTimer imModalen;
    imModalen.setInterval(0);
    QObject::connect(&imModalen, &QTimer::timeout, &kontext_, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        imModalen.stop();
        geoeffnet = true;
        fenster = modal;
        wandelnSitzung(modal);
    });
    waechter_->beimNaechsten([](QWidget*) {});
    imModalen.start();

    ++wandelnGeoeffnet_;
    if (wuerfel_.unter(2)) {
        beginne(QStringLiteral("menu action change"));
        form_->findChild<QAction*>(QStringLiteral("change"))->trigger(); // returns when closed
    } else {
        klickeMenue(form_, "change");
    }

    imModalen.stop();
    waechter_->beimNaechsten(nullptr); // a short session may have ended unseen
    if (!bericht_.isEmpty())
        return;
    QStringList fehler;
    if (!geoeffnet)
        fehler << QStringLiteral("the converter did not open");
    if (fenster)
        fehler << QStringLiteral("the converter outlived its closing");
    if (haupt_.eingaben() != vorher)
        fehler << QStringLiteral("the main window changed while the converter was open, it held ") + vorher;
    if (!fehler.isEmpty())
        scheitere(fehler, haupt_.eingaben());

    // Back in the main window, as a click on it would make it.
    QCoreApplication::processEvents();
    if (!aktiv(form_)) {
        form_->activateWindow();
        if (!bereit(form_))
            scheitere({QStringLiteral("the main window is not active after closing the converter")}, QString());
    }
}

void Lauf::wandelnSitzung(QWidget* fenster)
{
    QPointer<QWidget> offen(fenster);
    if (!bereit(fenster))
        scheitere({QStringLiteral("the converter never became active")}, QString());
    const WandelnSteuerelemente w(fenster);
    QObject::connect(w.Text1, &QLineEdit::textChanged, &kontext_, [this] { ++eingabeAenderungen_; });
    QString ergebnis; // what Text2 must show; set by the first check
    const auto zustand = [&] {
        return QStringLiteral("Text1 \"%1\", Text2 \"%2\"").arg(lesbar(w.Text1->text()), lesbar(w.Text2->text()));
    };

    QStringList fehler = pruefeWandeln(w, ergebnis);
    if (!fehler.isEmpty())
        scheitere(fehler, zustand());
    while (weiter()) {
        const bool schliessen = !wandelnereignis(fenster);
        QCoreApplication::processEvents();
        if (!waechter_->unerwartete().isEmpty()) {
            scheitere({QStringLiteral("unexpected dialogs: ") + waechter_->unerwartete().join(QStringLiteral(", "))},
                      QString());
            break;
        }
        if (schliessen) {
            if (offen && offen->isVisible())
                scheitere({QStringLiteral("the converter stayed open")}, zustand());
            return;
        }
        if (!offen || !offen->isVisible()) {
            scheitere({QStringLiteral("the converter closed by itself")}, QString());
            return;
        }
        fehler = pruefeWandeln(w, ergebnis) + pruefeNetzliste(); // the list waits, unchanged
        if (!fehler.isEmpty())
            scheitere(fehler, zustand());
    }
    if (offen)
        offen->close(); // the run is over: leave as the user would
}

bool Lauf::wandelnereignis(QWidget* fenster)
{
    QWidget* flaeche = flaecheVon(fenster);
    const int wahl = wuerfel_.unter(1000);
    if (wahl < 550) {
        tippe();
    } else if (wahl < 700) {
        klickeSteuerelement(flaeche, "click");
    } else if (wahl < 750) {
        klickeIrgendwo(flaeche);
    } else if (wahl < 770) {
        // The main window waits under the modal converter: this must change nothing.
        klickeSteuerelement(form_->centralWidget(), "click (blocked)");
    } else if (wahl < 940) {
        fuegeEin(fenster);
    } else if (wahl < 955) {
        waehleAlles(fenster);
    } else if (wahl < 975) {
        beginne(QStringLiteral("menu action ende"));
        fenster->findChild<QAction*>(QStringLiteral("ende"))->trigger();
        return false;
    } else if (wahl < 990) {
        klickeMenue(fenster, "ende");
        return false;
    } else {
        beginne(QStringLiteral("close the converter by its frame"));
        fenster->close();
        return false;
    }
    return true;
}

} // namespace zufall
