// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/befehlszeile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "app/hilfetext.h"

namespace netzplaner {

namespace {

// Qt's own options that take the next argument as their value; every Qt
// program reads them, with one dash or two.
const QStringList qtOptionenMitWert = {QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
                                       QStringLiteral("platformtheme"), QStringLiteral("plugin"),
                                       QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
                                       QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
                                       QStringLiteral("session"),       QStringLiteral("display"),
                                       QStringLiteral("geometry"),      QStringLiteral("title"),
                                       QStringLiteral("icon"),          QStringLiteral("name"),
                                       QStringLiteral("style"),         QStringLiteral("stylesheet"),
                                       QStringLiteral("visual"),        QStringLiteral("ncols"),
                                       QStringLiteral("fontengine")};
const QStringList qtSchalter = {QStringLiteral("reverse"),    QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                QStringLiteral("dograb"),     QStringLiteral("sync"),        QStringLiteral("cmap"),
                                QStringLiteral("testability")};
const QStringList formate = {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("netbox")};

// The name the user called the program by, as GNU tools name themselves
// in their messages.
QString befehl(const QStringList& argumente)
{
    const QString name = argumente.isEmpty() ? QString() : QFileInfo(argumente.first()).fileName();
    return name.isEmpty() ? QStringLiteral("netzplaner") : name;
}

void schreibe(std::FILE* kanal, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), kanal);
    std::fflush(kanal);
}

Aufruf ende(int status)
{
    Aufruf aufruf;
    aufruf.ende = status;
    return aufruf;
}

// The options as they were read, before they are checked against each other.
struct Gelesen {
    bool hilfe = false, version = false, zusammenfassen = false;
    std::optional<QString> plan, format;
    QStringList dateien;
};

// Reads one option at argumente[i] (moving i past a value it takes); the
// German fault, or nothing.
QString leseOption(const QStringList& argumente, qsizetype& i, Gelesen& gelesen)
{
    const QString& argument = argumente.at(i);
    const qsizetype gleich = argument.indexOf(QLatin1Char('='));
    const QString geschrieben = argument.left(gleich);
    QString name = geschrieben;
    // As every Qt program reads -platform or -style: "-help" is --help, and
    // single letters are never run together.
    name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
    const std::optional<QString> angehaengt = gleich >= 0 ? std::optional(argument.mid(gleich + 1)) : std::nullopt;
    const auto wert = [&]() -> std::optional<QString> {
        if (angehaengt)
            return angehaengt;
        if (i + 1 < argumente.size())
            return argumente.at(++i);
        return std::nullopt;
    };
    const auto ohneWert = [&](bool& schalter) {
        if (angehaengt)
            return QStringLiteral("die Option „%1“ nimmt keinen Wert an").arg(geschrieben);
        schalter = true;
        return QString();
    };

    if (name == QLatin1String("h") || name == QLatin1String("help"))
        return ohneWert(gelesen.hilfe);
    if (name == QLatin1String("version"))
        return ohneWert(gelesen.version);
    if (name == QLatin1String("zusammenfassen"))
        return ohneWert(gelesen.zusammenfassen);
    if (name == QLatin1String("plan")) {
        gelesen.plan = wert();
        if (!gelesen.plan || gelesen.plan->isEmpty())
            return QStringLiteral("der Option „%1“ fehlt die Plandatei").arg(geschrieben);
        return {};
    }
    if (name == QLatin1String("format")) {
        gelesen.format = wert();
        if (!gelesen.format)
            return QStringLiteral("der Option „%1“ fehlt das Format: text, csv oder netbox").arg(geschrieben);
        if (!formate.contains(*gelesen.format))
            return QStringLiteral("unbekanntes Format „%1“: text, csv oder netbox").arg(*gelesen.format);
        return {};
    }
    if (qtOptionenMitWert.contains(name)) {
        if (!wert())
            return QStringLiteral("der Option „%1“ fehlt ihr Wert").arg(geschrieben);
        return {};
    }
    if (qtSchalter.contains(name) && !angehaengt)
        return {};
    return QStringLiteral("unbekannte Option „%1“").arg(argument);
}

// The options checked against each other: the German fault, or nothing.
QString pruefe(const Gelesen& gelesen, Aufruf& aufruf)
{
    if (gelesen.zusammenfassen && gelesen.plan)
        return QStringLiteral("„--zusammenfassen“ und „--plan“ lassen sich nicht zusammen angeben");
    if (gelesen.format && !gelesen.plan)
        return QStringLiteral("„--format“ gilt nur mit „--plan“");
    if (gelesen.zusammenfassen) {
        aufruf.art = Aufruf::Art::zusammenfassen;
        aufruf.dateien = gelesen.dateien.isEmpty() ? QStringList{QStringLiteral("-")} : gelesen.dateien;
        return {};
    }
    if (gelesen.plan) {
        if (!gelesen.dateien.isEmpty())
            return QStringLiteral("überzähliges Argument „%1“: „--plan“ liest nur eine Datei")
                .arg(gelesen.dateien.first());
        aufruf.art = Aufruf::Art::plan;
        aufruf.plandatei = *gelesen.plan;
        aufruf.format = gelesen.format.value_or(QStringLiteral("text"));
        return {};
    }
    if (gelesen.dateien.size() > 1)
        return QStringLiteral("überzähliges Argument „%1“: es lässt sich nur eine Datei öffnen")
            .arg(gelesen.dateien.at(1));
    if (!gelesen.dateien.isEmpty())
        aufruf.plandatei = gelesen.dateien.first();
    return {};
}

} // namespace

QStringList rohargumente(int argc, char* argv[])
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    return argumente;
}

Aufruf liesAufruf(const QStringList& argumente)
{
    const QString programm = befehl(argumente);
    Gelesen gelesen;
    Aufruf aufruf;
    QString fehler;
    bool nurDateien = false;
    for (qsizetype i = 1; i < argumente.size() && fehler.isEmpty(); ++i) {
        const QString& argument = argumente.at(i);
        if (!nurDateien && argument == QLatin1String("--"))
            nurDateien = true;
        else if (nurDateien || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            gelesen.dateien << argument;
        else
            fehler = leseOption(argumente, i, gelesen);
    }
    if (fehler.isEmpty())
        fehler = pruefe(gelesen, aufruf);
    if (!fehler.isEmpty()) {
        schreibe(stderr, QStringLiteral("%1: %2\n„%1 --help“ gibt weitere Informationen.\n").arg(programm, fehler));
        return ende(2);
    }
    if (gelesen.hilfe) {
        schreibe(stdout, hilfetext(programm));
        return ende(0);
    }
    if (gelesen.version) {
        schreibe(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
        return ende(0);
    }
    return aufruf;
}

} // namespace netzplaner
