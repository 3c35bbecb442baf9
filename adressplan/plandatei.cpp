// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/plandatei.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

#include "calc/text.h"
#include "toolkit/ganzlesen.h"
#include "toolkit/ganzschreiben.h"

namespace netzplaner {
namespace {

const QString formatname = QStringLiteral("netzplaner-adressplan");
constexpr int formatversion = 2;

// JSON has only doubles: 200, 200.0 and 2e2 are the same number, 200.5 none of ours.
bool istGanz(const QJsonValue& wert, double von, double bis)
{
    const double zahl = wert.toDouble();
    return wert.isDouble() && zahl >= von && zahl <= bis && std::trunc(zahl) == zahl;
}

QString ausUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "netz" of an entry: absent or null is a row without a fixed net.
std::variant<std::optional<Netzangabe>, QString> leseFestesNetz(const QJsonValue& wert)
{
    if (wert.isUndefined() || wert.isNull())
        return std::optional<Netzangabe>();
    if (!wert.isString())
        return QStringLiteral("Netz muss ein Text oder null sein");
    // Host bits are cleared, as in the net field.
    const auto netz = leseNetzangabe(wert.toString().toStdString());
    if (const auto* fehler = std::get_if<std::string>(&netz))
        return QStringLiteral("Netz „%1“: %2").arg(wert.toString(), QString::fromStdString(*fehler));
    return std::optional(std::get<Netzangabe>(netz));
}

// Reads the entries level by level, named "Eintrag 2.1.3" in a refusal, and
// counts them against the limit.
class Eintragsleser {
public:
    std::optional<QString> lese(const QJsonArray& eintraege, const QString& vorsatz, int ebene,
                                std::vector<Planknoten>& knoten)
    {
        knoten.reserve(std::size_t(eintraege.size()));
        for (qsizetype i = 0; i < eintraege.size(); ++i) {
            const QString nr = vorsatz + QString::number(i + 1);
            if (ebene > hoechsteEbenen)
                return QStringLiteral("Eintrag %1: mehr als %2 Ebenen").arg(nr).arg(hoechsteEbenen);
            if (++zaehler_ > hoechsteEintraege)
                return QStringLiteral("Eintrag %1: mehr als %2 Einträge")
                    .arg(nr, QString::fromStdString(mitTausenderpunkten(hoechsteEintraege)));
            knoten.emplace_back();
            if (auto fehler = lese(eintraege.at(i), nr, ebene, knoten.back()))
                return fehler;
        }
        return std::nullopt;
    }

private:
    int zaehler_ = 0;

    std::optional<QString> lese(const QJsonValue& wert, const QString& nr, int ebene, Planknoten& knoten)
    {
        const QString eintrag = QStringLiteral("Eintrag %1: ").arg(nr);
        if (!wert.isObject())
            return eintrag + QStringLiteral("ist kein Objekt mit Name und Hosts");
        const QJsonObject objekt = wert.toObject();
        const QJsonValue name = objekt.value(QLatin1String("name"));
        if (!name.isUndefined() && !name.isString())
            return eintrag + QStringLiteral("Name muss ein Text sein");
        knoten.name = name.toString().toStdString();
        if (const auto fehler = namensFehler(knoten.name))
            return eintrag + QString::fromStdString(*fehler);
        const QJsonValue hosts = objekt.value(QLatin1String("hosts"));
        if (hosts.isUndefined())
            return eintrag + QStringLiteral("Hosts fehlt (null für noch nicht geplant)");
        if (!hosts.isNull() && !istGanz(hosts, 1, hoechsteHosts))
            return eintrag + ausUtf8(hostsFehler());
        if (!hosts.isNull())
            knoten.hosts = static_cast<std::uint32_t>(hosts.toDouble());
        auto fest = leseFestesNetz(objekt.value(QLatin1String("netz")));
        if (const auto* fehler = std::get_if<QString>(&fest))
            return eintrag + *fehler;
        knoten.fest = std::get<std::optional<Netzangabe>>(fest);
        const QJsonValue kinder = objekt.value(QLatin1String("kinder"));
        if (!kinder.isUndefined() && !kinder.isArray())
            return eintrag + QStringLiteral("\"kinder\" muss eine Liste sein");
        if (auto fehler = lese(kinder.toArray(), nr + QLatin1Char('.'), ebene + 1, knoten.kinder))
            return fehler;
        // A group's block follows from its children; hosts of its own would be lost unseen.
        if (!knoten.kinder.empty() && knoten.hosts)
            return eintrag + QStringLiteral("eine Gruppe hat keine Hosts (null)");
        return std::nullopt;
    }
};

std::optional<QString> leseKopf(const QJsonObject& plan, Plandokument& dokument)
{
    if (plan.value(QLatin1String("format")) != formatname)
        return QStringLiteral("Die Datei ist kein Adressplan von Netzplaner (\"format\" fehlt oder stimmt nicht)");
    const QJsonValue version = plan.value(QLatin1String("version"));
    if (!istGanz(version, 1, INFINITY))
        return QStringLiteral("\"version\" muss eine ganze Zahl ab 1 sein");
    if (version.toDouble() > formatversion)
        return QStringLiteral(
                   "Die Datei braucht eine neuere Version von Netzplaner (Dateiformat %1; diese liest Dateiformat %2)")
            .arg(version.toDouble(), 0, 'f', 0)
            .arg(formatversion);
    const QJsonValue netz = plan.value(QLatin1String("netz"));
    if (!netz.isString())
        return QStringLiteral("\"netz\" fehlt oder ist kein Text");
    const auto gelesen = leseNetzangabe(netz.toString().toStdString());
    if (const auto* fehler = std::get_if<std::string>(&gelesen))
        return QStringLiteral("Netz: ") + QString::fromStdString(*fehler);
    dokument.netz = netz.toString();
    const QJsonValue rfc3021 = plan.value(QLatin1String("rfc3021"));
    if (!rfc3021.isUndefined() && !rfc3021.isBool())
        return QStringLiteral("\"rfc3021\" muss true oder false sein");
    dokument.rfc3021 = rfc3021.toBool(false);
    const QJsonValue umgebung = plan.value(QLatin1String("umgebung"));
    if (umgebung.isUndefined())
        return std::nullopt;
    const auto bekannt = umgebungZuSchluessel(umgebung.toString().toStdString());
    if (!umgebung.isString() || !bekannt)
        return QStringLiteral("\"umgebung\" muss „klassisch“, „aws“, „azure“ oder „gcp“ sein");
    dokument.umgebung = *bekannt;
    return std::nullopt;
}

// Format 1's entries are name and hosts; a fixed net and children are added
// only where there are some.
QJsonArray eintraegeVon(const std::vector<Planknoten>& knoten)
{
    QJsonArray eintraege;
    for (const Planknoten& k : knoten) {
        QJsonObject eintrag{
            {QStringLiteral("name"), QString::fromStdString(k.name)},
            {QStringLiteral("hosts"), k.hosts ? QJsonValue(qint64(*k.hosts)) : QJsonValue(QJsonValue::Null)}};
        if (k.fest)
            eintrag.insert(QStringLiteral("netz"), ausUtf8(netzText(*k.fest)));
        if (!k.kinder.empty())
            eintrag.insert(QStringLiteral("kinder"), eintraegeVon(k.kinder));
        eintraege.append(eintrag);
    }
    return eintraege;
}

} // namespace

std::variant<Plandokument, QString> lesePlan(const QByteArray& inhalt)
{
    QJsonParseError fehler{};
    const QJsonDocument json = QJsonDocument::fromJson(inhalt, &fehler);
    if (fehler.error != QJsonParseError::NoError)
        return QStringLiteral("Die Datei ist kein gültiges JSON (Fehler bei Byte %1)").arg(fehler.offset);
    if (!json.isObject())
        return QStringLiteral("Die Datei ist kein Adressplan von Netzplaner (kein JSON-Objekt)");
    const QJsonObject plan = json.object();
    Plandokument dokument;
    if (auto kopffehler = leseKopf(plan, dokument))
        return *kopffehler;
    const QJsonValue bedarf = plan.value(QLatin1String("bedarf"));
    if (!bedarf.isUndefined() && !bedarf.isArray())
        return QStringLiteral("\"bedarf\" muss eine Liste sein");
    if (auto eintragsfehler = Eintragsleser().lese(bedarf.toArray(), QString(), 1, dokument.bedarf))
        return *eintragsfehler;
    return dokument;
}

bool brauchtVersion2(const Plandokument& dokument)
{
    return dokument.umgebung != Umgebung::klassisch
           || std::any_of(dokument.bedarf.begin(), dokument.bedarf.end(),
                          [](const Planknoten& k) { return k.fest || !k.kinder.empty(); });
}

QByteArray schreibePlan(const Plandokument& dokument)
{
    const bool version2 = brauchtVersion2(dokument);
    QJsonObject plan{{QStringLiteral("format"), formatname},
                     {QStringLiteral("version"), version2 ? 2 : 1},
                     {QStringLiteral("netz"), dokument.netz},
                     {QStringLiteral("rfc3021"), dokument.rfc3021},
                     {QStringLiteral("bedarf"), eintraegeVon(dokument.bedarf)}};
    if (version2)
        plan.insert(QStringLiteral("umgebung"), ausUtf8(regelnVon(dokument.umgebung).schluessel));
    return QJsonDocument(plan).toJson(QJsonDocument::Indented);
}

std::variant<Plandokument, QString> oeffnePlan(const QString& pfad)
{
    const auto inhalt = leseGanz(pfad);
    if (const auto* fehler = std::get_if<QString>(&inhalt))
        return *fehler;
    auto dokument = lesePlan(std::get<QByteArray>(inhalt));
    if (auto* fehler = std::get_if<QString>(&dokument))
        return dateiname(pfad) + QStringLiteral(": ") + *fehler;
    return dokument;
}

std::optional<QString> speicherePlan(const QString& pfad, const Plandokument& dokument)
{
    return schreibeGanz(pfad, schreibePlan(dokument));
}

} // namespace netzplaner
