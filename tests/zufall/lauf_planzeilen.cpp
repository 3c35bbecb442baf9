// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan's requirement rows in a random run: added, edited, removed,
// moved and pasted through the real table, by keys on the view and its
// editor, by the buttons, by the actions and by the model as the view calls it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTreeView>
#include <QTest>
#include <algorithm>
#include <numeric>

#include "tests/hilfen/finde.h"
#include "tests/zufall/lauf.h"
#include "tests/zufall/pruefung.h"

namespace zufall {
namespace {

const Taste eingabe = taste(Qt::Key_Return, "\r", "Return"), abbruch = taste(Qt::Key_Escape, "\x1b", "Escape");
const Taste rueck = taste(Qt::Key_Backspace, "\b", "Backspace"), entf = taste(Qt::Key_Delete, "\x7f", "Delete");
const std::string hostsFehler = "Hosts muss eine ganze Zahl von 1 bis 2147483646 sein";

void tippeZeichen(const QString& text)
{
    for (const QChar c : text)
        drueckeTaste(zeichenTaste(c));
}

// Rows picked as Ctrl-clicks pick them; aktuell -1: no current cell.
void waehle(QTreeView* tabelle, const std::vector<int>& zeilen, int aktuell, int spalte = 0)
{
    QItemSelectionModel* auswahl = tabelle->selectionModel();
    auswahl->clear();
    if (aktuell >= 0)
        auswahl->setCurrentIndex(tabelle->model()->index(aktuell, spalte), QItemSelectionModel::NoUpdate);
    for (const int zeile : zeilen)
        auswahl->select(tabelle->model()->index(zeile, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace

void Lauf::fuegePlanzeileHinzu(QWidget* fenster)
{
    auto* tabelle = finde<QTreeView>(fenster, QStringLiteral("bedarf"));
    Planstand neu = plan_->stand();
    const int anzahl = int(neu.bedarf.size());
    const int aktuell = anzahl > 0 && wuerfel_.unter(3) ? wuerfel_.unter(anzahl) : -1;
    const int weg = wuerfel_.unter(3);
    const QString name = wuerfel_.name();
    const bool behalten = wuerfel_.unter(4) > 0;
    beginne(QStringLiteral("add a row after row %1 (%2), name \"%3\", %4")
                .arg(aktuell + 1)
                .arg(weg)
                .arg(lesbar(name), behalten ? QStringLiteral("Return") : QStringLiteral("Escape")));
    QTest::keyClick(fenster, Qt::Key_F, Qt::AltModifier);
    waehle(tabelle, {}, aktuell);
    loese(fenster, weg, taste(Qt::Key_Insert, "", "Insert"), "hinzufuegen", "zeilehinzufuegen");
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
    auto* tabelle = finde<QTreeView>(fenster, QStringLiteral("bedarf"));
    const int zeile = wuerfel_.unter(int(plan_->stand().bedarf.size())), spalte = wuerfel_.unter(2);
    const QString text = spalte ? wuerfel_.hosts() : wuerfel_.name();
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
            drueckeTaste(taste(Qt::Key_F2, "", "F2"));
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
    auto* tabelle = finde<QTreeView>(fenster, QStringLiteral("bedarf"));
    Planstand neu = plan_->stand();
    auto& bedarf = neu.bedarf;
    const int anzahl = int(bedarf.size()), erste = wuerfel_.unter(std::max(anzahl, 1)), weg = wuerfel_.unter(3);
    const int lauf = 1 + wuerfel_.unter(std::max(1, std::min(3, anzahl - erste)));
    QTest::keyClick(fenster, Qt::Key_F, Qt::AltModifier);
    if (art < 70) {
        // The current row alone, a run, or two rows anywhere.
        const int wahl = wuerfel_.unter(3), zweite = wuerfel_.unter(anzahl);
        std::vector<int> zeilen(wahl == 1 ? std::size_t(lauf) : 0);
        std::iota(zeilen.begin(), zeilen.end(), erste);
        if (wahl == 2)
            zeilen = {erste, zweite};
        beginne(QStringLiteral("remove rows %1..%2 or %3 (%4, %5)")
                    .arg(erste + 1)
                    .arg(erste + lauf)
                    .arg(zweite + 1)
                    .arg(wahl)
                    .arg(weg));
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
        beginne(QStringLiteral("move rows %1..%2 %3 (%4)")
                    .arg(erste + 1)
                    .arg(erste + lauf)
                    .arg(hoch ? "up" : "down")
                    .arg(weg));
        std::vector<int> zeilen(markiert ? std::size_t(lauf) : 0);
        std::iota(zeilen.begin(), zeilen.end(), erste);
        waehle(tabelle, zeilen, erste);
        loese(fenster, weg, taste(hoch ? Qt::Key_Up : Qt::Key_Down, "", "Ctrl+Up/Down", Qt::ControlModifier),
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
            const QString name = QStringLiteral("B\u00fcro %1").arg(wuerfel_.unter(100));
            neue.push_back({name.toStdString(), liesHosts(hosts.toStdString()).value_or(std::nullopt)});
            text += name + u'\t' + hosts + QStringLiteral("\r\n");
            if (!falsch && hosts == QLatin1String("12a"))
                falsch = int(neue.size());
        }
        beginne(QStringLiteral("Ctrl+V \"%1\" -> bedarf").arg(lesbar(text)));
        QGuiApplication::clipboard()->setText(text);
        drueckeTaste(taste(Qt::Key_V, "\x16", "Ctrl+V", Qt::ControlModifier));
        if (falsch) {
            plan_->abgelehnt = "Nicht eingef\xC3\xBCgt: Zeile " + std::to_string(falsch) + ": " + hostsFehler;
            ++planAbgelehnt_;
            return;
        }
        bedarf.insert(bedarf.end(), neue.begin(), neue.end());
    }
    plan_->aendere(neu);
}

void Lauf::loese(QWidget* fenster, int weg, const Taste& taste, const char* knopf, const char* aktion)
{
    if (weg == 0)
        drueckeTaste(taste);
    else if (weg == 1)
        klicke(finde<QPushButton>(fenster, QLatin1String(knopf)), QPoint(8, 8));
    else
        fenster->findChild<QAction*>(QLatin1String(aktion))->trigger();
}

} // namespace zufall
