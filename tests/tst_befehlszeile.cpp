// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QTest>

#include "tests/hilfen/ohneanzeige.h"

// Starts the built program as a shell or a file manager starts it.
class TstBefehlszeile : public QObject {
    Q_OBJECT

private slots:
    void aufruf_data();
    void aufruf();
    void fehlendePlandateiZeigtDasHauptfenster();
};

void TstBefehlszeile::aufruf_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text"); // on stdout after success, on stderr after failure

    QTest::newRow("help") << QStringList{"--help"} << 0 << "  -h, --help            Zeigt diese Hilfe an.\n";
    QTest::newRow("version after a Qt option") << QStringList{"-platform", "offscreen", "--version"} << 0
                                               << "Netzplaner " NETZPLANER_VERSION "\n";
    QTest::newRow("unknown option") << QStringList{"--farbe"} << 2
                                    << "netzplaner: unbekannte Option „--farbe“\n"
                                       "„netzplaner --help“ gibt weitere Informationen.\n";
    QTest::newRow("value for a switch") << QStringList{"--version=2"} << 2
                                        << "netzplaner: die Option „--version“ nimmt keinen Wert an\n";
    QTest::newRow("second file, after --") << QStringList{"--", "--help", "b.adressplan"} << 2
                                           << "netzplaner: überzähliges Argument „b.adressplan“";
    QTest::newRow("help shows both commands") << QStringList{"-help"} << 0
                                              << "  netzplaner --plan standort.adressplan --format netbox > prefixes.csv\n";
    QTest::newRow("plan without its file") << QStringList{"--plan"} << 2
                                           << "netzplaner: der Option „--plan“ fehlt die Plandatei\n";
    QTest::newRow("unknown format") << QStringList{"--plan", "a.adressplan", "--format=json"} << 2
                                    << "netzplaner: unbekanntes Format „json“: text, csv oder netbox\n";
    QTest::newRow("format without plan") << QStringList{"--zusammenfassen", "--format", "csv"} << 2
                                         << "netzplaner: „--format“ gilt nur mit „--plan“\n";
    QTest::newRow("both commands") << QStringList{"--plan", "a.adressplan", "--zusammenfassen"} << 2
                                   << "„--zusammenfassen“ und „--plan“ lassen sich nicht zusammen angeben";
    QTest::newRow("second plan file") << QStringList{"--plan", "a.adressplan", "b.adressplan"} << 2
                                      << "überzähliges Argument „b.adressplan“: „--plan“ liest nur eine Datei";
}

void TstBefehlszeile::aufruf()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, text);

    // Help, version and a wrong call are answered before the program looks
    // for a display; Qt, finding none, would abort it.
    QProcess programm;
    programm.setProcessEnvironment(ohneAnzeige());
    programm.start(QStringLiteral(PROGRAMM), argumente);
    QVERIFY(programm.waitForFinished(20000));
    const QString stdaus = QString::fromUtf8(programm.readAllStandardOutput());
    const QString stdfehler = QString::fromUtf8(programm.readAllStandardError());
    QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programm.exitCode(), status);
    QVERIFY2((status == 0 ? stdaus : stdfehler).contains(text), qPrintable(stdaus + stdfehler));
    QVERIFY2((status == 0 ? stdfehler : stdaus).isEmpty(), qPrintable(stdaus + stdfehler));
}

void TstBefehlszeile::fehlendePlandateiZeigtDasHauptfenster()
{
    // Seen as a desktop sees it: the main window mapped on an X server,
    // whatever becomes of the file.
    const QString skript = QStringLiteral("\"$0\" /gibt/es/nicht.adressplan & programm=$!\n"
                                          "timeout 20 xdotool search --sync --onlyvisible --name '^Netzplaner $'\n"
                                          "gefunden=$?; kill $programm; exit $gefunden");
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    umgebung.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    QProcess x;
    x.setProcessEnvironment(umgebung);
    x.setProcessChannelMode(QProcess::MergedChannels);
    x.start(QStringLiteral("xvfb-run"), {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24"),
                                         QStringLiteral("sh"), QStringLiteral("-c"), skript, QStringLiteral(PROGRAMM)});
    QVERIFY(x.waitForFinished(40000));
    QVERIFY2(x.exitCode() == 0, x.readAll().constData());
}

QTEST_GUILESS_MAIN(TstBefehlszeile)
#include "tst_befehlszeile.moc"
