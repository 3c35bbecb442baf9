// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and peak memory of the program against the empty window: each is
// spawned the same way, rounds alternating between the two, and timed from
// just before the spawn to its line "gezeichnet" after the first paint. The
// peak resident set comes from the kernel's account of the ended child.
//   bench_start RUNDEN PROGRAMM LEERFENSTER
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Messung {
    double millisekunden;
    long spitzeKiB;
};

Messung starte(const char* pfad)
{
    int rohr[2];
    if (pipe(rohr) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, "/dev/null", O_WRONLY, 0); // Qt's chatter
    char* argumente[] = {const_cast<char*>(pfad), nullptr};

    const auto anfang = std::chrono::steady_clock::now();
    pid_t kind = 0;
    if (posix_spawn(&kind, pfad, &aktionen, nullptr, argumente, environ) != 0) {
        std::perror(pfad);
        std::exit(1);
    }
    close(rohr[1]);
    std::string zeile;
    char puffer[64];
    ssize_t gelesen = 0;
    while (zeile.find('\n') == std::string::npos && (gelesen = read(rohr[0], puffer, sizeof puffer)) > 0)
        zeile.append(puffer, std::size_t(gelesen));
    const auto ende = std::chrono::steady_clock::now();
    close(rohr[0]);
    posix_spawn_file_actions_destroy(&aktionen);

    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    if (zeile != "gezeichnet\n" || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report its first paint\n", pfad);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(ende - anfang).count(), verbrauch.ru_maxrss};
}

template <typename T>
T median(std::vector<T> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ROUNDS PROGRAM EMPTY_WINDOW\n", argv[0]);
        return 2;
    }
    const int runden = std::atoi(argv[1]);
    std::vector<double> zeitProgramm, zeitLeer;
    std::vector<long> speicherProgramm, speicherLeer;
    starte(argv[2]); // warm the file cache for both before measuring
    starte(argv[3]);
    for (int i = 0; i < runden; ++i) {
        const Messung p = starte(argv[2]);
        const Messung l = starte(argv[3]);
        zeitProgramm.push_back(p.millisekunden);
        speicherProgramm.push_back(p.spitzeKiB);
        zeitLeer.push_back(l.millisekunden);
        speicherLeer.push_back(l.spitzeKiB);
    }
    const double tp = median(zeitProgramm), tl = median(zeitLeer);
    const double sp = double(median(speicherProgramm)) / 1024, sl = double(median(speicherLeer)) / 1024;
    std::printf("%-38s %10s %12s %7s %8s\n", "", "Netzplaner", "floor", "ratio", "target");
    std::printf("%-38s %7.1f ms %9.1f ms %6.2fx %7s\n", "start-up to first paint (median)", tp, tl, tp / tl, "1.15x");
    std::printf("%-38s %6.1f MiB %8.1f MiB %6.2fx %7s\n", "peak memory, RSS (median)", sp, sl, sp / sl, "1.15x");
    std::printf("(%d runs each, alternating; floor: an empty window with the same menu bar)\n", runden);
    return 0;
}
