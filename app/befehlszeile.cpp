// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/befehlszeile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <cstdio>

namespace netzplaner {

namespace {

const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Zeigt diese Hilfe an."));
const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Zeigt die Versionsnummer an."));

void richteEin(QCommandLineParser& parser)
{
    // As every Qt program reads -platform or -style: "-help" is --help,
    // and single letters are never run together.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({hilfe, version});
}

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

QString optionsname(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString hilfetext(const QString& programm)
{
    QString text = QStringLiteral("Aufruf: %1 [OPTION] [DATEI]\n"
                                  "Berechnet Sub- und Supernetze für IPv4-Adressen und plant die Adressen\n"
                                  "eines Netzes. Mit DATEI, einem Adressplan (*.adressplan), öffnet es\n"
                                  "diesen beim Start im Fenster „Adressplan“.\n\n"
                                  "Optionen:\n")
                       .arg(programm);
    for (const QCommandLineOption& option : {hilfe, version}) {
        QStringList namen;
        for (const QString& name : option.names())
            namen << optionsname(name);
        text += QStringLiteral("  %1  %2\n").arg(namen.join(QStringLiteral(", ")), -10).arg(option.description());
    }
    return text + QStringLiteral("\nDazu versteht es die Optionen jedes Qt-Programms, etwa -platform.\n");
}

// Qt's own error texts are English; this names the first option at fault
// in German, or nothing. Before Qt has taken its own options, unknown ones
// are passed over.
QString optionsfehler(const QStringList& argumente, bool fremdeUebergehen)
{
    for (const QString& argument : argumente.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        const qsizetype gleich = argument.indexOf(QLatin1Char('='));
        const QString name = argument.left(gleich);
        QString ohneStriche = name;
        while (ohneStriche.startsWith(QLatin1Char('-')))
            ohneStriche.remove(0, 1);
        if (!hilfe.names().contains(ohneStriche) && !version.names().contains(ohneStriche)) {
            if (!fremdeUebergehen)
                return QStringLiteral("unbekannte Option „%1“").arg(argument);
        } else if (gleich >= 0) {
            return QStringLiteral("die Option „%1“ nimmt keinen Wert an").arg(name);
        }
    }
    return {};
}

Aufruf falscherAufruf(const QString& programm, const QString& fehler)
{
    schreibe(stderr, QStringLiteral("%1: %2\n„%1 --help“ gibt weitere Informationen.\n").arg(programm, fehler));
    return {std::nullopt, 1};
}

} // namespace

QStringList rohargumente(int argc, char* argv[])
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    return argumente;
}

std::optional<int> beantworteAuskunft(const QStringList& argumente)
{
    QCommandLineParser parser;
    richteEin(parser);
    // Qt's options are unknown here and make the parse fail; what it found
    // of ours is still set.
    parser.parse(argumente);
    if (!optionsfehler(argumente, true).isEmpty())
        return std::nullopt; // told once Qt has taken its options
    if (parser.isSet(hilfe)) {
        schreibe(stdout, hilfetext(befehl(argumente)));
        return 0;
    }
    if (parser.isSet(version)) {
        schreibe(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

Aufruf liesAufruf(const QStringList& argumente)
{
    QCommandLineParser parser;
    richteEin(parser);
    const QString programm = befehl(argumente);
    if (!parser.parse(argumente)) {
        const QString fehler = optionsfehler(argumente, false);
        return falscherAufruf(programm, fehler.isEmpty() ? QStringLiteral("fehlerhafter Aufruf") : fehler);
    }
    const QStringList dateien = parser.positionalArguments();
    if (dateien.size() > 1)
        return falscherAufruf(programm, QStringLiteral("überzähliges Argument „%1“: es lässt sich nur eine "
                                                       "Datei öffnen")
                                            .arg(dateien.at(1)));
    if (dateien.isEmpty())
        return {};
    return {dateien.first(), std::nullopt};
}

} // namespace netzplaner
