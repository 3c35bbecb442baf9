// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ganzschreiben.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

} // namespace netzplaner
