// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan's requirement rows in a random run: added, edited, removed,
// moved and pasted through the real table, by keys on the view and its
// editor, by the buttons, by the actions and by the model as the view calls it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTreeView>
#include <QTest>
#include <algorithm>
#include <numeric>

#include "tests/hilfen/finde.h"
#include "tests/zufall/lauf.h"
#include "tests/zufall/orakel.h"
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

QModelIndex indexBei(const QAbstractItemModel* modell, const Planpfad& pfad, int spalte)
{
    QModelIndex index;
    for (std::size_t i = 0; i < pfad.size(); ++i)
        index = modell->index(pfad[i], i + 1 == pfad.size() ? spalte : 0, index);
    return index;
}

// The row alone picked, the cell current.
void waehle(QTreeView* tabelle, const QModelIndex& zelle)
{
    QItemSelectionModel* auswahl = tabelle->selectionModel();
    auswahl->clear();
    auswahl->setCurrentIndex(zelle, QItemSelectionModel::NoUpdate);
    auswahl->select(zelle, QItemSelectionModel::Select | QItemSelectionModel::Rows);
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
    const auto pfade = allePfade(plan_->stand());
    const Planpfad pfad = pfade[std::size_t(wuerfel_.unter(int(pfade.size())))];
    const int spalte = wuerfel_.unter(3);
    Planstand neu = plan_->stand();
    Planbedarf& zeile = zeileBei(neu, pfad);
    const bool gruppe = !zeile.kinder.empty();
    const QString text = spalte == 1 ? wuerfel_.hosts() : spalte == 2 ? festesNetz() : wuerfel_.name();
    // 0-2 F2, 3-5 typed over, 6 given up, 7 the model as the view calls it. A
    // group's Hosts cell opens no editor: only the model is asked.
    const int weg = spalte == 1 && gruppe ? 7 : wuerfel_.unter(8);
    beginne(QStringLiteral("%1 \"%2\" into row %3 column %4")
                .arg(weg == 7 ? QStringLiteral("setData") : weg == 6 ? QStringLiteral("Escape on") : QStringLiteral("type"))
                .arg(lesbar(text))
                .arg(QString::fromStdString(nrVon(pfad)))
                .arg(spalte));
    QTest::keyClick(fenster, Qt::Key_F, Qt::AltModifier);
    const QModelIndex zelle = indexBei(tabelle->model(), pfad, spalte);
    waehle(tabelle, zelle);
    bool angenommen = true;
    if (weg == 7) {
        angenommen = tabelle->model()->setData(zelle, text);
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
    const std::string t = text.toStdString(), nr = "Zeile " + nrVon(pfad) + ": ";
    bool gilt = true;
    if (spalte == 0) {
        zeile.name = t;
    } else if (spalte == 1 && gruppe) {
        gilt = false; // refused without a word: a group's block follows from its children
    } else if (spalte == 1) {
        const auto hosts = liesHosts(t);
        gilt = hosts.has_value();
        if (hosts) {
            zeile.hosts = *hosts;
        } else {
            plan_->abgelehnt = nr + hostsFehler;
            plan_->nurAnfang = false;
        }
    } else {
        const auto netz = liesFestesNetz(t);
        gilt = netz.has_value();
        if (netz) {
            planFest_ += !netz->empty();
            zeile.fest = *netz;
        } else {
            plan_->abgelehnt = nr + "Netz \xE2\x80\x9E" + t + "\xE2\x80\x9C: "; // and the reason
            plan_->nurAnfang = true;
        }
    }
    planAbgelehnt_ += !gilt && !(spalte == 1 && gruppe);
    if (!(neu == plan_->stand()))
        plan_->aendere(neu);
    if (weg == 7 && angenommen != gilt)
        scheitere({QStringLiteral("setData returned %1").arg(angenommen)}, haupt_.eingaben());
}

QString Lauf::festesNetz()
{
    static const std::array<const char*, 4> falsch = {"10.0.0.0/33", "10.0.0", "Netz", "300.1.1.1/8"};
    const int art = wuerfel_.unter(10);
    if (art == 0)
        return {};
    if (art == 1)
        return QString::fromLatin1(falsch[std::size_t(wuerfel_.unter(4))]);
    // Mostly inside the plan's net, at times with host bits; else anywhere.
    const Einfuegung netz = liesEinfuegung(plan_->stand().netz);
    std::uint32_t anfang = 0xC0A80000;
    int p = 16;
    if (netz.art == Einfuegung::Adresse && netz.praefix >= 0 && art > 2) {
        const auto& o = netz.oktette;
        p = netz.praefix;
        anfang = (o[0] << 24 | o[1] << 16 | o[2] << 8 | o[3]) & maskeVon(p);
    }
    const int q = p + wuerfel_.unter(std::min(8, 32 - p) + 1);
    const std::uint64_t block = std::uint64_t{1} << (32 - q);
    const std::uint64_t stelle = std::uint64_t(wuerfel_.unter(1 << (q - p))) * block;
    const std::uint32_t hostbits = q < 32 && wuerfel_.unter(4) == 0 ? std::uint32_t(wuerfel_.unter(int(std::min<std::uint64_t>(block, 1000)))) : 0;
    return QString::fromStdString(punktiert(anfang + std::uint32_t(stelle) + hostbits) + '/' + std::to_string(q));
}

void Lauf::rueckePlanzeile(QWidget* fenster)
{
    auto* tabelle = finde<QTreeView>(fenster, QStringLiteral("bedarf"));
    const auto pfade = allePfade(plan_->stand());
    const Planpfad pfad = pfade[std::size_t(wuerfel_.unter(int(pfade.size())))];
    const bool ein = wuerfel_.unter(2);
    const int weg = wuerfel_.unter(3);
    beginne(QStringLiteral("%1 row %2 (%3)").arg(ein ? "indent" : "outdent", QString::fromStdString(nrVon(pfad))).arg(weg));
    QTest::keyClick(fenster, Qt::Key_F, Qt::AltModifier);
    waehle(tabelle, indexBei(tabelle->model(), pfad, 0));
    loese(fenster, weg, taste(ein ? Qt::Key_Right : Qt::Key_Left, "", "Ctrl+Right/Left", Qt::ControlModifier),
          ein ? "ein" : "aus", ein ? "einruecken" : "ausruecken");
    Planstand neu = plan_->stand();
    if (ein ? rueckeEin(neu, pfad) : rueckeAus(neu, pfad)) {
        ++planEbenen_;
        plan_->aendere(neu);
    }
}

void Lauf::waehleUmgebung(QWidget* fenster)
{
    static const std::array<std::string, 4> schluessel = {"klassisch", "aws", "azure", "gcp"};
    auto* box = finde<QComboBox>(fenster, QStringLiteral("umgebung"));
    const bool runter = wuerfel_.unter(2);
    beginne(runter ? QStringLiteral("Down on umgebung") : QStringLiteral("Up on umgebung"));
    box->setFocus(Qt::TabFocusReason);
    drueckeTaste(taste(runter ? Qt::Key_Down : Qt::Key_Up, "", runter ? "Down" : "Up"));
    Planstand neu = plan_->stand();
    const auto jetzt = std::find(schluessel.begin(), schluessel.end(), neu.umgebung) - schluessel.begin();
    neu.umgebung = schluessel[std::size_t(std::clamp<std::ptrdiff_t>(jetzt + (runter ? 1 : -1), 0, 3))];
    if (!(neu == plan_->stand())) {
        ++planUmgebung_;
        plan_->aendere(neu);
    }
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
