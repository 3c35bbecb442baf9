// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <variant>

namespace netzplaner {

// A list read by the command line: an open file descriptor that the holder
// closes (standard input is left open).
class Eingabedatei {
public:
    // pfad "-" is standard input. Regular files and named pipes are read,
    // with no size limit; folders, devices and sockets are refused with a
    // German sentence that names the file, before anything is read.
    static std::variant<Eingabedatei, QString> oeffne(const QString& pfad);

    Eingabedatei(Eingabedatei&& andere) noexcept;
    Eingabedatei& operator=(Eingabedatei&&) = delete;
    ~Eingabedatei();

    // Up to laenge bytes into ziel: how many (0 at the end), or -1 when
    // reading failed.
    long long lies(char* ziel, std::size_t laenge);
    // Why the last lies gave -1, in German, naming the file.
    QString fehler() const;

private:
    Eingabedatei(int fd, QString pfad)
        : fd_(fd)
        , pfad_(std::move(pfad))
    {
    }

    int fd_;
    QString pfad_;
    int errno_ = 0;
};

} // namespace netzplaner
