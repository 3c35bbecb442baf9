// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/csvdatei.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

#include "toolkit/tabellenkopie.h"

namespace netzplaner {
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
