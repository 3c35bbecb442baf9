// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan in a random run: opened from the menu, its net typed key by
// key, rows added, edited, moved, pasted and removed through the real table,
// the RFC 3021 box switched, steps undone and redone, the window closed. After
// every event the plan it shows is held against the oracle's, worked out from
// the oracle's own record of the document and its undo steps.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <numeric>

#include "adressplan/adressplanfenster.h"
#include "tests/hilfen/finde.h"
#include "tests/hilfen/modalwaechter.h"
#include "tests/zufall/lauf.h"
#include "tests/zufall/pruefung.h"
#include "tests/zufall/ziele.h"

namespace zufall {
namespace {

Taste t(Qt::Key key, const char* text, const char* name, Qt::KeyboardModifiers umschalt = Qt::NoModifier)
{
    return {key, QString::fromLatin1(text), umschalt, QString::fromLatin1(name)};
}

const Taste eingabe = t(Qt::Key_Return, "\r", "Return"), abbruch = t(Qt::Key_Escape, "\x1b", "Escape");
const Taste rueck = t(Qt::Key_Backspace, "\b", "Backspace"), entf = t(Qt::Key_Delete, "\x7f", "Delete");
const Taste links = t(Qt::Key_Left, "", "Left"), rechts = t(Qt::Key_Right, "", "Right");
const Taste anfang = t(Qt::Key_Home, "", "Home"), ende = t(Qt::Key_End, "", "End");
const Taste alles = t(Qt::Key_A, "\x01", "Ctrl+A", Qt::ControlModifier);
const std::string hostsFehler = "Hosts muss eine ganze Zahl von 1 bis 2147483646 sein";

void tippeZeichen(const QString& text)
{
    for (const QChar c : text)
        drueckeTaste(zeichenTaste(c));
}

// Rows picked as Ctrl-clicks pick them; aktuell -1: no current cell.
void waehle(QTableView* tabelle, const std::vector<int>& zeilen, int aktuell, int spalte = 0)
{
    QItemSelectionModel* auswahl = tabelle->selectionModel();
    auswahl->clear();
    if (aktuell >= 0)
        auswahl->setCurrentIndex(tabelle->model()->index(aktuell, spalte), QItemSelectionModel::NoUpdate);
    for (const int zeile : zeilen)
        auswahl->select(tabelle->model()->index(zeile, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QString nameText(Wuerfel& w)
{
    static const QString zeichen = QStringLiteral("abcXYZ 019-\u00e4\u00df");
    QString text;
    for (int i = w.unter(9); i > 0; --i)
        text += zeichen.at(w.unter(int(zeichen.size())));
    return text;
}

// Mostly hosts that plan, some at the limits of a block or of the field, some refused.
QString hostsText(Wuerfel& w)
{
    static const QStringList falsch = {"0", "-5", "12a", "1.5", "99999999999", "\u00e4", "0x10", "1 2", "2147483647"};
    const int art = w.unter(40);
    if (art < 30)
        return QString::number(1 + w.unter(art < 6 ? 4 : art < 28 ? 300 : 70000));
    if (art < 32)
        return art == 30 ? QString() : QStringLiteral("   ");
    if (art < 34)
        return QStringLiteral(" 00%1 ").arg(1 + w.unter(100));
    if (art < 36)
        return QString::number(art == 34 ? 2147483644 + w.unter(3) : 1073741821 + w.unter(3));
    return falsch.at(w.unter(int(falsch.size())));
}

// A net to plan in, mostly one that holds a few rows, now and then the whole
// address space or a single address; sometimes with its mask.
QString netzText(Wuerfel& w)
{
    const int art = w.unter(20);
    const int p = art < 9 ? 16 + w.unter(9) : art < 13 ? 8 + w.unter(8) : art < 17 ? 25 + w.unter(8) : w.unter(8);
    const auto punkte = [&w](std::uint32_t zahl) {
        return QStringLiteral("%1.%2.%3.%4").arg(zahl >> 24).arg(zahl >> 16 & 0xFF).arg(zahl >> 8 & 0xFF).arg(zahl & 0xFF);
    };
    const QString adresse = punkte(std::uint32_t(w.unter(1 << 16)) << 16 | std::uint32_t(w.unter(1 << 16)));
    if (w.unter(4))
        return adresse + QStringLiteral("/") + QString::number(p);
    return QStringLiteral(" ") + adresse + QStringLiteral("  ") + punkte(p == 0 ? 0u : ~0u << (32 - p));
}

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
        for (const QChar c : wuerfel_.unter(4) ? netzText(wuerfel_) : wuerfel_.adresstext())
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

void Lauf::fuegePlanzeileHinzu(QWidget* fenster)
{
    auto* tabelle = finde<QTableView>(fenster, QStringLiteral("bedarf"));
    Planstand neu = plan_->stand();
    const int anzahl = int(neu.bedarf.size());
    const int aktuell = anzahl > 0 && wuerfel_.unter(3) ? wuerfel_.unter(anzahl) : -1;
    const int weg = wuerfel_.unter(3);
    const QString name = nameText(wuerfel_);
    const bool behalten = wuerfel_.unter(4) > 0;
    beginne(QStringLiteral("add a row after row %1 (%2), name \"%3\", %4")
                .arg(aktuell + 1)
                .arg(weg)
                .arg(lesbar(name), behalten ? QStringLiteral("Return") : QStringLiteral("Escape")));
    QTest::keyClick(fenster, Qt::Key_F, Qt::AltModifier);
    waehle(tabelle, {}, aktuell);
    loese(fenster, weg, t(Qt::Key_Insert, "", "Insert"), "hinzufuegen", "zeilehinzufuegen");
    tippeZeichen(name); // the new row's name is open for typing
    drueckeTaste(behalten ? eingabe : abbruch);

    const auto zeile = std::size_t(aktuell >= 0 ? aktuell + 1 : anzahl);
    neu.bedarf.insert(neu.bedarf.begin() + std::ptrdiff_t(zeile), Planbedarf{});
    plan_->aendere(neu);
    if (behalten && !name.isEmpty()) {
        neu.bedarf[zeile].name = name.toStdString();
        plan_->aendere(neu);
    }
}

void Lauf::bearbeitePlanzelle(QWidget* fenster)
{
    auto* tabelle = finde<QTableView>(fenster, QStringLiteral("bedarf"));
    const int zeile = wuerfel_.unter(int(plan_->stand().bedarf.size())), spalte = wuerfel_.unter(2);
    const QString text = spalte ? hostsText(wuerfel_) : nameText(wuerfel_);
    const int weg = wuerfel_.unter(8); // 0-2 F2, 3-5 typed over, 6 given up, 7 the model as the view calls it
    beginne(QStringLiteral("%1 \"%2\" into row %3 column %4")
                .arg(weg == 7 ? QStringLiteral("setData") : weg == 6 ? QStringLiteral("Escape on") : QStringLiteral("type"))
                .arg(lesbar(text))
                .arg(zeile + 1)
                .arg(spalte));
    QTest::keyClick(fenster, Qt::Key_F, Qt::AltModifier);
    waehle(tabelle, {zeile}, zeile, spalte);
    bool angenommen = true;
    if (weg == 7) {
        angenommen = tabelle->model()->setData(tabelle->model()->index(zeile, spalte), text);
    } else {
        if (weg < 3 || weg == 6 || text.isEmpty())
            drueckeTaste(t(Qt::Key_F2, "", "F2"));
        if (text.isEmpty())
            drueckeTaste(rueck); // the editor opens with its text selected
        tippeZeichen(text);
        drueckeTaste(weg == 6 ? abbruch : eingabe);
        QCoreApplication::processEvents();
    }
    if (weg == 6)
        return;
    Planstand neu = plan_->stand();
    const auto hosts = liesHosts(text.toStdString());
    if (spalte == 0)
        neu.bedarf[std::size_t(zeile)].name = text.toStdString();
    else if (hosts)
        neu.bedarf[std::size_t(zeile)].hosts = *hosts;
    else
        plan_->abgelehnt = "Zeile " + std::to_string(zeile + 1) + ": " + hostsFehler;
    planAbgelehnt_ += spalte && !hosts;
    if (!(neu == plan_->stand()))
        plan_->aendere(neu);
    if (weg == 7 && angenommen != (spalte == 0 || hosts.has_value()))
        scheitere({QStringLiteral("setData returned %1").arg(angenommen)}, haupt_.eingaben());
}

void Lauf::aenderePlanzeilen(QWidget* fenster, int art)
{
    auto* tabelle = finde<QTableView>(fenster, QStringLiteral("bedarf"));
    Planstand neu = plan_->stand();
    auto& bedarf = neu.bedarf;
    const int anzahl = int(bedarf.size()), erste = wuerfel_.unter(std::max(anzahl, 1)), weg = wuerfel_.unter(3);
    const int lauf = 1 + wuerfel_.unter(std::max(1, std::min(3, anzahl - erste)));
    QTest::keyClick(fenster, Qt::Key_F, Qt::AltModifier);
    if (art < 70) {
        // The current row alone, a run, or two rows anywhere.
        const int wahl = wuerfel_.unter(3), zweite = wuerfel_.unter(anzahl);
        std::vector<int> zeilen(wahl == 1 ? std::size_t(lauf) : std::size_t(wahl));
        std::iota(zeilen.begin(), zeilen.end(), erste);
        if (wahl == 2)
            zeilen = {erste, zweite};
        beginne(QStringLiteral("remove rows %1..%2 or %3 (%4, %5)").arg(erste + 1).arg(erste + lauf).arg(zweite + 1).arg(wahl).arg(weg));
        waehle(tabelle, zeilen, erste);
        loese(fenster, weg, entf, "entfernen", "zeilenentfernen");
        if (zeilen.empty())
            zeilen = {erste};
        std::sort(zeilen.rbegin(), zeilen.rend());
        zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
        for (const int zeile : zeilen)
            bedarf.erase(bedarf.begin() + zeile);
    } else if (art < 78) {
        const bool hoch = wuerfel_.unter(2), markiert = lauf > 1 || wuerfel_.unter(2);
        beginne(QStringLiteral("move rows %1..%2 %3 (%4)").arg(erste + 1).arg(erste + lauf).arg(hoch ? "up" : "down").arg(weg));
        std::vector<int> zeilen(markiert ? std::size_t(lauf) : 0);
        std::iota(zeilen.begin(), zeilen.end(), erste);
        waehle(tabelle, zeilen, erste);
        loese(fenster, weg, t(hoch ? Qt::Key_Up : Qt::Key_Down, "", "Ctrl+Up/Down", Qt::ControlModifier),
              hoch ? "hoch" : "runter", hoch ? "nachoben" : "nachunten");
        const auto von = bedarf.begin() + erste, bis = von + lauf;
        if (hoch ? erste == 0 : erste + lauf == anzahl)
            return; // nothing to move past: no step
        if (hoch)
            std::rotate(von - 1, von, bis);
        else
            std::rotate(von, bis, bis + 1);
    } else {
        // Lines copied from a spreadsheet; one with bad hosts refuses them all.
        QString text;
        int falsch = 0;
        std::vector<Planbedarf> neue;
        for (int i = 1 + wuerfel_.unter(3); i > 0; --i) {
            const QString hosts = wuerfel_.unter(10) ? QString::number(1 + wuerfel_.unter(500))
                                  : wuerfel_.unter(2) ? QString() : QStringLiteral("12a");
            neue.push_back({QStringLiteral("B\u00fcro %1").arg(wuerfel_.unter(100)).toStdString(), liesHosts(hosts.toStdString()).value_or(std::nullopt)});
            text += QString::fromStdString(neue.back().name) + u'\t' + hosts + QStringLiteral("\r\n");
            falsch = falsch ? falsch : hosts == QLatin1String("12a") ? int(neue.size()) : 0;
        }
        beginne(QStringLiteral("Ctrl+V \"%1\" -> bedarf").arg(lesbar(text)));
        QGuiApplication::clipboard()->setText(text);
        drueckeTaste(t(Qt::Key_V, "\x16", "Ctrl+V", Qt::ControlModifier));
        if (falsch) {
            plan_->abgelehnt = "Nicht eingef\xC3\xBCgt: Zeile " + std::to_string(falsch) + ": " + hostsFehler;
            ++planAbgelehnt_;
            return;
        }
        bedarf.insert(bedarf.end(), neue.begin(), neue.end());
    }
    plan_->aendere(neu);
}

void Lauf::planSonst(QWidget* fenster, int art)
{
    const int weg = wuerfel_.unter(3);
    Planstand neu = plan_->stand();
    if (art < 88) {
        auto* box = finde<QCheckBox>(fenster, QStringLiteral("rfc3021"));
        beginne(weg ? QStringLiteral("click rfc3021") : QStringLiteral("Space on rfc3021"));
        if (weg) {
            QStyleOptionButton o;
            o.initFrom(box);
            klicke(box, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, box).center());
        } else {
            box->setFocus(Qt::TabFocusReason);
            drueckeTaste(t(Qt::Key_Space, " ", "Space"));
        }
        neu.rfc3021 = !neu.rfc3021;
        plan_->aendere(neu);
    } else if (art < 97) {
        const bool zurueck = art < 94;
        beginne(QStringLiteral("%1 (%2)").arg(zurueck ? "undo" : "redo").arg(weg));
        if (weg == 0)
            fenster->findChild<QAction*>(QLatin1String(zurueck ? "rueckgaengig" : "wiederholen"))->trigger();
        else
            drueckeTaste(zurueck ? t(Qt::Key_Z, "\x1a", "", Qt::ControlModifier)
                                 : weg == 1 ? t(Qt::Key_Z, "\x1a", "", Qt::ControlModifier | Qt::ShiftModifier)
                                            : t(Qt::Key_Y, "\x19", "", Qt::ControlModifier));
        zurueck ? plan_->rueckgaengig() : plan_->wiederholen();
    } else {
        beginne(QStringLiteral("close the address plan (%1)").arg(weg));
        if (weg == 0)
            drueckeTaste(abbruch);
        else if (weg == 1)
            fenster->close();
        else
            fenster->findChild<QAction*>(QStringLiteral("schliessen"))->trigger();
        planSichtbar_ = false;
    }
}

void Lauf::loese(QWidget* fenster, int weg, const Taste& taste, const char* knopf, const char* aktion)
{
    if (weg == 0)
        drueckeTaste(taste);
    else if (weg == 1)
    {
        auto* k = finde<QPushButton>(fenster, QLatin1String(knopf));
        klicke(k, k->rect().center());
    }
    else
        fenster->findChild<QAction*>(QLatin1String(aktion))->trigger();
}

QStringList Lauf::pruefePlan()
{
    const auto alle = form_->findChildren<QWidget*>(QStringLiteral("adressplan"), Qt::FindDirectChildrenOnly);
    if (alle.size() != (plan_ ? 1 : 0))
        return {QStringLiteral("%1 address plans exist").arg(alle.size())};
    if (!plan_)
        return {};
    const QWidget* fenster = alle.front();
    const Planstand& stand = plan_->stand();
    QStringList fehler;
    if (fenster->isVisible() != planSichtbar_)
        fehler << QStringLiteral("the address plan is %1").arg(planSichtbar_ ? "hidden" : "shown");
    if (fenster->isWindowModified() == plan_->gespeichert())
        fehler << QStringLiteral("the address plan's modified mark is %1").arg(fenster->isWindowModified());
    const auto* netz = finde<QLineEdit>(fenster, QStringLiteral("txtnetz"));
    vergleiche(fehler, netz, netz->text(), stand.netz);
    if (finde<QCheckBox>(fenster, QStringLiteral("rfc3021"))->isChecked() != stand.rfc3021)
        fehler << QStringLiteral("rfc3021 is not %1").arg(stand.rfc3021);
    const auto* bedarf = finde<QTableView>(fenster, QStringLiteral("bedarf"));
    const auto editoren = bedarf->findChildren<QLineEdit*>();
    if (std::any_of(editoren.begin(), editoren.end(), [](const QLineEdit* e) { return e->isVisible(); }))
        fehler << QStringLiteral("an editor stayed open in bedarf");
    std::vector<std::string> zeilen;
    for (const Planbedarf& b : stand.bedarf)
        zeilen.push_back(b.name + '|' + (b.hosts ? std::to_string(*b.hosts) : std::string()));
    vergleicheZeilen(fehler, bedarf, zeilen);
    const Planerwartung soll = erwartePlan(stand);
    vergleicheZeilen(fehler, finde<QTableView>(fenster, QStringLiteral("plan")), soll.zeilen);
    const auto* meldung = finde<QLabel>(fenster, QStringLiteral("lblmeldung"));
    if (!plan_->abgelehnt.empty())
        vergleiche(fehler, meldung, meldung->text(), plan_->abgelehnt);
    else if (!meldung->text().contains(QString::fromStdString(soll.meldung)))
        fehler << QStringLiteral("lblmeldung shows \"%1\", not \"%2\"").arg(meldung->text(), QString::fromStdString(soll.meldung));
    return fehler;
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
