// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hilfen/prozess.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

void fuehreAus(const QString& programm, const QStringList& argumente, QByteArray* ausgabe,
               const QProcessEnvironment& umgebung)
{
    const QString gefunden = QStandardPaths::findExecutable(programm);
    QVERIFY2(!gefunden.isEmpty(), qPrintable(programm + QStringLiteral(" missing: run scripts/setup --tests")));
    QProcess prozess;
    prozess.setProcessEnvironment(umgebung);
    prozess.setProcessChannelMode(QProcess::MergedChannels);
    prozess.start(gefunden, argumente);
    QVERIFY2(prozess.waitForFinished(120000), qPrintable(programm + QStringLiteral(" did not finish")));
    const QByteArray text = prozess.readAll();
    if (ausgabe)
        *ausgabe = text;
    QVERIFY2(prozess.exitStatus() == QProcess::NormalExit && prozess.exitCode() == 0, text.constData());
}

QByteArray installationsliste(const QString& bauVerzeichnis)
{
    QFile liste(bauVerzeichnis + QStringLiteral("/install_manifest.txt"));
    return liste.open(QIODevice::ReadOnly) ? liste.readAll() : QByteArray();
}
