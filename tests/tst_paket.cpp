// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "tests/hilfen/prozess.h"

// Packs the build as the Debian package users install, and reads back what
// apt will see of it.
class TstPaket : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void kopfdaten_data();
    void kopfdaten();
    void abhaengigkeiten_data();
    void abhaengigkeiten();
    void inhalt();
    void changelogNenntDieseVersion();
    void lintianOhneFehlerUndWarnungen();
    void quellinstallationBleibtEntfernbar();

private:
    QString feld(const char* name)
    {
        QByteArray wert;
        fuehreAus(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), paket_, QLatin1String(name)}, &wert);
        return QString::fromUtf8(wert).trimmed();
    }

    QTemporaryDir ablage_;
    QString paket_;
    QByteArray liste_;
};

void TstPaket::initTestCase()
{
    QVERIFY(ablage_.isValid());
    liste_ = installationsliste(QStringLiteral(BAU_VERZEICHNIS));
    fuehreAus(QStringLiteral("cpack"), {QStringLiteral("--config"), QStringLiteral(BAU_VERZEICHNIS "/CPackConfig.cmake"),
                                        QStringLiteral("-B"), ablage_.path()});
    const QStringList pakete = QDir(ablage_.path()).entryList({QStringLiteral("netzplaner_*.deb")}, QDir::Files);
    QCOMPARE(pakete.size(), 1);
    paket_ = QDir(ablage_.path()).filePath(pakete.first());
    QVERIFY2(pakete.first().startsWith(QStringLiteral("netzplaner_" NETZPLANER_VERSION "_")), qPrintable(paket_));
}

void TstPaket::kopfdaten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("wert");

    QTest::newRow("package") << "Package" << "netzplaner";
    QTest::newRow("version") << "Version" << NETZPLANER_VERSION;
    QTest::newRow("section") << "Section" << "net";
    QTest::newRow("homepage") << "Homepage" << "http://netzplaner.quendelwerk.example/";
    QTest::newRow("maintainer") << "Maintainer" << "Quendelwerk <netzplaner@quendelwerk.example>";
    // The first line of the description is the program's file description.
    QTest::newRow("synopsis") << "Description" << QString::fromUtf8(BESCHREIBUNG);
}

void TstPaket::kopfdaten()
{
    QFETCH(QString, name);
    QFETCH(QString, wert);
    QCOMPARE(feld(qPrintable(name)).section(QLatin1Char('\n'), 0, 0), wert);
}

void TstPaket::abhaengigkeiten_data()
{
    QTest::addColumn<QString>("paket");

    // Found by dpkg-shlibdeps in the program's links.
    QTest::newRow("Qt Widgets") << "libqt6widgets6";
    QTest::newRow("C++ library") << "libstdc++6";
    // Loaded at run time, invisible to the linker.
    QTest::newRow("platform plugins") << "qt6-qpa-plugins";
    QTest::newRow("German Qt texts") << "qt6-translations-l10n";
    QTest::newRow("Liberation Sans") << "fonts-liberation2";
}

void TstPaket::abhaengigkeiten()
{
    QFETCH(QString, paket);
    QStringList namen;
    for (const QString& eintrag : feld("Depends").split(QLatin1Char(',')))
        namen << eintrag.trimmed().section(QLatin1Char(' '), 0, 0);
    QVERIFY2(namen.contains(paket), qPrintable(namen.join(", ")));
}

void TstPaket::inhalt()
{
    QByteArray liste;
    fuehreAus(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), paket_}, &liste);
    QStringList dateien;
    for (const QString& zeile : QString::fromUtf8(liste).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString pfad = zeile.section(QLatin1Char(' '), -1);
        if (!pfad.endsWith(QLatin1Char('/')))
            dateien << pfad;
    }
    dateien.sort();
    const QString id = QStringLiteral(NETZPLANER_KENNUNG);
    QCOMPARE(dateien, (QStringList{
                          QStringLiteral("./usr/bin/netzplaner"),
                          QStringLiteral("./usr/share/applications/%1.desktop").arg(id),
                          QStringLiteral("./usr/share/bash-completion/completions/netzplaner"),
                          QStringLiteral("./usr/share/doc/netzplaner/changelog.gz"),
                          QStringLiteral("./usr/share/doc/netzplaner/copyright"),
                          QStringLiteral("./usr/share/icons/hicolor/32x32/apps/%1.png").arg(id),
                          QStringLiteral("./usr/share/icons/hicolor/scalable/apps/%1.svg").arg(id),
                          QStringLiteral("./usr/share/man/de/man1/netzplaner.1.gz"),
                          QStringLiteral("./usr/share/man/man1/netzplaner.1.gz"),
                          QStringLiteral("./usr/share/metainfo/%1.metainfo.xml").arg(id),
                          QStringLiteral("./usr/share/mime/packages/%1.xml").arg(id),
                      }));
}

void TstPaket::changelogNenntDieseVersion()
{
    // lintian does not compare the two; a new version needs its own entry.
    const QString ordner = ablage_.filePath(QStringLiteral("entpackt"));
    fuehreAus(QStringLiteral("dpkg-deb"), {QStringLiteral("--extract"), paket_, ordner});
    QByteArray text;
    fuehreAus(QStringLiteral("gzip"), {QStringLiteral("-dc"), ordner + QStringLiteral("/usr/share/doc/netzplaner/changelog.gz")},
              &text);
    QCOMPARE(QString::fromUtf8(text.left(text.indexOf('\n'))),
             QStringLiteral("netzplaner (" NETZPLANER_VERSION ") unstable; urgency=medium"));
}

void TstPaket::lintianOhneFehlerUndWarnungen()
{
    // Infos are choices, not faults: the synopsis is the program's own
    // sentence, the program binds lazily like Debian's default build, and the
    // English manual page names the German menu "Programm".
    fuehreAus(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), paket_});
}

void TstPaket::quellinstallationBleibtEntfernbar()
{
    // cpack installs into a staging tree with the prefix /usr; its list of
    // files must not take the place of a source install's.
    QCOMPARE(installationsliste(QStringLiteral(BAU_VERZEICHNIS)), liste_);
}

QTEST_GUILESS_MAIN(TstPaket)
#include "tst_paket.moc"
