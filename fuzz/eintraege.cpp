// SPDX-License-Identifier: GPL-3.0-or-later
// leseEintraege takes any text: every entry is counted once, read or refused
// with a reason, and what it reads agrees with the paste reader where both
// read the same form. The summary of what it reads holds exactly the
// addresses put in and not taken out, as aligned blocks no two of which could
// join into one. Read in pieces, as the command line reads a pipe, it gives
// the same entries, lines and reasons as read whole.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/adresse.h"
#include "calc/einfuegen.h"
#include "calc/zusammenfassungstext.h"
#include "fuzz/pruefe.h"

namespace {

using namespace netzplaner;

constexpr std::uint64_t letzteAdresse = 0xFFFFFFFFu;

bool enthaelt(const std::vector<Intervall>& intervalle, std::uint64_t adresse)
{
    return std::any_of(intervalle.begin(), intervalle.end(),
                       [&](const Intervall& i) { return i.erste <= adresse && adresse <= i.letzte; });
}

bool enthaelt(const std::vector<Block>& bloecke, std::uint64_t adresse)
{
    return std::any_of(bloecke.begin(), bloecke.end(), [&](const Block& b) {
        return b.netz <= adresse && adresse <= b.netz + netzgroesse(b.praefix) - 1;
    });
}

// Where the word has the form of a paste ("a.b.c.d", "a.b.c.d/p"), both
// readers must agree.
void wieEinfuegen(std::string_view wort)
{
    // Separators, exclusions, ranges (an en dash starts with 0xE2) and masks
    // after a slash are the summary's own.
    if (wort.find_first_of(" \t\r\n,;!-\xE2") != std::string_view::npos)
        return;
    if (const std::size_t schraeg = wort.find('/'); schraeg != wort.npos && wort.find('.', schraeg) != wort.npos)
        return;
    const auto eintrag = leseEintrag(wort);
    const auto adresse = leseAdresse(wort);
    PRUEFE(std::holds_alternative<Eintrag>(eintrag) == adresse.has_value());
    if (!adresse)
        return;
    const int praefix = adresse->praefix.value_or(32);
    const std::uint64_t netz = alsAdresse(adresse->oktette) & maske(praefix);
    PRUEFE(std::get<Eintrag>(eintrag) == (Eintrag{{netz, netz + netzgroesse(praefix) - 1}, false}));
}

void pruefeEintraege(std::string_view text, const Eintraege& eintraege)
{
    PRUEFE(eintraege.anzahl == eintraege.hinein.size() + eintraege.heraus.size() + eintraege.fehler.size());
    for (const auto* intervalle : {&eintraege.hinein, &eintraege.heraus})
        for (const Intervall& i : *intervalle)
            PRUEFE(i.erste <= i.letzte && i.letzte <= letzteAdresse);
    const auto zeilen = std::size_t(std::count(text.begin(), text.end(), '\n')) + 1;
    std::size_t vorige = 1;
    for (const Eintragsfehler& f : eintraege.fehler) {
        PRUEFE(f.zeile >= vorige && f.zeile <= zeilen && !f.grund.empty() && f.grund.size() < 200);
        vorige = f.zeile;
    }
}

void pruefeZusammenfassung(const Eintraege& eintraege, const Zusammenfassung& z)
{
    std::uint64_t adressen = 0;
    for (std::size_t i = 0; i < z.bloecke.size(); ++i) {
        const Block& b = z.bloecke[i];
        PRUEFE(b.praefix >= 0 && b.praefix <= 32 && (b.netz & ~maske(b.praefix)) == 0);
        adressen += netzgroesse(b.praefix);
        if (i == 0)
            continue;
        const Block& vor = z.bloecke[i - 1];
        const std::uint64_t vorEnde = vor.netz + netzgroesse(vor.praefix);
        PRUEFE(vorEnde <= b.netz);
        // Two halves of one net would be one block.
        PRUEFE(!(vorEnde == b.netz && vor.praefix == b.praefix && (vor.netz & maske(b.praefix - 1)) == vor.netz));
    }
    PRUEFE(adressen == z.adressen);
    PRUEFE(z.umfassend.has_value() == !z.bloecke.empty());
    if (z.umfassend) {
        const auto groesse = netzgroesse(z.umfassend->praefix);
        PRUEFE(z.zusaetzlich == groesse - adressen);
        PRUEFE(z.umfassend->netz <= z.bloecke.front().netz);
        const Block& letzter = z.bloecke.back();
        PRUEFE(letzter.netz + netzgroesse(letzter.praefix) <= z.umfassend->netz + groesse);
    }

    // The ends of the first entries and their neighbours, as a plain oracle.
    const auto pruefePunkt = [&](std::uint64_t p) {
        if (p > letzteAdresse)
            return;
        PRUEFE(enthaelt(z.bloecke, p) == (enthaelt(eintraege.hinein, p) && !enthaelt(eintraege.heraus, p)));
    };
    for (const auto* intervalle : {&eintraege.hinein, &eintraege.heraus})
        for (std::size_t i = 0; i < intervalle->size() && i < 32; ++i) {
            const Intervall& iv = (*intervalle)[i];
            for (const std::uint64_t p : {iv.erste - 1, iv.erste, iv.letzte, iv.letzte + 1})
                pruefePunkt(p);
        }
}

// Pieces of a size taken from the text itself, so that every cut is tried.
void stueckweise(std::string_view text, const Eintraege& ganz)
{
    const std::size_t stueck = text.empty() ? 1 : 1 + static_cast<unsigned char>(text.front()) % 16;
    Eintraege eintraege;
    Eintragsleser leser(eintraege);
    std::string puffer;
    for (std::size_t pos = 0; pos < text.size(); pos += stueck) {
        puffer += text.substr(pos, stueck);
        puffer.erase(0, leser.lies(puffer, false));
    }
    leser.lies(puffer, true);
    PRUEFE(eintraege.hinein == ganz.hinein && eintraege.heraus == ganz.heraus);
    PRUEFE(eintraege.fehler == ganz.fehler && eintraege.anzahl == ganz.anzahl);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const Eintraege eintraege = leseEintraege(text);
    pruefeEintraege(text, eintraege);
    const Zusammenfassung z = fasseZusammen(text);
    pruefeZusammenfassung(eintraege, z);
    PRUEFE(z.eintraege == eintraege.anzahl && z.fehler == eintraege.fehler);
    PRUEFE(meldungsText(z).empty() == (z.eintraege == 0));
    PRUEFE(umfassendText(z).empty() == z.bloecke.empty());
    wieEinfuegen(text);
    stueckweise(text, eintraege);
    return 0;
}
