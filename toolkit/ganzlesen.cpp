// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ganzlesen.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "toolkit/ganzschreiben.h"

namespace netzplaner {
namespace {

QString systemgrund(int fehler)
{
    switch (fehler) {
    case ENOENT:
        return QStringLiteral("Die Datei gibt es nicht");
    case EACCES:
    case EPERM:
        return QStringLiteral("Die Datei darf nicht gelesen werden");
    default:
        return QStringLiteral("Die Datei lässt sich nicht lesen (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(fehler)));
    }
}

std::optional<QString> artFehler(mode_t art, Lesequelle quelle)
{
    if (S_ISREG(art))
        return std::nullopt;
    if (S_ISDIR(art))
        return QStringLiteral("Das ist ein Ordner, keine Datei");
    if (S_ISFIFO(art) && quelle == Lesequelle::auchStroeme)
        return std::nullopt;
    // A device or a pipe could block or never end.
    return QStringLiteral("Das ist keine gewöhnliche Datei");
}

} // namespace

std::variant<std::unique_ptr<QFile>, QString> oeffneZumLesen(const QString& pfad, Lesequelle quelle)
{
    const QString name = dateiname(pfad) + QStringLiteral(": ");
    // Without O_NONBLOCK, opening a pipe waits for its writer: the file's
    // kind is judged on the open descriptor, so it cannot change in between.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return name + systemgrund(errno);
    struct stat info { };
    std::optional<QString> fehler;
    if (::fstat(fd, &info) != 0)
        fehler = systemgrund(errno);
    else
        fehler = artFehler(info.st_mode, quelle);
    if (!fehler && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        fehler = systemgrund(errno);
    auto datei = std::make_unique<QFile>();
    if (!fehler && !datei->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        fehler = QStringLiteral("Die Datei lässt sich nicht lesen (%1)").arg(datei->errorString());
    if (fehler) {
        ::close(fd);
        return name + *fehler;
    }
    return datei;
}

std::variant<QByteArray, QString> leseGanz(const QString& pfad)
{
    auto geoeffnet = oeffneZumLesen(pfad, Lesequelle::nurDateien);
    if (auto* fehler = std::get_if<QString>(&geoeffnet))
        return *fehler;
    QFile& datei = *std::get<std::unique_ptr<QFile>>(geoeffnet);
    const QString name = dateiname(pfad) + QStringLiteral(": ");
    const QString zuGross = QStringLiteral("Die Datei ist größer als %1 MiB und wird nicht gelesen")
                                .arg(hoechsteDateigroesse / (1024 * 1024));
    if (datei.size() > hoechsteDateigroesse)
        return name + zuGross;
    // The file may have grown since it was looked at.
    const QByteArray inhalt = datei.read(hoechsteDateigroesse + 1);
    if (datei.error() != QFileDevice::NoError)
        return name + QStringLiteral("Die Datei lässt sich nicht lesen (%1)").arg(datei.errorString());
    if (inhalt.size() > hoechsteDateigroesse)
        return name + zuGross;
    return inhalt;
}

} // namespace netzplaner
