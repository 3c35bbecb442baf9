// SPDX-License-Identifier: GPL-3.0-or-later
// Changes to the plan: each goes through the undo stack as one step, and the
// plan is made anew once that step is done.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

#include "adressplan/adressplanfenster.h"
#include "adressplan/bedarfsmodell.h"
#include "adressplan/bedarfstabelle.h"
#include "adressplan/planmodell.h"
#include "calc/bedarfcsv.h"
#include "calc/netzzeile.h"

namespace netzplaner {

void AdressplanFenster::setzeNetz(const QString& text)
{
    netzText_ = text;
    // The same text again would move the user's caret to the end.
    if (txtnetz_->text() != text)
        txtnetz_->setText(text);
}

void AdressplanFenster::setzeRfc3021(bool an)
{
    rfc3021_->setChecked(an);
}

QString kopfzeilenHinweis(std::size_t zeile)
{
    return QStringLiteral("Zeile %1 wurde als Kopfzeile gelesen, nicht als Bedarf.").arg(zeile);
}

void AdressplanFenster::neuPlanen()
{
    const auto netz = leseNetzangabe(netzText_.toStdString());
    if (const auto* fehler = std::get_if<std::string>(&netz)) {
        plan_->setzePlan({}, bedarf_->bedarf());
        planMeldung_ = QString::fromStdString(*fehler);
    } else {
        Plan plan = plane(std::get<Netzangabe>(netz), bedarf_->bedarf(), rfc3021_->isChecked());
        planMeldung_ = QString::fromStdString(plan.meldung);
        plan_->setzePlan(std::move(plan), bedarf_->bedarf());
    }
    zeigeMeldung();
    // A note is about the step that was just done; the next one clears it.
    hinweis_.clear();
}

void AdressplanFenster::melde(const QString& hinweis)
{
    hinweis_ = hinweis;
    zeigeMeldung();
}

void AdressplanFenster::zeigeMeldung()
{
    lblmeldung_->setText(hinweis_.isEmpty() ? planMeldung_ : hinweis_ + QLatin1Char('\n') + planMeldung_);
}

void AdressplanFenster::zeileHinzufuegen()
{
    // After the current row, as a spreadsheet inserts; at the end without one.
    const QModelIndex aktuell = bedarfTabelle_->currentIndex();
    const int zeile = aktuell.isValid() ? aktuell.row() + 1 : bedarf_->rowCount();
    if (!bedarf_->insertRows(zeile, 1))
        return;
    bedarfTabelle_->waehleLauf(zeile, 1);
    bedarfTabelle_->setFocus();
    bedarfTabelle_->edit(bedarf_->index(zeile, Bedarfsmodell::Name));
}

void AdressplanFenster::zeilenEntfernen()
{
    std::vector<int> zeilen;
    for (const QModelIndex& index : bedarfTabelle_->selectionModel()->selectedRows())
        zeilen.push_back(index.row());
    if (zeilen.empty() && bedarfTabelle_->currentIndex().isValid())
        zeilen.push_back(bedarfTabelle_->currentIndex().row());
    bedarf_->entferne(zeilen);
}

void AdressplanFenster::verschiebe(int richtung)
{
    const auto [zeile, anzahl] = bedarfTabelle_->gewaehlterLauf();
    if (anzahl == 0)
        return;
    // moveRows counts the target before the move: one down is past the row
    // below the run.
    const int ziel = richtung < 0 ? zeile - 1 : zeile + anzahl + 1;
    if (bedarf_->moveRows({}, zeile, anzahl, {}, ziel))
        bedarfTabelle_->waehleLauf(zeile + richtung, anzahl);
}

void AdressplanFenster::fuegeZeilenEin()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty())
        return;
    const auto gelesen = leseBedarfCsv(text.toStdString());
    if (const auto* fehler = std::get_if<std::string>(&gelesen)) {
        melde(QStringLiteral("Nicht eingefügt: %1").arg(QString::fromStdString(*fehler)));
        return;
    }
    const Bedarfsliste& liste = std::get<Bedarfsliste>(gelesen);
    if (liste.kopfzeile)
        hinweis_ = kopfzeilenHinweis(liste.kopfzeile);
    const int vorher = bedarf_->rowCount();
    bedarf_->haengeAn(liste.bedarf, QStringLiteral("Zeilen einfügen"));
    if (bedarf_->rowCount() > vorher)
        bedarfTabelle_->waehleLauf(vorher, bedarf_->rowCount() - vorher);
    else if (liste.kopfzeile)
        melde(kopfzeilenHinweis(liste.kopfzeile));
}

void AdressplanFenster::zeigeGeplantesNetz(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const Planzeile& zeile = plan_->plan().zeilen[static_cast<std::size_t>(index.row())];
    if (zeile.nr > 0)
        emit zeigeNetz(QString::fromStdString(cidrText(zeile.netz, zeile.praefix)));
}

} // namespace netzplaner
