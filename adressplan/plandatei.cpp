// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/plandatei.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "toolkit/ganzlesen.h"
#include "toolkit/ganzschreiben.h"

namespace netzplaner {
namespace {

const QString formatname = QStringLiteral("netzplaner-adressplan");
constexpr int formatversion = 1;

// JSON has only doubles: 200, 200.0 and 2e2 are the same number, 200.5 none of ours.
bool istGanz(const QJsonValue& wert, double von, double bis)
{
    const double zahl = wert.toDouble();
    return wert.isDouble() && zahl >= von && zahl <= bis && std::trunc(zahl) == zahl;
}

std::variant<Bedarf, QString> leseBedarfseintrag(const QJsonValue& wert)
{
    if (!wert.isObject())
        return QStringLiteral("ist kein Objekt mit Name und Hosts");
    const QJsonObject eintrag = wert.toObject();
    const QJsonValue name = eintrag.value(QLatin1String("name"));
    if (!name.isUndefined() && !name.isString())
        return QStringLiteral("Name muss ein Text sein");
    if (const auto fehler = namensFehler(name.toString().toStdString()))
        return QString::fromStdString(*fehler);
    const QJsonValue hosts = eintrag.value(QLatin1String("hosts"));
    if (hosts.isUndefined())
        return QStringLiteral("Hosts fehlt (null für noch nicht geplant)");
    if (!hosts.isNull() && !istGanz(hosts, 1, hoechsteHosts))
        return QString::fromUtf8(hostsFehler().data(), qsizetype(hostsFehler().size()));
    return Bedarf{name.toString().toStdString(),
                  hosts.isNull() ? std::nullopt : std::optional(static_cast<std::uint32_t>(hosts.toDouble()))};
}

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
    return std::nullopt;
}

// The same words as the CSV files' saving uses for the same causes: the user's
// terms where the cause is plain, otherwise what the system reported.
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
    const QJsonArray eintraege = bedarf.toArray();
    dokument.bedarf.reserve(std::size_t(eintraege.size()));
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        auto eintrag = leseBedarfseintrag(eintraege.at(i));
        if (const auto* eintragsfehler = std::get_if<QString>(&eintrag))
            return QStringLiteral("Eintrag %1: %2").arg(i + 1).arg(*eintragsfehler);
        dokument.bedarf.push_back(std::move(std::get<Bedarf>(eintrag)));
    }
    return dokument;
}

QByteArray schreibePlan(const Plandokument& dokument)
{
    QJsonArray eintraege;
    for (const Bedarf& b : dokument.bedarf)
        eintraege.append(QJsonObject{
            {QStringLiteral("name"), QString::fromStdString(b.name)},
            {QStringLiteral("hosts"), b.hosts ? QJsonValue(qint64(*b.hosts)) : QJsonValue(QJsonValue::Null)}});
    const QJsonObject plan{{QStringLiteral("format"), formatname},
                           {QStringLiteral("version"), formatversion},
                           {QStringLiteral("netz"), dokument.netz},
                           {QStringLiteral("rfc3021"), dokument.rfc3021},
                           {QStringLiteral("bedarf"), eintraege}};
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
