// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/hilfen/ohneanzeige.h"

// The commands for scripts, run as a script runs them: with no display at all.
class TstBefehlszeileBefehle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void zusammenfassen_data();
    void zusammenfassen();
    void plan_data();
    void plan();

private:
    void lauf(QStringList argumente, const QByteArray& eingabe);

    QTemporaryDir ordner_;
};

// Files the rows name as "@/name".
static const QList<std::pair<const char*, QByteArray>> dateien = {
    {"netze.txt", "10.0.0.0/24\n10.0.1.0 - 10.0.1.255\n"},
    {"ohne.txt", "! 10.0.0.0/25\n"},
    {"fehler.txt", "192.168.1.1, 192.168.1.0\n\n192.168.1.2/31;192.168.1.300\n"},
    {"flach.adressplan", R"({"format": "netzplaner-adressplan", "version": 1, "netz": "10.1.0.0/24",
        "bedarf": [{"name": "Büro", "hosts": 50}, {"name": "Lager, \"Nord\"", "hosts": 20}, {"name": "=Gäste", "hosts": null}]})"},
    {"voll.adressplan", R"({"format": "netzplaner-adressplan", "version": 1, "netz": "10.1.0.0/28",
        "bedarf": [{"name": "Büro", "hosts": 50}]})"},
    {"ebenen.adressplan", R"({"format": "netzplaner-adressplan", "version": 2, "netz": "10.2.0.0/24", "bedarf": [
        {"name": "Nord", "hosts": null, "kinder": [{"name": "VLAN 10", "hosts": 50}, {"name": "=VLAN 20", "hosts": 20}]},
        {"name": "DMZ, \"extern\"", "hosts": null, "netz": "10.2.0.192/27"}]})"},
    {"kaputt.adressplan", "{"},
};

void TstBefehlszeileBefehle::initTestCase()
{
    QVERIFY(ordner_.isValid());
    for (const auto& [name, inhalt] : dateien) {
        QFile datei(ordner_.filePath(QString::fromLatin1(name)));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        QVERIFY(datei.write(inhalt) == inhalt.size());
    }
    QVERIFY(QDir(ordner_.path()).mkdir(QStringLiteral("ordner")));
}

void TstBefehlszeileBefehle::lauf(QStringList argumente, const QByteArray& eingabe)
{
    QFETCH(QByteArray, stdaus);
    QFETCH(QByteArray, stdfehler);
    QFETCH(int, status);
    for (QString& argument : argumente)
        argument.replace(QLatin1String("@/"), ordner_.path() + QLatin1Char('/'));
    QProcess programm;
    programm.setProcessEnvironment(ohneAnzeige());
    programm.start(QStringLiteral(PROGRAMM), argumente);
    QVERIFY(programm.waitForStarted());
    programm.write(eingabe);
    programm.closeWriteChannel();
    QVERIFY(programm.waitForFinished(20000));
    QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programm.readAllStandardOutput(), stdaus);
    QCOMPARE(programm.readAllStandardError().replace(ordner_.path().toLocal8Bit() + '/', "@/"), stdfehler);
    QCOMPARE(programm.exitCode(), status);
}

void TstBefehlszeileBefehle::zusammenfassen_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<QByteArray>("stdaus");
    QTest::addColumn<QByteArray>("stdfehler");
    QTest::addColumn<int>("status");

    const QStringList z{"--zusammenfassen"};
    QTest::newRow("stdin") << z << QByteArray("10.0.0.128/25\r\n10.0.0.0/255.255.255.128\t192.168.0.7\n")
                           << QByteArray("10.0.0.0/24\n192.168.0.7/32\n") << QByteArray() << 0;
    QTest::newRow("stdin, refused") << z << QByteArray("10.0.0.1\n\n10.0.0.256\n! \n10.0.0.2")
                                    << QByteArray("10.0.0.1/32\n10.0.0.2/32\n")
                                    << QByteArray("-:3: „10.0.0.256“ ist keine IPv4-Adresse\n-:4: „!“ nennt keine Adressen\n") << 1;
    QTest::newRow("stdin, empty") << z << QByteArray() << QByteArray() << QByteArray() << 0;
    QTest::newRow("exclusion from another file") << QStringList{"--zusammenfassen", "@/netze.txt", "@/ohne.txt"} << QByteArray()
                                                 << QByteArray("10.0.0.128/25\n10.0.1.0/24\n") << QByteArray() << 0;
    QTest::newRow("file and stdin") << QStringList{"--zusammenfassen", "@/ohne.txt", "-"} << QByteArray("10.0.0.0/23")
                                    << QByteArray("10.0.0.128/25\n10.0.1.0/24\n") << QByteArray() << 0;
    QTest::newRow("refused in a file") << QStringList{"--zusammenfassen", "@/netze.txt", "@/fehler.txt"} << QByteArray()
                                       << QByteArray("10.0.0.0/23\n192.168.1.0/30\n")
                                       << QByteArray("@/fehler.txt:3: „192.168.1.300“ ist keine IPv4-Adresse\n") << 1;
    // The test's stdin is a pipe: named, it is read like any file.
    QTest::newRow("named pipe") << QStringList{"--zusammenfassen", "/dev/stdin"} << QByteArray("10.0.0.0/8 x")
                                << QByteArray("10.0.0.0/8\n") << QByteArray("/dev/stdin:1: „x“ ist keine IPv4-Adresse\n") << 1;
    QTest::newRow("missing file") << QStringList{"--zusammenfassen", "@/netze.txt", "@/fehlt.txt"} << QByteArray()
                                  << QByteArray() << QByteArray("netzplaner: „@/fehlt.txt“: Die Datei gibt es nicht\n") << 2;
    QTest::newRow("folder") << QStringList{"--zusammenfassen", "@/ordner"} << QByteArray()
                            << QByteArray() << QByteArray("netzplaner: „@/ordner“: Das ist ein Ordner, keine Datei\n") << 2;
    QTest::newRow("device") << QStringList{"--zusammenfassen", "/dev/zero"} << QByteArray()
                            << QByteArray() << QByteArray("netzplaner: „/dev/zero“: Das ist keine gewöhnliche Datei\n") << 2;
}

void TstBefehlszeileBefehle::zusammenfassen()
{
    QFETCH(QStringList, argumente);
    QFETCH(QByteArray, eingabe);
    lauf(argumente, eingabe);
}

void TstBefehlszeileBefehle::plan_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QByteArray>("stdaus");
    QTest::addColumn<QByteArray>("stdfehler");
    QTest::addColumn<int>("status");

    QTest::newRow("text") << QStringList{"--plan", "@/flach.adressplan"}
        << QByteArray("Nr.  Name           Bedarf  Netz           Maske            Erster Host  Letzter Host  Broadcast   Hosts  Auslastung\n"
                      "1    Büro           50      10.1.0.0/26    255.255.255.192  10.1.0.1     10.1.0.62     10.1.0.63   62     81 %\n"
                      "2    Lager, \"Nord\"  20      10.1.0.64/27   255.255.255.224  10.1.0.65    10.1.0.94     10.1.0.95   30     67 %\n"
                      "     frei                   10.1.0.96/27   255.255.255.224  10.1.0.97    10.1.0.126    10.1.0.127  30\n"
                      "     frei                   10.1.0.128/25  255.255.255.128  10.1.0.129   10.1.0.254    10.1.0.255  126\n")
        << QByteArray() << 0;
    QTest::newRow("csv") << QStringList{"--plan=@/flach.adressplan", "--format", "csv"}
        << QByteArray("Nr.;Name;Bedarf;Netz;Maske;Erster Host;Letzter Host;Broadcast;Hosts;Auslastung\r\n"
                      "1;Büro;50;10.1.0.0/26;255.255.255.192;10.1.0.1;10.1.0.62;10.1.0.63;62;81 %\r\n"
                      "2;\"Lager, \"\"Nord\"\"\";20;10.1.0.64/27;255.255.255.224;10.1.0.65;10.1.0.94;10.1.0.95;30;67 %\r\n"
                      ";frei;;10.1.0.96/27;255.255.255.224;10.1.0.97;10.1.0.126;10.1.0.127;30;\r\n"
                      ";frei;;10.1.0.128/25;255.255.255.128;10.1.0.129;10.1.0.254;10.1.0.255;126;\r\n")
        << QByteArray() << 0;
    QTest::newRow("netbox") << QStringList{"--format=netbox", "--plan", "@/flach.adressplan"}
        << QByteArray("prefix,status,description\n"
                      "10.1.0.0/26,active,Büro\n"
                      "10.1.0.64/27,active,\"Lager, \"\"Nord\"\"\"\n")
        << QByteArray() << 0;
    // Levels and a fixed net: a group's row, then its children; the fixed net stays where it is.
    QTest::newRow("levels, text") << QStringList{"--plan", "@/ebenen.adressplan"}
        << QByteArray("Nr.  Name           Bedarf  Netz           Maske            Erster Host  Letzter Host  Broadcast   Hosts  Auslastung\n"
                      "1    Nord           70      10.2.0.0/25    255.255.255.128  10.2.0.1     10.2.0.126    10.2.0.127  126    75 %\n"
                      "1.1    VLAN 10      50      10.2.0.0/26    255.255.255.192  10.2.0.1     10.2.0.62     10.2.0.63   62     81 %\n"
                      "1.2    =VLAN 20     20      10.2.0.64/27   255.255.255.224  10.2.0.65    10.2.0.94     10.2.0.95   30     67 %\n"
                      "       frei                 10.2.0.96/27   255.255.255.224  10.2.0.97    10.2.0.126    10.2.0.127  30\n"
                      "2    DMZ, \"extern\"          10.2.0.192/27  255.255.255.224  10.2.0.193   10.2.0.222    10.2.0.223  30\n"
                      "     frei                   10.2.0.128/26  255.255.255.192  10.2.0.129   10.2.0.190    10.2.0.191  62\n"
                      "     frei                   10.2.0.224/27  255.255.255.224  10.2.0.225   10.2.0.254    10.2.0.255  30\n")
        << QByteArray() << 0;
    // A name a spreadsheet would run gets its "'" in the CSV; NetBox stores names as they are.
    QTest::newRow("levels, csv") << QStringList{"--plan", "@/ebenen.adressplan", "--format", "csv"}
        << QByteArray("Nr.;Name;Bedarf;Netz;Maske;Erster Host;Letzter Host;Broadcast;Hosts;Auslastung\r\n"
                      "1;Nord;70;10.2.0.0/25;255.255.255.128;10.2.0.1;10.2.0.126;10.2.0.127;126;75 %\r\n"
                      "1.1;VLAN 10;50;10.2.0.0/26;255.255.255.192;10.2.0.1;10.2.0.62;10.2.0.63;62;81 %\r\n"
                      "1.2;'=VLAN 20;20;10.2.0.64/27;255.255.255.224;10.2.0.65;10.2.0.94;10.2.0.95;30;67 %\r\n"
                      ";frei;;10.2.0.96/27;255.255.255.224;10.2.0.97;10.2.0.126;10.2.0.127;30;\r\n"
                      "2;\"DMZ, \"\"extern\"\"\";;10.2.0.192/27;255.255.255.224;10.2.0.193;10.2.0.222;10.2.0.223;30;\r\n"
                      ";frei;;10.2.0.128/26;255.255.255.192;10.2.0.129;10.2.0.190;10.2.0.191;62;\r\n"
                      ";frei;;10.2.0.224/27;255.255.255.224;10.2.0.225;10.2.0.254;10.2.0.255;30;\r\n")
        << QByteArray() << 0;
    QTest::newRow("levels, netbox") << QStringList{"--plan", "@/ebenen.adressplan", "--format", "netbox"}
        << QByteArray("prefix,status,description\n10.2.0.0/25,container,Nord\n10.2.0.0/26,active,VLAN 10\n"
                      "10.2.0.64/27,active,=VLAN 20\n10.2.0.192/27,active,\"DMZ, \"\"extern\"\"\"\n")
        << QByteArray() << 0;
    QTest::newRow("does not fit") << QStringList{"--plan", "@/voll.adressplan", "--format", "netbox"} << QByteArray()
        << QByteArray("netzplaner: Nr. 1 „Büro“ passt nicht in 10.1.0.0/28 (16 Adressen): der Bedarf von 64 Adressen braucht mindestens ein /26\n") << 1;
    QTest::newRow("refused file") << QStringList{"--plan", "@/kaputt.adressplan"} << QByteArray()
        << QByteArray("netzplaner: „@/kaputt.adressplan“: Die Datei ist kein gültiges JSON (Fehler bei Byte 1)\n") << 2;
}

void TstBefehlszeileBefehle::plan()
{
    QFETCH(QStringList, argumente);
    lauf(argumente, {});
}

QTEST_GUILESS_MAIN(TstBefehlszeileBefehle)
#include "tst_befehlszeile_befehle.moc"
