// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "adressplan/plandatei.h"
#include "toolkit/ganzlesen.h"

using namespace netzplaner;

namespace {

// "netz|rfc3021|name=hosts,name=" for an accepted file, or the refusal.
QString gelesen(const std::variant<Plandokument, QString>& ergebnis)
{
    if (const auto* fehler = std::get_if<QString>(&ergebnis))
        return *fehler;
    const auto& dokument = std::get<Plandokument>(ergebnis);
    QStringList bedarf;
    for (const Bedarf& b : dokument.bedarf)
        bedarf << QString::fromStdString(b.name) + QLatin1Char('=') + (b.hosts ? QString::number(*b.hosts) : QString());
    return dokument.netz + QLatin1Char('|') + QString::number(dokument.rfc3021) + QLatin1Char('|') + bedarf.join(QLatin1Char(','));
}

const Plandokument beispiel{QStringLiteral("10.20.0.0/22"), true,
                            {{"Vertrieb \"Nord\" ä", 200}, {"", std::nullopt}, {"WAN", hoechsteHosts}}};

} // namespace

class TstPlandatei : public QObject {
    Q_OBJECT

private slots:
    void lesePlan_data();
    void lesePlan();
    void bleibtBeimSpeichernUndOeffnenGleich();
    void misslungenesSpeichernLaesstAlteDatei();
    void liestHoechstens10MiB();
    void geraetedateiWirdAbgewiesen_data();
    void geraetedateiWirdAbgewiesen();
};

void TstPlandatei::lesePlan_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("erwartet");

    const QByteArray kopf = R"("format": "netzplaner-adressplan", "version": 1, "netz": "10.20.1.7/22")";
    QTest::newRow("least") << "{" + kopf + "}" << "10.20.1.7/22|0|";
    QTest::newRow("unknown keys, 2e2, null, no name") << "{" + kopf + R"(, "farbe": 1, "rfc3021": true,
        "bedarf": [{"name": "Büro", "hosts": 2e2, "etage": 3}, {"hosts": null}]})" << "10.20.1.7/22|1|Büro=200,=";
    QTest::newRow("no JSON") << QByteArray("{\"format\": ") << "Die Datei ist kein gültiges JSON (Fehler bei Byte 11)";
    QTest::newRow("an array") << QByteArray("[]") << "Die Datei ist kein Adressplan von Netzplaner (kein JSON-Objekt)";
    QTest::newRow("other format") << QByteArray(R"({"format": "netzplaner", "version": 1, "netz": "10.0.0.0/8"})")
        << "Die Datei ist kein Adressplan von Netzplaner (\"format\" fehlt oder stimmt nicht)";
    QTest::newRow("no version") << QByteArray(R"({"format": "netzplaner-adressplan", "netz": "10.0.0.0/8"})")
        << "\"version\" muss eine ganze Zahl ab 1 sein";
    QTest::newRow("newer version") << QByteArray(R"({"format": "netzplaner-adressplan", "version": 2})")
        << "Die Datei braucht eine neuere Version von Netzplaner (Dateiformat 2; diese liest Dateiformat 1)";
    QTest::newRow("bad net") << QByteArray(R"({"format": "netzplaner-adressplan", "version": 1, "netz": "10.0.0.0/33"})")
        << "Netz: Die Präfixlänge nach „/“ muss eine Zahl von 0 bis 32 sein";
    QTest::newRow("rfc3021 a text") << "{" + kopf + R"(, "rfc3021": "ja"})" << "\"rfc3021\" muss true oder false sein";
    QTest::newRow("bedarf an object") << "{" + kopf + R"(, "bedarf": {}})" << "\"bedarf\" muss eine Liste sein";
    QTest::newRow("entry a number") << "{" + kopf + R"(, "bedarf": [{"hosts": 1}, 5]})"
        << "Eintrag 2: ist kein Objekt mit Name und Hosts";
    QTest::newRow("name a number") << "{" + kopf + R"(, "bedarf": [{"name": 5, "hosts": 1}]})" << "Eintrag 1: Name muss ein Text sein";
    QTest::newRow("control character") << "{" + kopf + R"(, "bedarf": [{"hosts": 1}, {"name": "a\u007fb", "hosts": 1}]})"
        << "Eintrag 2: Name enthält ein Steuerzeichen (U+007F)";
    QTest::newRow("no hosts") << "{" + kopf + R"(, "bedarf": [{"name": "a"}]})" << "Eintrag 1: Hosts fehlt (null für noch nicht geplant)";
    for (const char* hosts : {"0", "2147483647", "1.5", "\"5\"", "true"})
        QTest::addRow("hosts %s", hosts) << "{" + kopf + R"(, "bedarf": [{"hosts": 1}, {"hosts": 2}, {"hosts": )" + hosts + "}]}"
            << "Eintrag 3: Hosts muss eine ganze Zahl von 1 bis 2147483646 sein";
}

void TstPlandatei::lesePlan()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, erwartet);
    QCOMPARE(gelesen(netzplaner::lesePlan(json)), erwartet);
}

void TstPlandatei::bleibtBeimSpeichernUndOeffnenGleich()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("standort.adressplan"));
    QCOMPARE(speicherePlan(pfad, beispiel), std::nullopt);
    const auto geoeffnet = oeffnePlan(pfad);
    QCOMPARE(gelesen(geoeffnet), gelesen(beispiel));
    QVERIFY(std::get<Plandokument>(geoeffnet) == beispiel);
    QCOMPARE(gelesen(oeffnePlan(ordner.filePath(QStringLiteral("fehlt")))),
             QStringLiteral("„%1“: Die Datei gibt es nicht").arg(ordner.filePath(QStringLiteral("fehlt"))));
}

void TstPlandatei::misslungenesSpeichernLaesstAlteDatei()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("plan.adressplan"));
    QCOMPARE(speicherePlan(pfad, beispiel), std::nullopt);
    // root writes into read-only folders too, but not into immutable ones.
    const bool root = geteuid() == 0;
    const auto sperre = [&](bool an) {
        if (root)
            return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(an ? "+i" : "-i"), ordner.path()}) == 0;
        return QFile::setPermissions(ordner.path(), an ? QFile::ReadOwner | QFile::ExeOwner
                                                       : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    if (!sperre(true))
        QSKIP("chattr +i is not supported here");
    const auto grund = speicherePlan(pfad, Plandokument{QStringLiteral("10.0.0.0/8"), false, {}});
    sperre(false);
    QCOMPARE(grund, QStringLiteral("Im Ordner „%1“ lässt sich keine Datei anlegen. Die vorhandene Datei ist unverändert.")
                        .arg(ordner.path()));
    QCOMPARE(gelesen(oeffnePlan(pfad)), gelesen(beispiel));
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plan.adressplan"});
}

void TstPlandatei::liestHoechstens10MiB()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.adressplan"));
    QByteArray inhalt = schreibePlan(beispiel);
    inhalt += QByteArray(hoechsteDateigroesse - inhalt.size(), ' ');
    for (const bool zuGross : {false, true}) {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt + QByteArray(zuGross, ' ')) == inhalt.size() + zuGross);
        datei.close();
        QCOMPARE(gelesen(oeffnePlan(pfad)), zuGross ? QStringLiteral("„%1“: Die Datei ist größer als 10 MiB und wird nicht gelesen").arg(pfad)
                                                    : gelesen(beispiel));
    }
}

void TstPlandatei::geraetedateiWirdAbgewiesen_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("grund");
    QTest::newRow("endless device") << "/dev/zero" << "Das ist keine gewöhnliche Datei";
    QTest::newRow("pipe without writer") << "fifo" << "Das ist keine gewöhnliche Datei";
    QTest::newRow("folder") << "." << "Das ist ein Ordner, keine Datei";
    QTest::newRow("missing") << "fehlt" << "Die Datei gibt es nicht";
}

// Refused at once: neither waiting for a pipe's writer nor reading without end.
void TstPlandatei::geraetedateiWirdAbgewiesen()
{
    QFETCH(QString, pfad);
    QFETCH(QString, grund);
    QTemporaryDir ordner;
    QVERIFY(mkfifo(QFile::encodeName(ordner.filePath(QStringLiteral("fifo"))).constData(), 0600) == 0);
    if (!pfad.startsWith(QLatin1Char('/')))
        pfad = QDir(ordner.path()).absoluteFilePath(pfad);
    QCOMPARE(gelesen(oeffnePlan(pfad)), QStringLiteral("„%1“: %2").arg(pfad, grund));
    QVERIFY(std::holds_alternative<QString>(oeffneZumLesen(pfad, Lesequelle::nurDateien)));
}

QTEST_GUILESS_MAIN(TstPlandatei)
#include "tst_plandatei.moc"
