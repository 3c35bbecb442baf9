// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "tests/hilfen/prozess.h"

// Installs the build into a temporary root, as a package build does, and
// checks what a desktop finds there.
class TstInstallation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void genauDieseDateien();
    void symbolIstDasFensterbild();
    void desktopEintrag();
    void metainfo();
    void dateitypDerPlaene();
    void pruefprogramme_data();
    void pruefprogramme();
    void quellinstallationBleibtEntfernbar();
    void jedeQuelleNenntIhreLizenz();

private:
    static QString kennung() { return QStringLiteral(NETZPLANER_KENNUNG); }
    QString pfad(const QString& relativ) const { return wurzel_.filePath(QStringLiteral("usr/") + relativ); }
    QString desktopDatei() const { return pfad(QStringLiteral("share/applications/%1.desktop").arg(kennung())); }
    QString metainfoDatei() const { return pfad(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kennung())); }

    QTemporaryDir wurzel_;
    QByteArray liste_;
};

void TstInstallation::initTestCase()
{
    QVERIFY(wurzel_.isValid());
    liste_ = installationsliste(QStringLiteral(BAU_VERZEICHNIS));
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("DESTDIR"), wurzel_.path());
    // The program's own component keeps its list of files apart from the one
    // a source install leaves for its removal.
    fuehreAus(QStringLiteral(CMAKE_BEFEHL),
              {QStringLiteral("--install"), QStringLiteral(BAU_VERZEICHNIS), QStringLiteral("--prefix"),
               QStringLiteral("/usr"), QStringLiteral("--component"), QStringLiteral("netzplaner")},
              nullptr, umgebung);
}

void TstInstallation::genauDieseDateien()
{
    QStringList installiert;
    QDirIterator alle(wurzel_.path(), QDir::Files, QDirIterator::Subdirectories);
    while (alle.hasNext())
        installiert << QDir(wurzel_.path()).relativeFilePath(alle.next());
    installiert.sort();

    const QStringList erwartet = {
        QStringLiteral("usr/bin/netzplaner"),
        QStringLiteral("usr/share/applications/%1.desktop").arg(kennung()),
        QStringLiteral("usr/share/bash-completion/completions/netzplaner"),
        QStringLiteral("usr/share/doc/netzplaner/changelog.gz"),
        QStringLiteral("usr/share/doc/netzplaner/copyright"),
        QStringLiteral("usr/share/icons/hicolor/32x32/apps/%1.png").arg(kennung()),
        QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(kennung()),
        QStringLiteral("usr/share/man/de/man1/netzplaner.1.gz"),
        QStringLiteral("usr/share/man/man1/netzplaner.1.gz"),
        QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kennung()),
        QStringLiteral("usr/share/mime/packages/%1.xml").arg(kennung()),
    };
    // Nothing more either: no build tools, no tests.
    QCOMPARE(installiert, erwartet);
    QVERIFY(QFileInfo(pfad(QStringLiteral("bin/netzplaner"))).isExecutable());
}

void TstInstallation::symbolIstDasFensterbild()
{
    const QImage symbol(pfad(QStringLiteral("share/icons/hicolor/32x32/apps/%1.png").arg(kennung())));
    const QImage fensterbild(QStringLiteral(QUELL_VERZEICHNIS "/toolkit/bilder/augen_offen.xpm"));
    QCOMPARE(symbol.size(), QSize(32, 32));
    QCOMPARE(symbol.convertToFormat(QImage::Format_ARGB32), fensterbild.convertToFormat(QImage::Format_ARGB32));

    QFile svg(pfad(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kennung())));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));
}

void TstInstallation::desktopEintrag()
{
    QFile datei(desktopDatei());
    QVERIFY(datei.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<QString, QString> eintrag;
    for (const QString& zeile : QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n')))
        if (const qsizetype gleich = zeile.indexOf(QLatin1Char('=')); gleich > 0)
            eintrag.insert(zeile.left(gleich), zeile.mid(gleich + 1));

    QCOMPARE(eintrag.value(QStringLiteral("Name")), QStringLiteral("Netzplaner"));
    QCOMPARE(eintrag.value(QStringLiteral("Categories")), QStringLiteral("Network;Utility;"));
    QVERIFY(eintrag.value(QStringLiteral("Comment")).contains(QStringLiteral("Supernetze")));
    // What the entry names must be there.
    QCOMPARE(eintrag.value(QStringLiteral("Icon")), kennung());
    QVERIFY(QFileInfo::exists(pfad(QStringLiteral("bin/") + eintrag.value(QStringLiteral("TryExec")))));
    // A file manager hands over the plan file it opens with the entry.
    QCOMPARE(eintrag.value(QStringLiteral("Exec")), QStringLiteral("netzplaner %f"));
    QCOMPARE(eintrag.value(QStringLiteral("MimeType")), QStringLiteral("application/x-netzplaner-adressplan;"));
    // X11 window managers match the window's class, "Netzplaner", to the entry.
    QCOMPARE(eintrag.value(QStringLiteral("StartupWMClass")), QStringLiteral("Netzplaner"));
    // What people type into a launcher to find a subnet calculator.
    const QStringList schluessel = eintrag.value(QStringLiteral("Keywords")).split(QLatin1Char(';'));
    for (const char* wort : {"Subnetz", "Netzmaske", "IP", "CIDR", "Broadcast", "Supernetz"})
        QVERIFY2(schluessel.contains(QLatin1String(wort)), wort);
}

void TstInstallation::metainfo()
{
    QFile datei(metainfoDatei());
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QMap<QString, QString> felder;
    QStringList versionen;
    QStringList schluessel;
    QXmlStreamReader xml(&datei);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        const auto attribute = xml.attributes();
        if (name == QLatin1String("release"))
            versionen << attribute.value(QLatin1String("version")).toString() + QLatin1Char(' ')
                             + attribute.value(QLatin1String("date")).toString();
        else if (name == QLatin1String("content_rating"))
            felder.insert(name, attribute.value(QLatin1String("type")).toString());
        else if (name == QLatin1String("keyword"))
            schluessel << attribute.value(QLatin1String("xml:lang")).toString() + xml.readElementText();
        else if (name == QLatin1String("id") || name == QLatin1String("launchable") || name == QLatin1String("image")
                 || name == QLatin1String("developer_name") || name == QLatin1String("binary")
                 || name == QLatin1String("mediatype")
                 || name == QLatin1String("project_license"))
            felder.insert(name, xml.readElementText());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    QCOMPARE(felder.value(QStringLiteral("id")), kennung());
    QCOMPARE(felder.value(QStringLiteral("launchable")), kennung() + QStringLiteral(".desktop"));
    QCOMPARE(felder.value(QStringLiteral("developer_name")), QStringLiteral("Quendelwerk"));
    QCOMPARE(felder.value(QStringLiteral("binary")), QStringLiteral("netzplaner"));
    QCOMPARE(felder.value(QStringLiteral("mediatype")), QStringLiteral("application/x-netzplaner-adressplan"));
    QCOMPARE(felder.value(QStringLiteral("project_license")), QStringLiteral("GPL-3.0-or-later"));
    QCOMPARE(felder.value(QStringLiteral("content_rating")), QStringLiteral("oars-1.1"));
    QCOMPARE(felder.value(QStringLiteral("image")), QStringLiteral("http://netzplaner.quendelwerk.example/bildschirmfoto.png"));
    QCOMPARE(versionen, QStringList{QStringLiteral(NETZPLANER_VERSION " 2026-12-07")});
    // Untagged, like every text of the file: German is the program's language.
    for (const char* wort : {"Subnetz", "Netzmaske", "IP", "CIDR", "Broadcast", "Supernetz"})
        QVERIFY2(schluessel.contains(QLatin1String(wort)), qPrintable(schluessel.join(", ")));
}

void TstInstallation::dateitypDerPlaene()
{
    // Read from the installed tree alone, as a file manager reads the folders
    // that XDG_DATA_DIRS names.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(pfad(QStringLiteral("share"))));
    const QMimeType typ = QMimeDatabase().mimeTypeForFile(QStringLiteral("Standort Nord.adressplan"),
                                                          QMimeDatabase::MatchExtension);
    QCOMPARE(typ.name(), QStringLiteral("application/x-netzplaner-adressplan"));
    QVERIFY(typ.inherits(QStringLiteral("application/json")));
}

void TstInstallation::pruefprogramme_data()
{
    QTest::addColumn<QString>("programm");
    QTest::addColumn<QStringList>("argumente");

    QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{desktopDatei()};
    // It fails on warnings as on errors; only infos and pedantic notes pass.
    QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net", "--pedantic", metainfoDatei()};
    // The metainfo together with the desktop entry and icon it points to.
    QTest::newRow("installed tree") << "appstreamcli" << QStringList{"validate-tree", "--no-net", "--pedantic", wurzel_.path()};
}

void TstInstallation::pruefprogramme()
{
    QFETCH(QString, programm);
    QFETCH(QStringList, argumente);
    fuehreAus(programm, argumente);
}

void TstInstallation::quellinstallationBleibtEntfernbar()
{
    // Installing into /usr here must not leave /usr paths in the list that
    // removing a source install deletes: they belong to the Debian package.
    QCOMPARE(installationsliste(QStringLiteral(BAU_VERZEICHNIS)), liste_);
}

void TstInstallation::jedeQuelleNenntIhreLizenz()
{
    // The packaged copyright file states the licence for all files; each
    // source says it too, at its top, for whoever copies one out.
    const QString quellen = QStringLiteral(QUELL_VERZEICHNIS);
    QStringList ohne;
    QDirIterator alle(quellen, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("CMakeLists.txt")},
                      QDir::Files, QDirIterator::Subdirectories);
    while (alle.hasNext()) {
        const QString datei = alle.next();
        const QString relativ = QDir(quellen).relativeFilePath(datei);
        if (relativ.startsWith(QLatin1String("build")) || relativ.startsWith(QLatin1Char('.')))
            continue;
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        if (!f.read(200).contains("SPDX-License-Identifier: GPL-3.0-or-later"))
            ohne << relativ;
    }
    QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(TstInstallation)
#include "tst_installation.moc"
