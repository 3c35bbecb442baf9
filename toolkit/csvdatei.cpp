// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/csvdatei.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSaveFile>

#include "toolkit/tabellenkopie.h"

namespace netzplaner {
namespace {

// Said in the user's terms where the cause is plain; otherwise what the
// system reported. An older file is mentioned only where there is one.
QString grund(const QSaveFile& datei, const QString& pfad, bool geoeffnet, bool gabEsSchon)
{
    const QFileInfo ziel(pfad);
    const QString ordner = ziel.absolutePath();
    if (ziel.isDir())
        return QStringLiteral("%1 ist ein Ordner, keine Datei.").arg(dateiname(pfad));
    if (!QFileInfo(ordner).isDir())
        return QStringLiteral("Den Ordner %1 gibt es nicht.").arg(dateiname(ordner));
    const QString unveraendert = gabEsSchon ? QStringLiteral(" Die vorhandene Datei ist unverändert.") : QString();
    if (!geoeffnet && gabEsSchon && !ziel.isWritable())
        return QStringLiteral("Die Datei %1 ist schreibgeschützt.").arg(dateiname(pfad)) + unveraendert;
    if (!geoeffnet && !QFileInfo(ordner).isWritable())
        return QStringLiteral("Im Ordner %1 lässt sich keine Datei anlegen.").arg(dateiname(ordner)) + unveraendert;
    if (!geoeffnet)
        return QStringLiteral("Die Datei ließ sich nicht anlegen (%1).").arg(datei.errorString()) + unveraendert;
    return QStringLiteral("Die Datei ließ sich nicht vollständig schreiben (%1).").arg(datei.errorString())
           + unveraendert;
}

} // namespace

QString dateiname(const QString& pfad)
{
    return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(pfad));
}

QString frageCsvDatei(QWidget* eltern, const QString& vorschlag)
{
    QFileDialog dialog(eltern, QStringLiteral("Als CSV speichern"));
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
    const bool gabEsSchon = QFileInfo::exists(pfad);
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return grund(datei, pfad, false, gabEsSchon);
    // A short write is an error that commit() reports; it then leaves the
    // target as it was.
    datei.write(inhalt);
    if (!datei.commit())
        return grund(datei, pfad, true, gabEsSchon);
    return std::nullopt;
}

QByteArray alsCsv(const QAbstractItemModel& modell, int hoechstensZeilen)
{
    return QByteArray("\xEF\xBB\xBF")
           + tabellenText(modell, ersteZeilen(modell, hoechstensZeilen), u";", u"\r\n").toUtf8();
}

void speichereAlsCsv(QWidget* fenster, const QAbstractItemModel& modell, const QString& vorschlag,
                     const Dateiwahl& wahl, int hoechstensZeilen)
{
    const QString pfad = wahl(fenster, vorschlag);
    if (pfad.isEmpty())
        return;
    if (const auto fehler = schreibeGanz(pfad, alsCsv(modell, hoechstensZeilen)))
        warne(fenster, QStringLiteral("Die Datei %1 wurde nicht gespeichert.").arg(dateiname(pfad)), *fehler);
}

void warne(QWidget* fenster, const QString& text, const QString& genauer)
{
    QMessageBox box(QMessageBox::Warning, fenster ? fenster->window()->windowTitle() : QString(), text, QMessageBox::Ok,
                    fenster);
    // A file may be named "a<b>c.csv": shown as markup it would lose letters.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(genauer);
    if (auto* genauerZeile = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        genauerZeile->setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace netzplaner
