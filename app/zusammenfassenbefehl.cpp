// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zusammenfassenbefehl.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/eingabedatei.h"
#include "calc/blockzeilen.h"
#include "calc/eintraege.h"
#include "calc/spannen.h"

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

// Reads one file; the German reason when it could not be read.
std::optional<QString> liesDatei(Eingabedatei& datei, const std::string& name, Gesammelt& gesammelt)
{
    Eintraege eintraege;
    Eintragsleser leser(eintraege);
    std::string puffer(stueckgroesse, '\0');
    std::size_t belegt = 0;
    for (;;) {
        // An entry longer than the buffer waits for more of itself.
        if (belegt == puffer.size())
            puffer.resize(puffer.size() * 2);
        const long long neu = datei.lies(puffer.data() + belegt, puffer.size() - belegt);
        if (neu < 0)
            return datei.fehler();
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
        auto geoeffnet = Eingabedatei::oeffne(pfad);
        std::optional<QString> fehler;
        if (auto* grund = std::get_if<QString>(&geoeffnet))
            fehler = *grund;
        else
            fehler = liesDatei(std::get<Eingabedatei>(geoeffnet), pfad.toLocal8Bit().toStdString(), gesammelt);
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
