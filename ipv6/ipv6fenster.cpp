// SPDX-License-Identifier: GPL-3.0-or-later
#include "ipv6/ipv6fenster.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <algorithm>

#include "calc/grosszahl.h"
#include "calc/ipv6lesen.h"
#include "calc/ipv6text.h"
#include "ipv6/ipv6modell.h"
#include "toolkit/escape.h"

namespace netzplaner {

void Ipv6Fenster::rechne()
{
    const Ipv6Lesung lesung = leseIpv6(txtipv6_->text().toStdString());
    meldung_->setText(QString::fromStdString(lesung.fehler));
    if (!lesung.netz) {
        modell_->setzeTeilung(std::nullopt);
        schreibeKopf();
        return;
    }
    const int p = lesung.netz->praefix;
    {
        // The length the user chose comes back when the prefix shrinks again:
        // typing "2001:db8::/48" passes through "2001:db8::", a /128. One
        // calculation for the keystroke, not a second one for the new length.
        const QSignalBlocker still(teilpraefix_);
        teilpraefix_->setMinimum(p);
        teilpraefix_->setValue(std::max(gewaehlt_, p));
    }
    const Ipv6Teilung teilung(*lesung.netz, teilpraefix_->value());
    const bool andereSpalten = !modell_->teilung() || modell_->teilung()->breitesteZeile() != teilung.breitesteZeile();
    modell_->setzeTeilung(teilung);
    if (andereSpalten)
        passeSpaltenAn();
    schreibeKopf();
}

void Ipv6Fenster::schreibeKopf()
{
    const auto& teilung = modell_->teilung();
    if (!teilung) {
        for (QLabel* label : kopf_)
            label->clear();
        umfang_->clear();
        return;
    }
    const Ipv6Kopf k = teilung->kopf();
    const std::array<const std::string*, 8> texte = {&k.netz,     &k.lang,      &k.erste, &k.letzte,
                                                     &k.adressen, &k.teilnetze, &k.typ,   &k.reverse};
    for (std::size_t i = 0; i < texte.size(); ++i)
        kopf_[i]->setText(QString::fromStdString(*texte[i]));
    umfang_->setText(QString::fromStdString(teilung->umfang(modell_->erster())));
}

void Ipv6Fenster::springe()
{
    const auto& teilung = modell_->teilung();
    if (!teilung)
        return;
    const auto index = leseNummer(txtnr_->text().toStdString());
    const QString anzahl = QString::fromStdString(nummerText(teilung->letzterIndex()));
    if (!index || *index > teilung->letzterIndex()) {
        meldung_->setText(QStringLiteral("Bitte eine Teilnetz-Nummer von 1 bis %1 eingeben.").arg(anzahl));
        return;
    }
    meldung_->clear();
    // A subnet among the listed rows is only scrolled to; one beyond them
    // starts the listing, and one among the first rows lists from the start.
    const Zahl128 erster = modell_->erster();
    if (*index < erster || *index - erster >= Zahl128(modell_->rowCount())) {
        modell_->zeigeAb(*index < Zahl128(Ipv6Teilung::hoechstensZeilen) ? 0 : *index);
        umfang_->setText(QString::fromStdString(teilung->umfang(modell_->erster())));
    }
    const QModelIndex ziel = modell_->index(int(*index - modell_->erster()), 0);
    tabelle_->selectionModel()->setCurrentIndex(ziel, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    tabelle_->scrollTo(ziel, QAbstractItemView::PositionAtTop);
    tabelle_->setFocus();
}

void Ipv6Fenster::speichere()
{
    const auto& teilung = modell_->teilung();
    if (!teilung)
        return;
    // Neither ":" nor "/" may stand in a file name everywhere the file may go.
    QString name = QString::fromStdString(ipv6NetzText(teilung->netz()));
    name.replace(u':', u'-').replace(u'/', u'_');
    speichereAlsCsv(this, *modell_, name + QStringLiteral("_in_%1.csv").arg(teilung->teilpraefix()), dateiwahl,
                    Ipv6Teilung::hoechstensZeilen);
}

void Ipv6Fenster::keyPressEvent(QKeyEvent* ereignis)
{
    // What the fields and the table leave, as a dialog would close on it.
    if (!schliesstBeiEscape(this, ereignis))
        QWidget::keyPressEvent(ereignis);
}

} // namespace netzplaner
