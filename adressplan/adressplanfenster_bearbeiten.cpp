// SPDX-License-Identifier: GPL-3.0-or-later
// Changes to the plan: each goes through the undo stack as one step, and the
// plan is made anew once that step is done.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QUndoStack>
#include <algorithm>

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

void AdressplanFenster::setzeUmgebung(Umgebung umgebung)
{
    umgebungWert_ = umgebung;
    umgebung_->setCurrentIndex(static_cast<int>(umgebung));
    // A cloud's subnets are never /31 or /32.
    rfc3021_->setEnabled(umgebung == Umgebung::klassisch);
}

QString kopfzeilenHinweis(std::size_t zeile)
{
    return QStringLiteral("Zeile %1 wurde als Kopfzeile gelesen, nicht als Bedarf.").arg(zeile);
}

void AdressplanFenster::neuPlanen()
{
    const auto netz = leseNetzangabe(netzText_.toStdString());
    if (const auto* fehler = std::get_if<std::string>(&netz)) {
        plan_->setzePlan({});
        planMeldung_ = QString::fromStdString(*fehler);
    } else {
        Planbaum plan = plane({std::get<Netzangabe>(netz), rfc3021_->isChecked(), umgebungWert_, bedarf_->bedarf()});
        planMeldung_ = QString::fromStdString(plan.meldung);
        plan_->setzePlan(std::move(plan));
    }
    // A plan of one level looks as a table does, without the tree's marks.
    const auto& zeilen = plan_->plan().zeilen;
    planTabelle_->setRootIsDecorated(
        std::any_of(zeilen.begin(), zeilen.end(), [](const Planblock& b) { return !b.kinder.empty(); }));
    bool gruppen = false;
    for (int z = 0; z < bedarf_->rowCount() && !gruppen; ++z)
        gruppen = bedarf_->hasChildren(bedarf_->index(z, 0));
    bedarfTabelle_->setRootIsDecorated(gruppen);
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
    const QModelIndex eltern = aktuell.parent();
    const int zeile = aktuell.isValid() ? aktuell.row() + 1 : bedarf_->rowCount();
    if (!bedarf_->insertRows(zeile, 1, eltern))
        return;
    bedarfTabelle_->waehleLauf(eltern, zeile, 1);
    bedarfTabelle_->setFocus();
    bedarfTabelle_->edit(bedarf_->index(zeile, Bedarfsmodell::Name, eltern));
}

void AdressplanFenster::zeilenEntfernen()
{
    QModelIndexList zeilen = bedarfTabelle_->selectionModel()->selectedRows();
    if (zeilen.isEmpty() && bedarfTabelle_->currentIndex().isValid())
        zeilen << bedarfTabelle_->currentIndex().siblingAtColumn(0);
    bedarf_->entferne(zeilen);
}

void AdressplanFenster::verschiebe(int richtung)
{
    const Lauf lauf = bedarfTabelle_->gewaehlterLauf();
    if (lauf.anzahl == 0)
        return;
    // moveRows counts the target before the move: one down is past the row
    // below the run.
    const int ziel = richtung < 0 ? lauf.zeile - 1 : lauf.zeile + lauf.anzahl + 1;
    if (bedarf_->moveRows(lauf.eltern, lauf.zeile, lauf.anzahl, lauf.eltern, ziel))
        bedarfTabelle_->waehleLauf(lauf.eltern, lauf.zeile + richtung, lauf.anzahl);
}

void AdressplanFenster::ruecke(bool ein)
{
    if (!uebernimmEditor())
        return;
    const QPersistentModelIndex zeile = bedarfTabelle_->currentIndex().siblingAtColumn(0);
    if (ein ? bedarf_->rueckeEin(zeile) : bedarf_->rueckeAus(zeile))
        bedarfTabelle_->waehleLauf(zeile.parent(), zeile.row(), 1);
}

void AdressplanFenster::fuegeZeilenEin()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty())
        return;
    auto gelesen = leseBedarfCsv(text.toStdString());
    if (const auto* fehler = std::get_if<std::string>(&gelesen)) {
        melde(QStringLiteral("Nicht eingefügt: %1").arg(QString::fromStdString(*fehler)));
        return;
    }
    Bedarfsliste& liste = std::get<Bedarfsliste>(gelesen);
    if (liste.kopfzeile)
        hinweis_ = kopfzeilenHinweis(liste.kopfzeile);
    const int vorher = bedarf_->rowCount();
    bedarf_->haengeAn(std::move(liste.bedarf), QStringLiteral("Zeilen einfügen"));
    if (bedarf_->rowCount() > vorher)
        bedarfTabelle_->waehleLauf({}, vorher, bedarf_->rowCount() - vorher);
    else if (liste.kopfzeile)
        melde(kopfzeilenHinweis(liste.kopfzeile));
}

void AdressplanFenster::zeigeGeplantesNetz(const QModelIndex& index)
{
    const Planblock* block = plan_->block(index);
    if (block && block->art != Planart::frei)
        emit zeigeNetz(QString::fromStdString(cidrText(block->netz, block->praefix)));
}

} // namespace netzplaner
