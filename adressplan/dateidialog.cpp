// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/dateidialog.h"

#include <QFileDialog>

#include "toolkit/csvdatei.h"

namespace netzplaner {

QString frageDatei(QWidget* eltern, Dateiart art, const QString& vorschlag)
{
    if (art == Dateiart::CsvExport)
        return frageCsvDatei(eltern, vorschlag);
    const bool speichern = art == Dateiart::PlanSpeichern;
    const QString titel = art == Dateiart::CsvImport ? QStringLiteral("Bedarf aus CSV importieren")
                          : speichern                ? QStringLiteral("Adressplan speichern")
                                                     : QStringLiteral("Adressplan öffnen");
    QFileDialog dialog(eltern, titel);
    // The desktop's own dialog would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (art == Dateiart::CsvImport) {
        dialog.setNameFilters({QStringLiteral("CSV-Dateien (*.csv *.txt)"), QStringLiteral("Alle Dateien (*)")});
    } else {
        dialog.setNameFilters({QStringLiteral("Adresspläne (*.adressplan)"), QStringLiteral("Alle Dateien (*)")});
        dialog.setDefaultSuffix(QStringLiteral("adressplan"));
    }
    dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace netzplaner
