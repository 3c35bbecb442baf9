// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QTest>

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

    QTest::newRow("help") << QStringList{"--help"} << 0 << "  -h, --help  Zeigt diese Hilfe an.\n";
    QTest::newRow("version after a Qt option") << QStringList{"-platform", "offscreen", "--version"} << 0
                                               << "Netzplaner " NETZPLANER_VERSION "\n";
    QTest::newRow("unknown option") << QStringList{"--farbe"} << 1
                                    << "netzplaner: unbekannte Option „--farbe“\n"
                                       "„netzplaner --help“ gibt weitere Informationen.\n";
    QTest::newRow("value for a switch") << QStringList{"--version=2"} << 1
                                        << "netzplaner: die Option „--version“ nimmt keinen Wert an\n";
    QTest::newRow("second file, after --") << QStringList{"--", "--help", "b.adressplan"} << 1
                                           << "netzplaner: überzähliges Argument „b.adressplan“";
}

void TstBefehlszeile::aufruf()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, text);

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("DISPLAY"));
    umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // Help and version answer before the program looks for a display; xcb,
    // finding none, would abort it. A wrong call is told once Qt has taken
    // its own options, which needs a platform.
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), status == 0 ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
    QProcess programm;
    programm.setProcessEnvironment(umgebung);
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
