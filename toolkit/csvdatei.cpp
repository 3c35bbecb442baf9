// SPDX-License-Identifier: GPL-3.0-or-later
#include "netzliste/csvspeichern.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include "calc/netzliste.h"

namespace netzplaner {
namespace {

QString angezeigt(const QString& pfad)
{
    return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(pfad));
}

// Said in the user's terms where the cause is plain; otherwise what the
// system reported, after what was being done.
QString grund(const QSaveFile& datei, const QString& pfad, bool geoeffnet)
{
    const QFileInfo ziel(pfad);
    if (ziel.isDir())
        return QStringLiteral("%1 ist ein Ordner, keine Datei.").arg(angezeigt(pfad));
    if (!QFileInfo(ziel.absolutePath()).isDir())
        return QStringLiteral("Den Ordner %1 gibt es nicht.").arg(angezeigt(ziel.absolutePath()));
    if (!geoeffnet)
        return QStringLiteral("Im Ordner %1 lässt sich keine Datei anlegen (%2).")
            .arg(angezeigt(ziel.absolutePath()), datei.errorString());
    return QStringLiteral("Die Datei ließ sich nicht vollständig schreiben (%1); eine ältere Datei dieses "
                          "Namens ist unverändert.")
        .arg(datei.errorString());
}

} // namespace

QString frageCsvDatei(QWidget* eltern, const QString& vorschlag)
{
    QFileDialog dialog(eltern, QStringLiteral("Netzliste als CSV speichern"));
    // The desktop's own dialog would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("CSV-Dateien (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> schreibeGanz(const QString& pfad, const QByteArray& inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return grund(datei, pfad, false);
    // A short write is an error that commit() reports; it then leaves the
    // target as it was.
    datei.write(inhalt);
    if (!datei.commit())
        return grund(datei, pfad, true);
    return std::nullopt;
}

void speichereAlsCsv(QWidget* fenster, const Netzliste& liste, const Dateiwahl& wahl)
{
    // "192.168.4.0/24" names the file: a slash may not appear in a file name.
    const QString vorschlag = QString::fromStdString(liste.kopf().cidr).replace(QLatin1Char('/'), QLatin1Char('_'))
                              + QStringLiteral(".csv");
    const QString pfad = wahl(fenster, vorschlag);
    if (pfad.isEmpty())
        return;
    const auto fehler = schreibeGanz(pfad, QByteArray::fromStdString(alsText(liste, ";", "\r\n")));
    if (!fehler)
        return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Netzliste"),
                    QStringLiteral("Die Netzliste wurde nicht in %1 gespeichert.").arg(angezeigt(pfad)),
                    QMessageBox::Ok, fenster);
    box.setInformativeText(*fehler);
    box.exec();
}

} // namespace netzplaner
