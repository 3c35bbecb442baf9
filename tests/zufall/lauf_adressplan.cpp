// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan in a random run: opened from the menu, its net typed key by
// key, its rows changed (lauf_planzeilen.cpp), the RFC 3021 box switched,
// steps undone and redone, the window closed. After every event the plan it
// shows is held against the oracle's, worked out from the oracle's own record
// of the document and its undo steps.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>

#include "adressplan/adressplanfenster.h"
#include "tests/hilfen/finde.h"
#include "tests/hilfen/modalwaechter.h"
#include "tests/zufall/lauf.h"
#include "tests/zufall/pruefung.h"
#include "tests/zufall/ziele.h"

namespace zufall {
namespace {

const Taste links = taste(Qt::Key_Left, "", "Left"), rechts = taste(Qt::Key_Right, "", "Right");
const Taste anfang = taste(Qt::Key_Home, "", "Home"), ende = taste(Qt::Key_End, "", "End");
const Taste alles = taste(Qt::Key_A, "\x01", "Ctrl+A", Qt::ControlModifier);
const Taste rueck = taste(Qt::Key_Backspace, "\b", "Backspace"), entf = taste(Qt::Key_Delete, "\x7f", "Delete");

} // namespace

QWidget* Lauf::adressplan() const
{
    auto* plan = form_->findChild<QWidget*>(QStringLiteral("adressplan"), Qt::FindDirectChildrenOnly);
    return plan && plan->isVisible() ? plan : nullptr;
}

bool Lauf::planereignis()
{
    QWidget* fenster = adressplan();
    const int wahl = wuerfel_.unter(1000);
    if (wahl < (fenster ? 2 : 10)) {
        oeffnePlan(wahl % 2);
        return true;
    }
    if (!fenster || wahl >= 350)
        return false;
    ++planEreignisse_;
    if (!aktiv(fenster)) {
        fenster->activateWindow();
        if (!bereit(fenster))
            scheitere({QStringLiteral("the address plan does not become active")}, haupt_.eingaben());
    }
    const int art = wuerfel_.unter(100), zeilen = int(plan_->stand().bedarf.size());
    if (art < 25)
        tippePlannetz(fenster);
    else if ((zeilen == 0 && art < 78) || (zeilen < 12 && art < 40))
        fuegePlanzeileHinzu(fenster);
    else if (art < 62)
        bearbeitePlanzelle(fenster);
    else if (art < 68 && zeilen > 0)
        rueckePlanzeile(fenster);
    else if (art < 82)
        aenderePlanzeilen(fenster, art);
    else
        planSonst(fenster, art);
    QCoreApplication::processEvents(); // an editor hands its text over once its key is done
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // and goes
    return true;
}

void Lauf::oeffnePlan(int weg)
{
    beginne(weg ? QStringLiteral("Alt+X, A") : QStringLiteral("menu action plan"));
    if (weg == 0) {
        form_->findChild<QAction*>(QStringLiteral("plan"))->trigger();
    } else {
        QTest::keyClick(form_, Qt::Key_X, Qt::AltModifier);
        if (QWidget* menue = QApplication::activePopupWidget())
            QTest::keyClick(menue, Qt::Key_A);
    }
    // The first opening starts with the net the main window shows.
    if (!plan_)
        plan_.emplace(Planstand{erwarteNetzliste(haupt_.eingabe()).kopf[0], false, {}});
    ++planGeoeffnet_;
    planSichtbar_ = true;
    if (!adressplan() || !bereit(adressplan()))
        scheitere({QStringLiteral("the address plan is not open and active")}, haupt_.eingaben());
}

void Lauf::tippePlannetz(QWidget* fenster)
{
    // The keys and what the field holds after each. The field's label brings
    // the focus, Ctrl+A, Home or End a known caret. Left or Right on a
    // selection differ between keyboard schemes, and are not pressed there.
    QString text = QString::fromStdString(plan_->stand().netz);
    int stelle = 0;
    bool markiert = false;
    std::vector<std::pair<Taste, QString>> tasten;
    const auto drueck = [&](const Taste& k) {
        if (markiert && (k.key == Qt::Key_Left || k.key == Qt::Key_Right))
            return;
        const bool waehltAlles = k.umschalt == Qt::ControlModifier;
        if (waehltAlles || k.key == Qt::Key_Home || k.key == Qt::Key_End) {
            stelle = k.key == Qt::Key_Home ? 0 : int(text.size());
            markiert = waehltAlles && !text.isEmpty();
        } else if (markiert) {
            text = k.key == Qt::Key_Backspace || k.key == Qt::Key_Delete ? QString() : k.text;
            stelle = int(text.size());
            markiert = false;
        } else if (k.key == Qt::Key_Left || k.key == Qt::Key_Right) {
            stelle = std::clamp(stelle + (k.key == Qt::Key_Left ? -1 : 1), 0, int(text.size()));
        } else if (k.key == Qt::Key_Backspace) {
            if (stelle > 0)
                text.remove(--stelle, 1);
        } else if (k.key == Qt::Key_Delete) {
            text.remove(stelle, 1);
        } else {
            text.insert(stelle++, k.text);
        }
        tasten.emplace_back(k, text);
    };
    const bool ganz = wuerfel_.unter(10) < 7;
    const int start = ganz ? 0 : wuerfel_.unter(3);
    drueck(start == 0 ? alles : start == 1 ? anfang : ende);
    if (ganz) {
        for (const QChar c : wuerfel_.unter(4) ? wuerfel_.netz() : wuerfel_.adresstext())
            if (c.unicode() >= 0x20 && c.unicode() < 0x100 && c.unicode() != 0x7f)
                drueck(zeichenTaste(c));
    } else {
        static const QString zeichen = QStringLiteral("012345678901234./ x\u00e4");
        const std::array<Taste, 8> andere = {rueck, rueck, entf, links, rechts, anfang, ende, alles};
        for (int i = wuerfel_.unter(4); i >= 0; --i) {
            const int art = wuerfel_.unter(20);
            drueck(art < 12 ? zeichenTaste(zeichen.at(wuerfel_.unter(int(zeichen.size())))) : andere[art - 12]);
        }
    }
    QStringList namen;
    for (const auto& [k, nachher] : tasten)
        namen << k.name;
    beginne(QStringLiteral("Alt+N, %1 -> txtnetz").arg(namen.join(QStringLiteral(", "))));
    QTest::keyClick(fenster, Qt::Key_N, Qt::AltModifier);
    for (const auto& [k, nachher] : tasten) {
        drueckeTaste(k);
        plan_->tippeNetz(nachher.toStdString());
    }
}

void Lauf::planSonst(QWidget* fenster, int art)
{
    const int weg = wuerfel_.unter(3);
    Planstand neu = plan_->stand();
    if (art < 85 || (art < 88 && neu.umgebung != "klassisch")) {
        waehleUmgebung(fenster); // RFC 3021 is the classic net's alone
    } else if (art < 88) {
        auto* box = finde<QCheckBox>(fenster, QStringLiteral("rfc3021"));
        beginne(weg ? QStringLiteral("click rfc3021") : QStringLiteral("Space on rfc3021"));
        if (weg) {
            QStyleOptionButton o;
            o.initFrom(box);
            klicke(box, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, box).center());
        } else {
            box->setFocus(Qt::TabFocusReason);
            drueckeTaste(taste(Qt::Key_Space, " ", "Space"));
        }
        neu.rfc3021 = !neu.rfc3021;
        plan_->aendere(neu);
    } else if (art < 97) {
        const bool zurueck = art < 94;
        beginne(QStringLiteral("%1 (%2)").arg(zurueck ? "undo" : "redo").arg(weg));
        if (weg == 0)
            fenster->findChild<QAction*>(QLatin1String(zurueck ? "rueckgaengig" : "wiederholen"))->trigger();
        else
            drueckeTaste(zurueck ? taste(Qt::Key_Z, "\x1a", "Ctrl+Z", Qt::ControlModifier)
                                 : weg == 1 ? taste(Qt::Key_Z, "\x1a", "Ctrl+Z", Qt::ControlModifier | Qt::ShiftModifier)
                                            : taste(Qt::Key_Y, "\x19", "", Qt::ControlModifier));
        zurueck ? plan_->rueckgaengig() : plan_->wiederholen();
    } else {
        beginne(QStringLiteral("close the address plan (%1)").arg(weg));
        if (weg == 0)
            drueckeTaste(taste(Qt::Key_Escape, "\x1b", "Escape"));
        else if (weg == 1)
            fenster->close();
        else
            fenster->findChild<QAction*>(QStringLiteral("schliessen"))->trigger();
        planSichtbar_ = false;
    }
}

QStringList Lauf::pruefePlan()
{
    const auto alle = form_->findChildren<QWidget*>(QStringLiteral("adressplan"), Qt::FindDirectChildrenOnly);
    if (alle.size() != (plan_ ? 1 : 0))
        return {QStringLiteral("%1 address plans exist").arg(alle.size())};
    if (!plan_)
        return {};
    if (alle.front()->isVisible() != planSichtbar_)
        return {QStringLiteral("the address plan is %1").arg(planSichtbar_ ? "hidden" : "shown")};
    return pruefeAdressplan(alle.front(), *plan_);
}

void Lauf::beendePlan()
{
    auto* fenster = form_->findChild<netzplaner::AdressplanFenster*>(QStringLiteral("adressplan"));
    if (!fenster || !plan_)
        return;
    bool gefragt = false;
    waechter_->pruefeUndSchliesse([&gefragt](QWidget* modal) {
        gefragt = true;
        if (auto* frage = qobject_cast<QMessageBox*>(modal))
            frage->button(QMessageBox::Discard)->click();
    });
    const bool darf = fenster->darfVerwerfen();
    waechter_->beimNaechsten(nullptr);
    if (!darf || gefragt == plan_->gespeichert())
        scheitere({QStringLiteral("ending the program asked %1 about the plan, and may end: %2").arg(gefragt).arg(darf)},
                  haupt_.eingaben());
}

} // namespace zufall
