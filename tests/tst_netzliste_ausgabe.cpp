// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <unistd.h>

#include "tests/hilfen/netzlistetest.h"

// What leaves the net list: rows copied as a table, the list saved as CSV,
// and a save that fails told in a message box.
class TstNetzlisteAusgabe : public NetzlisteTest {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void kopiertZeilenMitKopfzeile();
    void speichertCsv_data();
    void speichertCsv();
    void meldetGescheitertesSpeichern_data();
    void meldetGescheitertesSpeichern();

private:
    // The file name comes from the test instead of the dialog.
    void speichereNach(const QString& pfad)
    {
        liste()->dateiwahl = [pfad](QWidget*, const QString&) { return pfad; };
        ::finde<QPushButton>(liste(), QStringLiteral("speichern"))->click();
    }
};

void TstNetzlisteAusgabe::kopiertZeilenMitKopfzeile()
{
    waehle(1, "2");
    QVERIFY(QTest::qWaitForWindowActive(oeffneListe()));
    QWidget* flaeche = tabelle()->viewport();
    const auto mitte = [this](int nr) { return tabelle()->visualRect(tabelle()->model()->index(nr, 1)).center(); };
    QTest::mouseClick(flaeche, Qt::LeftButton, {}, mitte(3));
    QTest::mouseClick(flaeche, Qt::LeftButton, Qt::ControlModifier, mitte(1));
    QTest::keyClick(liste()->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Nr.\tNetz\tErster Host\tLetzter Host\tBroadcast\tHosts\n"
                            "2\t192.168.4.64/26\t192.168.4.65\t192.168.4.126\t192.168.4.127\t62\n"
                            "4\t192.168.4.192/26\t192.168.4.193\t192.168.4.254\t192.168.4.255\t62\n"));

    QStringList texte;
    QTimer::singleShot(0, this, [&texte] { // inside the menu's own loop
        if (auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menue->actions())
                texte << a->text();
            menue->actions().constLast()->trigger();
            menue->close();
        }
    });
    QTest::mouseClick(liste()->windowHandle(), Qt::RightButton, {}, flaeche->mapTo(liste(), mitte(0)));
    QCOMPARE(texte, (QStringList{"Kopieren", "Alles kopieren"}));
    QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), 5);
}

void TstNetzlisteAusgabe::speichertCsv_data()
{
    QTest::addColumn<QString>("bitzahl"); // "Sub Netz"
    QTest::addColumn<QByteArray>("alt");  // a file already there
    QTest::addColumn<QByteArray>("anfang");
    QTest::addColumn<int>("zeilen");

    // Behind a byte order mark, so that a German spreadsheet reads "ä" as UTF-8.
    const QByteArray kopfzeile = "\xEF\xBB\xBFNr.;Netz;Erster Host;Letzter Host;Broadcast;Hosts\r\n";
    QTest::newRow("whole file") << "1" << QByteArray()
                                << kopfzeile + "1;192.168.4.0/25;192.168.4.1;192.168.4.126;192.168.4.127;126\r\n"
                                               "2;192.168.4.128/25;192.168.4.129;192.168.4.254;192.168.4.255;126\r\n"
                                << 2;
    QTest::newRow("replaces an old file, UTF-8")
        << "8" << QByteArray("alt\n") << kopfzeile + "1;192.168.4.0/32;192.168.4.0;192.168.4.0;entf\xC3\xA4llt;1\r\n"
        << 256;
}

void TstNetzlisteAusgabe::speichertCsv()
{
    QFETCH(QString, bitzahl);
    QFETCH(QByteArray, alt);
    QFETCH(QByteArray, anfang);
    QFETCH(int, zeilen);

    QTemporaryDir ordner;
    QFile datei(ordner.filePath(QStringLiteral("netze.csv")));
    QVERIFY(alt.isEmpty() || (datei.open(QIODevice::WriteOnly) && datei.write(alt) == alt.size()));
    datei.close();
    waehle(1, bitzahl);
    oeffneListe();
    speichereNach(datei.fileName());
    speichereNach(QString()); // cancelled: nothing written, nothing said
    QVERIFY(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    QCOMPARE(inhalt.left(anfang.size()), anfang);
    QCOMPARE(inhalt.count("\r\n"), zeilen + 1); // the last line ended too
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{"netze.csv"});
}

void TstNetzlisteAusgabe::meldetGescheitertesSpeichern_data()
{
    QTest::addColumn<QString>("ziel");  // "ordner", "gesperrter Ordner" or "schreibgeschützt"
    QTest::addColumn<QString>("grund"); // what the box says beside the file name
    QTest::newRow("a folder as target") << "ordner" << "ist ein Ordner, keine Datei.";
    // A new file: there is no older one to speak of.
    QTest::newRow("an unwritable folder") << "gesperrter Ordner" << "lässt sich keine Datei anlegen.";
    // The folder takes files: only the file itself is at fault, and it stays.
    QTest::newRow("a read-only file, named like markup")
        << "schreibgeschützt" << "ist schreibgeschützt. Die vorhandene Datei ist unverändert.";
}

void TstNetzlisteAusgabe::meldetGescheitertesSpeichern()
{
    QFETCH(QString, ziel);
    QFETCH(QString, grund);
    QTemporaryDir ordner;
    QString pfad = ordner.path();
    const bool root = geteuid() == 0;
    // root writes into read-only folders and files too, but not into immutable ones.
    const auto sperre = [root](const QString& was, bool an) {
        if (!root)
            return true;
        return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(an ? "+i" : "-i"), was}) == 0;
    };
    QString gesperrt;
    if (ziel == "gesperrter Ordner") {
        gesperrt = ordner.path();
        pfad = ordner.filePath(QStringLiteral("netze.csv"));
        QFile::setPermissions(gesperrt, QFile::ReadOwner | QFile::ExeOwner);
    } else if (ziel == "schreibgeschützt") {
        gesperrt = pfad = ordner.filePath(QStringLiteral("a<b>c.csv"));
        QFile alt(pfad);
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
        alt.close();
        QVERIFY(alt.setPermissions(QFile::ReadOwner));
    }
    if (!gesperrt.isEmpty() && !sperre(gesperrt, true))
        QSKIP("chattr +i is not supported here");
    oeffneListe();
    bool gemeldet = false;
    waechter->pruefeUndSchliesse([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        gemeldet = true;
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->text(), QStringLiteral("Die Datei „%1“ wurde nicht gespeichert.").arg(pfad));
        QVERIFY2(box->informativeText().endsWith(grund), qPrintable(box->informativeText()));
        for (const char* label : {"qt_msgbox_label", "qt_msgbox_informativelabel"})
            QCOMPARE(::finde<QLabel>(box, QLatin1String(label))->textFormat(), Qt::PlainText);
    });
    speichereNach(pfad);
    QVERIFY(gemeldet);
    if (!gesperrt.isEmpty())
        sperre(gesperrt, false);
    QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QStringList bleibt = ziel == "schreibgeschützt" ? QStringList{"a<b>c.csv"} : QStringList();
    QCOMPARE(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), bleibt);
    if (!bleibt.isEmpty()) {
        QFile alt(pfad);
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("alt"));
    }
}

QTEST_MAIN(TstNetzlisteAusgabe)
#include "tst_netzliste_ausgabe.moc"
