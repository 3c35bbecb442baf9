// SPDX-License-Identifier: GPL-3.0-or-later
// The plan as a document: opening, saving, importing requirements, exporting
// the plan, and asking before unsaved changes would be lost.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QUndoStack>

#include "adressplan/adressplanfenster.h"
#include "adressplan/bedarfsmodell.h"
#include "adressplan/bedarfstabelle.h"
#include "adressplan/planmodell.h"
#include "calc/bedarfcsv.h"
#include "calc/planausgabe.h"
#include "toolkit/csvdatei.h"
#include "toolkit/ganzlesen.h"
#include "toolkit/offeneditor.h"

namespace netzplaner {

Plandokument AdressplanFenster::dokument() const
{
    return {txtnetz_->text(), rfc3021_->isChecked(), bedarf_->bedarf(), umgebungWert_};
}

void AdressplanFenster::schreibeTitel()
{
    const QString name = datei_.isEmpty() ? QString() : QStringLiteral(" – ") + QFileInfo(datei_).fileName();
    setWindowTitle(QStringLiteral("Adressplan") + name + QStringLiteral("[*]"));
    setWindowModified(!stapel_->isClean());
}

bool AdressplanFenster::uebernimmEditor()
{
    return uebernimmOffenenEditor(bedarfTabelle_);
}

bool AdressplanFenster::speichern()
{
    if (!uebernimmEditor())
        return false;
    if (datei_.isEmpty())
        return speichernUnter();
    // A net the file could not be opened with again is not saved.
    const auto netz = leseNetzangabe(txtnetz_->text().toStdString());
    if (const auto* fehler = std::get_if<std::string>(&netz)) {
        warne(this, QStringLiteral("Der Adressplan wurde nicht gespeichert: das Netz ist ungültig."),
              QString::fromStdString(*fehler));
        return false;
    }
    if (const auto fehler = speicherePlan(datei_, dokument())) {
        warne(this, QStringLiteral("Der Adressplan wurde nicht in %1 gespeichert.").arg(dateiname(datei_)), *fehler);
        return false;
    }
    stapel_->setClean();
    return true;
}

bool AdressplanFenster::speichernUnter()
{
    if (!uebernimmEditor())
        return false;
    const QString vorschlag = datei_.isEmpty() ? QStringLiteral("adressplan.adressplan") : datei_;
    const QString pfad = dateiwahl(this, Dateiart::PlanSpeichern, vorschlag);
    if (pfad.isEmpty())
        return false;
    const QString vorher = datei_;
    datei_ = pfad;
    if (!speichern()) {
        datei_ = vorher;
        return false;
    }
    schreibeTitel();
    return true;
}

void AdressplanFenster::oeffnenFragen()
{
    if (!darfVerwerfen())
        return;
    const QString pfad = dateiwahl(this, Dateiart::PlanOeffnen, datei_);
    if (!pfad.isEmpty())
        oeffne(pfad);
}

bool AdressplanFenster::oeffne(const QString& pfad)
{
    auto gelesen = oeffnePlan(pfad);
    if (const auto* fehler = std::get_if<QString>(&gelesen)) {
        warne(this, QStringLiteral("Der Adressplan wurde nicht geöffnet."), *fehler);
        return false;
    }
    uebernimm(std::get<Plandokument>(gelesen), pfad);
    return true;
}

void AdressplanFenster::uebernimm(const Plandokument& dokument, const QString& pfad)
{
    // A document opened is where undo begins: its steps are not this file's.
    stapel_->clear();
    netzText_ = dokument.netz;
    txtnetz_->setText(dokument.netz);
    rfc3021_->setChecked(dokument.rfc3021);
    setzeUmgebung(dokument.umgebung);
    bedarf_->ersetzeRoh(dokument.bedarf);
    datei_ = pfad;
    schreibeTitel();
    neuPlanen();
}

bool AdressplanFenster::darfVerwerfen()
{
    if (!uebernimmEditor())
        return false;
    if (stapel_->isClean())
        return true;
    // The plan the question is about is in sight.
    show();
    raise();
    activateWindow();
    const QString name = datei_.isEmpty() ? QStringLiteral("Der neue Adressplan")
                                          : QStringLiteral("Der Adressplan %1").arg(dateiname(datei_));
    QMessageBox frage(QMessageBox::Warning, QStringLiteral("Adressplan"),
                      name + QStringLiteral(" wurde geändert. Sollen die Änderungen gespeichert werden?"),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    frage.setTextFormat(Qt::PlainText);
    frage.setDefaultButton(QMessageBox::Save);
    switch (frage.exec()) {
    case QMessageBox::Save:
        return speichern();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void AdressplanFenster::importieren()
{
    const QString pfad = dateiwahl(this, Dateiart::CsvImport, {});
    if (pfad.isEmpty())
        return;
    const QString nicht = QStringLiteral("Der Bedarf wurde nicht aus %1 importiert.").arg(dateiname(pfad));
    const auto inhalt = leseGanz(pfad);
    if (const auto* fehler = std::get_if<QString>(&inhalt)) {
        warne(this, nicht, *fehler);
        return;
    }
    const QByteArray& bytes = std::get<QByteArray>(inhalt);
    const auto gelesen = leseBedarfCsv(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto* fehler = std::get_if<std::string>(&gelesen)) {
        warne(this, nicht, QString::fromStdString(*fehler));
        return;
    }
    Bedarfsliste liste = std::get<Bedarfsliste>(std::move(gelesen));
    if (liste.kopfzeile)
        hinweis_ = kopfzeilenHinweis(liste.kopfzeile);
    const int vorher = bedarf_->rowCount();
    bedarf_->haengeAn(std::move(liste.bedarf), QStringLiteral("Bedarf importieren"));
    if (bedarf_->rowCount() > vorher)
        bedarfTabelle_->waehleLauf({}, vorher, bedarf_->rowCount() - vorher);
    else if (liste.kopfzeile)
        melde(kopfzeilenHinweis(liste.kopfzeile));
}

void AdressplanFenster::exportieren()
{
    // The same bytes as "netzplaner --plan DATEI --format csv", behind the
    // byte order mark that spreadsheets read UTF-8 by.
    const std::string csv = planAlsCsv(planzeilen(plan_->plan()));
    schreibeExport(QStringLiteral(".csv"), QByteArrayLiteral("\xEF\xBB\xBF") + QByteArray::fromStdString(csv));
}

void AdressplanFenster::exportiereFuerNetbox()
{
    schreibeExport(QStringLiteral("-netbox.csv"), QByteArray::fromStdString(planFuerNetbox(planzeilen(plan_->plan()))));
}

void AdressplanFenster::schreibeExport(const QString& endung, const QByteArray& inhalt)
{
    const QString basis = datei_.isEmpty() ? QStringLiteral("adressplan") : QFileInfo(datei_).completeBaseName();
    const QString pfad = dateiwahl(this, Dateiart::CsvExport, basis + endung);
    if (pfad.isEmpty())
        return;
    if (const auto fehler = schreibeGanz(pfad, inhalt))
        warne(this, QStringLiteral("Die Datei %1 wurde nicht gespeichert.").arg(dateiname(pfad)), *fehler);
}

} // namespace netzplaner
