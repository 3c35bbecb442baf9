// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/zufall/pruefung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTreeView>
#include <algorithm>

#include "tests/hilfen/finde.h"
#include "tests/hilfen/wandelnsteuerelemente.h"
#include "tests/zufall/orakel.h"
#include "tests/zufall/orakel_adressplan.h"

namespace zufall {

QString lesbar(const QString& text)
{
    constexpr int hoechstens = 60;
    QString aus;
    for (const QChar c : text.left(hoechstens)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\')
            aus += c;
        else
            aus += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (text.size() > hoechstens)
        aus += QStringLiteral("... (%1 characters)").arg(text.size());
    return aus;
}

int eingeschaltet(const QRadioButton* const* gruppe, std::size_t anzahl, std::size_t ab)
{
    int an = -1;
    for (std::size_t i = ab; i < anzahl; ++i) {
        if (!gruppe[i]->isChecked())
            continue;
        if (an >= 0)
            return -1;
        an = int(i);
    }
    return an;
}

void vergleiche(QStringList& fehler, const QWidget* w, const QString& ist, const std::string& soll)
{
    const QString erwartet = QString::fromStdString(soll);
    if (ist != erwartet)
        fehler << QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(w->objectName(), lesbar(ist), lesbar(erwartet));
}

namespace {

// A tree's rows depth-first, as a table's in their order.
void sammleZeilen(const QAbstractItemModel* modell, const QModelIndex& eltern, QStringList& zeilen)
{
    for (int zeile = 0; zeile < modell->rowCount(eltern); ++zeile) {
        QStringList ist; // the row as the report shows it
        for (int spalte = 0; spalte < modell->columnCount(eltern); ++spalte)
            ist << modell->index(zeile, spalte, eltern).data().toString();
        zeilen << ist.join(u'|');
        sammleZeilen(modell, modell->index(zeile, 0, eltern), zeilen);
    }
}

} // namespace

bool vergleicheZeilen(QStringList& fehler, const QAbstractItemView* tabelle, const std::vector<std::string>& soll)
{
    QStringList zeilen;
    sammleZeilen(tabelle->model(), {}, zeilen);
    if (zeilen.size() != int(soll.size())) {
        fehler << QStringLiteral("%1 has %2 rows, expected %3").arg(tabelle->objectName()).arg(zeilen.size()).arg(soll.size());
        return false;
    }
    for (int zeile = 0; zeile < zeilen.size() && fehler.size() < 5; ++zeile)
        vergleiche(fehler, tabelle, zeilen[zeile], soll[std::size_t(zeile)]);
    return true;
}

QStringList pruefeWandeln(const WandelnSteuerelemente& w, QString& ergebnis)
{
    QStringList fehler;
    const int basis = eingeschaltet(w.Option1, 1);
    if (basis < 0)
        return {QStringLiteral("not exactly one base chosen")};
    if (w.Text1->text().size() > 9)
        fehler << QStringLiteral("Text1 holds %1 characters").arg(w.Text1->text().size());
    if (!w.Text1->text().isEmpty())
        ergebnis = QString::fromStdString(umgerechnet(w.Text1->text().toStdString(), basis));
    vergleiche(fehler, w.Text2, w.Text2->text(), ergebnis.toStdString());
    return fehler;
}

QStringList pruefeNetzliste(const QWidget* liste, const Eingabe& eingabe, bool aktuelleZeile)
{
    const Netzlistenerwartung soll = erwarteNetzliste(eingabe);
    QStringList fehler;
    const char* namen[] = {"lblcidr", "lblmaske", "lblwildcard", "lblhostbereich", "lblhosts", "lbladresstyp"};
    for (std::size_t i = 0; i < 6; ++i) {
        const QLabel* label = finde<QLabel>(liste, QLatin1String(namen[i]));
        vergleiche(fehler, label, label->text(), soll.kopf[i]);
    }
    const auto* tabelle = finde<QTableView>(liste, QStringLiteral("tabelle"));
    if (!vergleicheZeilen(fehler, tabelle, soll.zeilen))
        return fehler;
    const QModelIndex aktuell = tabelle->currentIndex();
    if (aktuelleZeile && aktuell.row() != soll.aktuell)
        fehler << QStringLiteral("the current row is %1, expected %2").arg(aktuell.row()).arg(soll.aktuell);
    else if (aktuelleZeile && (!tabelle->selectionModel()->isRowSelected(aktuell.row())
                               || !tabelle->viewport()->rect().contains(tabelle->visualRect(aktuell))))
        fehler << QStringLiteral("the current row %1 is not marked or not in view").arg(aktuell.row());
    return fehler;
}

QStringList pruefeAdressplan(const QWidget* fenster, const Planverlauf& verlauf)
{
    const Planstand& stand = verlauf.stand();
    QStringList fehler;
    if (fenster->isWindowModified() == verlauf.gespeichert())
        fehler << QStringLiteral("the address plan's modified mark is %1").arg(fenster->isWindowModified());
    const auto* netz = finde<QLineEdit>(fenster, QStringLiteral("txtnetz"));
    vergleiche(fehler, netz, netz->text(), stand.netz);
    if (finde<QCheckBox>(fenster, QStringLiteral("rfc3021"))->isChecked() != stand.rfc3021)
        fehler << QStringLiteral("rfc3021 is not %1").arg(stand.rfc3021);
    const auto* bedarf = finde<QTreeView>(fenster, QStringLiteral("bedarf"));
    const auto editoren = bedarf->findChildren<QLineEdit*>();
    if (std::any_of(editoren.begin(), editoren.end(), [](const QLineEdit* e) { return e->isVisible(); }))
        fehler << QStringLiteral("an editor stayed open in bedarf");
    vergleicheZeilen(fehler, bedarf, bedarfszeilen(stand));
    const auto* umgebung = finde<QComboBox>(fenster, QStringLiteral("umgebung"));
    vergleiche(fehler, umgebung, umgebung->currentData().toString(), stand.umgebung);
    if (finde<QCheckBox>(fenster, QStringLiteral("rfc3021"))->isEnabled() != (stand.umgebung == "klassisch"))
        fehler << QStringLiteral("rfc3021 is enabled in %1").arg(QString::fromStdString(stand.umgebung));
    const Planerwartung soll = erwartePlan(stand);
    vergleicheZeilen(fehler, finde<QTreeView>(fenster, QStringLiteral("plan")), soll.zeilen);
    const auto* meldung = finde<QLabel>(fenster, QStringLiteral("lblmeldung"));
    // A refusal is said first; the plan's own line stays below it.
    const QString erste = meldung->text().section(QLatin1Char('\n'), 0, 0);
    if (verlauf.nurAnfang) {
        if (!erste.startsWith(QString::fromStdString(verlauf.abgelehnt)))
            fehler << QStringLiteral("lblmeldung begins \"%1\", not \"%2\"").arg(erste, QString::fromStdString(verlauf.abgelehnt));
    } else if (!verlauf.abgelehnt.empty()) {
        vergleiche(fehler, meldung, erste, verlauf.abgelehnt);
    }
    if (!meldung->text().section(QLatin1Char('\n'), -1).contains(QString::fromStdString(soll.meldung)))
        fehler << QStringLiteral("lblmeldung shows \"%1\", not \"%2\"").arg(meldung->text(), QString::fromStdString(soll.meldung));
    return fehler;
}

} // namespace zufall
