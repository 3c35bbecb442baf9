// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/eingabedatei.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace netzplaner {
namespace {

QString grund(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOENT:
        return QStringLiteral("gibt es nicht");
    case EACCES:
    case EPERM:
        return QStringLiteral("darf nicht gelesen werden");
    case EISDIR:
        return QStringLiteral("ist ein Ordner, keine Datei");
    case ENOTDIR:
        return QStringLiteral("liegt nicht in einem Ordner");
    default:
        return QStringLiteral("lässt sich nicht lesen (Fehler %1)").arg(fehlernummer);
    }
}

QString art(mode_t modus)
{
    if (S_ISDIR(modus))
        return QStringLiteral("ist ein Ordner, keine Datei");
    if (S_ISCHR(modus) || S_ISBLK(modus))
        return QStringLiteral("ist ein Gerät, keine Datei");
    return QStringLiteral("ist keine gewöhnliche Datei");
}

QString genannt(const QString& pfad, const QString& was)
{
    return QStringLiteral("„%1“ %2").arg(pfad, was);
}

} // namespace

std::variant<Eingabedatei, QString> Eingabedatei::oeffne(const QString& pfad)
{
    if (pfad == QLatin1String("-"))
        return Eingabedatei(STDIN_FILENO, QStringLiteral("-"));
    const QByteArray name = pfad.toLocal8Bit();
    // Looked at before it is opened: opening a device may already do
    // something, and a pipe without a writer would wait.
    struct stat vorher { };
    if (::stat(name.constData(), &vorher) != 0)
        return genannt(pfad, grund(errno));
    if (!S_ISREG(vorher.st_mode) && !S_ISFIFO(vorher.st_mode))
        return genannt(pfad, art(vorher.st_mode));
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return genannt(pfad, grund(errno));
    // The name may have been given to something else in between.
    struct stat offen { };
    if (::fstat(fd, &offen) != 0 || (!S_ISREG(offen.st_mode) && !S_ISFIFO(offen.st_mode))) {
        ::close(fd);
        return genannt(pfad, art(offen.st_mode));
    }
    return Eingabedatei(fd, pfad);
}

Eingabedatei::Eingabedatei(Eingabedatei&& andere) noexcept
    : fd_(andere.fd_)
    , pfad_(std::move(andere.pfad_))
    , errno_(andere.errno_)
{
    andere.fd_ = -1;
}

Eingabedatei::~Eingabedatei()
{
    if (fd_ > STDIN_FILENO)
        ::close(fd_);
}

long long Eingabedatei::lies(char* ziel, std::size_t laenge)
{
    for (;;) {
        const ssize_t gelesen = ::read(fd_, ziel, laenge);
        if (gelesen >= 0)
            return gelesen;
        if (errno != EINTR) {
            errno_ = errno;
            return -1;
        }
    }
}

QString Eingabedatei::fehler() const
{
    return genannt(pfad_ == QLatin1String("-") ? QStringLiteral("Standardeingabe") : pfad_, grund(errno_));
}

} // namespace netzplaner
