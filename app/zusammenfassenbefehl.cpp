// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zusammenfassenbefehl.h"

#include <QFile>
#include <cstdio>
#include <cstring>
#include <string>

#include "calc/blockzeilen.h"
#include "calc/eintraege.h"
#include "calc/spannen.h"
#include "toolkit/ganzlesen.h"
#include "toolkit/ganzschreiben.h"

namespace netzplaner {
namespace {

// Big enough that a list of millions is read in few system calls, small
// enough to stay out of the peak memory beside the entries themselves.
constexpr std::size_t stueckgroesse = std::size_t{1} << 20;

void schreibeFehler(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

// The refused entries of the piece just read, in one write.
bool meldeFehler(Eintraege& eintraege, const std::string& name)
{
    if (eintraege.fehler.empty())
        return false;
    std::string text;
    for (const Eintragsfehler& fehler : eintraege.fehler)
        text += name + ':' + std::to_string(fehler.zeile) + ": " + fehler.grund + '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
    eintraege.fehler.clear();
    return true;
}

struct Gesammelt {
    Spannenliste hinein, heraus;
    bool verweigert = false;
};

// The entries of the piece just read, moved to where they take half the room.
void sammle(Eintraege& eintraege, Gesammelt& gesammelt, const std::string& name)
{
    gesammelt.hinein.fuegeAn(eintraege.hinein);
    gesammelt.heraus.fuegeAn(eintraege.heraus);
    eintraege.hinein.clear();
    eintraege.heraus.clear();
    gesammelt.verweigert |= meldeFehler(eintraege, name);
}

// Standard input for "-"; a file through the shared reader, which refuses
// folders and devices by name, but with pipes and no size limit: a script's
// lists come that way.
std::variant<std::unique_ptr<QFile>, QString> oeffne(const QString& pfad)
{
    if (pfad != QLatin1String("-"))
        return oeffneZumLesen(pfad, Lesequelle::auchStroeme);
    auto eingabe = std::make_unique<QFile>();
    if (!eingabe->open(fileno(stdin), QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QStringLiteral("Die Standardeingabe lässt sich nicht lesen (%1)").arg(eingabe->errorString());
    return eingabe;
}

// Reads one file; the German reason when it could not be read.
std::optional<QString> liesDatei(QFile& datei, const QString& pfad, Gesammelt& gesammelt)
{
    const std::string name = pfad.toLocal8Bit().toStdString();
    Eintraege eintraege;
    Eintragsleser leser(eintraege);
    std::string puffer(stueckgroesse, '\0');
    std::size_t belegt = 0;
    for (;;) {
        // An entry longer than the buffer waits for more of itself.
        if (belegt == puffer.size())
            puffer.resize(puffer.size() * 2);
        const qint64 neu = datei.read(puffer.data() + belegt, qint64(puffer.size() - belegt));
        if (neu < 0)
            return (pfad == QLatin1String("-") ? QStringLiteral("Standardeingabe") : dateiname(pfad))
                   + QStringLiteral(": Die Datei lässt sich nicht zu Ende lesen (%1)").arg(datei.errorString());
        belegt += static_cast<std::size_t>(neu);
        const bool letztes = neu == 0;
        const std::size_t gelesen = leser.lies(std::string_view(puffer.data(), belegt), letztes);
        sammle(eintraege, gesammelt, name);
        if (letztes)
            return std::nullopt;
        std::memmove(puffer.data(), puffer.data() + gelesen, belegt - gelesen);
        belegt -= gelesen;
    }
}

} // namespace

int fasseDateienZusammen(const QStringList& dateien, const QString& programm)
{
    Gesammelt gesammelt;
    for (const QString& pfad : dateien) {
        auto geoeffnet = oeffne(pfad);
        std::optional<QString> fehler;
        if (auto* grund = std::get_if<QString>(&geoeffnet))
            fehler = *grund;
        else
            fehler = liesDatei(*std::get<std::unique_ptr<QFile>>(geoeffnet), pfad, gesammelt);
        if (fehler) {
            schreibeFehler(QStringLiteral("%1: %2\n").arg(programm, *fehler));
            return 2;
        }
    }

    gesammelt.hinein.vereinige();
    gesammelt.heraus.vereinige();
    bool geschrieben = true;
    Blockzeilen zeilen([&](std::string_view stueck) {
        geschrieben = geschrieben && std::fwrite(stueck.data(), 1, stueck.size(), stdout) == stueck.size();
    });
    fuerStueckeOhne(gesammelt.hinein, gesammelt.heraus, [&](const Intervall& stueck) { zeilen.fuegeAn(stueck); });
    zeilen.ende();
    if (!geschrieben || std::fflush(stdout) != 0) {
        schreibeFehler(QStringLiteral("%1: die Standardausgabe lässt sich nicht schreiben\n").arg(programm));
        return 2;
    }
    return gesammelt.verweigert ? 1 : 0;
}

} // namespace netzplaner
