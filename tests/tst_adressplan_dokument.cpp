// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <sys/stat.h>

#include "tests/hilfen/adressplantest.h"

using netzplaner::AdressplanFenster;

// The plan as a document: saved, exported, imported, opened again, asked
// about when the program ends, and never without what a cell editor holds.
class TstAdressplanDokument : public AdressplanTest {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void speichertOeffnetExportiertImportiert();
    void endeFragtNurBeiUngespeichertem_data();
    void endeFragtNurBeiUngespeichertem();
    void gespeichertWirdWasImEditorSteht_data();
    void gespeichertWirdWasImEditorSteht();
    void abgelehnterEditorHaeltAktionAuf();
    void geraetedateiWirdAbgewiesen();
    void csvStartetKeineFormel();

private:
    // A requirement whose Hosts are typed, its editor left open.
    void offenerEditor(const QString& hosts)
    {
        tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24");
        im("bedarf")->setFocus();
        neueZeile("Lager", "");
        auto* bedarf = im<QTreeView>("bedarf");
        bedarf->setCurrentIndex(bedarf->model()->index(0, 1));
        bedarf->edit(bedarf->currentIndex());
        tippe(hosts);
    }
    QByteArray inhalt(const QString& pfad)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool editorOffen()
    {
        auto* bedarf = im<QTreeView>("bedarf");
        return bedarf->indexWidget(bedarf->currentIndex()) != nullptr;
    }
};

void TstAdressplanDokument::speichertOeffnetExportiertImportiert()
{
    AdressplanFenster* fenster = plan();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24");
    im("bedarf")->setFocus();
    neueZeile("Bäckerei", "20");
    datei = ordner.filePath("filiale.adressplan");
    taste(Qt::CTRL | Qt::Key_S);
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Adressplan – filiale.adressplan[*]"));
    QVERIFY(!fenster->isWindowModified());
    const auto gespeichert = fenster->dokument();

    // Export: the plan with its header, as a German spreadsheet reads it.
    datei = ordner.filePath("plan.csv");
    im<QAction>("exportieren")->trigger();
    QFile csv(datei);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll(), QByteArray("\xEF\xBB\xBFNr.;Name;Bedarf;Netz;Maske;Erster Host;Letzter Host;Broadcast;Hosts;Auslastung\r\n"
                                       "1;B\xC3\xA4" "ckerei;20;10.0.0.0/27;255.255.255.224;10.0.0.1;10.0.0.30;10.0.0.31;30;67 %\r\n"
                                       ";frei;;10.0.0.32/27;255.255.255.224;10.0.0.33;10.0.0.62;10.0.0.63;30;\r\n"
                                       ";frei;;10.0.0.64/26;255.255.255.192;10.0.0.65;10.0.0.126;10.0.0.127;62;\r\n"
                                       ";frei;;10.0.0.128/25;255.255.255.128;10.0.0.129;10.0.0.254;10.0.0.255;126;\r\n"));

    // Import, Windows-1252 as German spreadsheets write it: one step, appended.
    datei = ordner.filePath("bedarf.csv");
    QFile ein(datei);
    QVERIFY(ein.open(QIODevice::WriteOnly) && ein.write("Name;Hosts\r\nK\xFC" "che;5\r\n") > 0);
    ein.close();
    im<QAction>("importieren")->trigger();
    QCOMPARE(im<QTreeView>("bedarf")->model()->index(1, 0).data().toString(), QStringLiteral("Küche"));
    QVERIFY(fenster->isWindowModified());

    // Opening the saved file asks about the import first, then shows the file.
    datei = ordner.filePath("filiale.adressplan");
    waechter->pruefeUndSchliesse([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        box->button(QMessageBox::Discard)->click();
    });
    taste(Qt::CTRL | Qt::Key_O);
    QVERIFY(!waechter->erwartetNoch());
    QCOMPARE(fenster->dokument(), gespeichert);
    QVERIFY(!fenster->isWindowModified());
}

void TstAdressplanDokument::endeFragtNurBeiUngespeichertem_data()
{
    QTest::addColumn<bool>("geaendert");
    QTest::addColumn<int>("antwort"); // to the question, if it comes
    QTest::addColumn<bool>("endet");
    QTest::newRow("never changed: ends at once") << false << 0 << true;
    QTest::newRow("cancel keeps running") << true << int(QMessageBox::Cancel) << false;
    QTest::newRow("discard ends") << true << int(QMessageBox::Discard) << true;
    QTest::newRow("save, then end") << true << int(QMessageBox::Save) << true;
}

void TstAdressplanDokument::endeFragtNurBeiUngespeichertem()
{
    QFETCH(bool, geaendert);
    QFETCH(int, antwort);
    QFETCH(bool, endet);
    plan();
    if (geaendert)
        QTest::mouseClick(im("rfc3021"), Qt::LeftButton);
    datei = ordner.filePath("ende.adressplan");
    int gefragt = 0;
    if (geaendert)
        waechter->pruefeUndSchliesse([&](QWidget* modal) {
            ++gefragt;
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::StandardButton(antwort))->click();
        });
    QCOMPARE(form->close(), endet);
    QCOMPARE(gefragt, geaendert ? 1 : 0);
    QCOMPARE(QFile::exists(datei), antwort == QMessageBox::Save);
}

void TstAdressplanDokument::gespeichertWirdWasImEditorSteht_data()
{
    QTest::addColumn<QString>("aktion");
    QTest::newRow("Ctrl+S") << "speichern";
    QTest::newRow("export") << "exportieren";
    QTest::newRow("undo takes the typed step back") << "rueckgaengig";
    QTest::newRow("ending asks") << "ende";
}

// Typed but not confirmed with Enter: every action on the document takes the
// cell as the user sees it.
void TstAdressplanDokument::gespeichertWirdWasImEditorSteht()
{
    QFETCH(QString, aktion);
    AdressplanFenster* fenster = plan();
    datei = ordner.filePath("lager.adressplan");
    offenerEditor("40");
    const QModelIndex hosts = im<QTreeView>("bedarf")->model()->index(0, 1);
    if (aktion == "speichern") {
        taste(Qt::CTRL | Qt::Key_S);
        QVERIFY(inhalt(datei).contains("\"hosts\": 40"));
        QVERIFY(!fenster->isWindowModified());
    } else if (aktion == "exportieren") {
        datei = ordner.filePath("lager.csv");
        im<QAction>("exportieren")->trigger();
        QVERIFY(inhalt(datei).contains("\r\n1;Lager;40;10.0.0.0/26;"));
    } else if (aktion == "rueckgaengig") {
        im<QAction>("rueckgaengig")->trigger();
        QCOMPARE(hosts.data().toString(), QString());
        im<QAction>("wiederholen")->trigger();
        QCOMPARE(hosts.data().toString(), QStringLiteral("40"));
    } else {
        waechter->pruefeUndSchliesse([](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Save)->click();
        });
        QVERIFY(form->close());
        QVERIFY(inhalt(datei).contains("\"hosts\": 40"));
    }
    QVERIFY(!editorOffen());
    QVERIFY(!waechter->erwartetNoch());
}

void TstAdressplanDokument::abgelehnterEditorHaeltAktionAuf()
{
    AdressplanFenster* fenster = plan();
    datei = ordner.filePath("abgelehnt.adressplan");
    offenerEditor("vierzig");
    taste(Qt::CTRL | Qt::Key_S);
    QVERIFY(!QFile::exists(datei));
    QVERIFY(editorOffen());
    QVERIFY(im<QLabel>("lblmeldung")->text().startsWith("Zeile 1: Hosts muss eine ganze Zahl"));
    QVERIFY(!form->close()); // the program does not end over it either
    QVERIFY(fenster->isWindowModified());
}

// Neither endless nor blocking: the import refuses at once, the plan stays.
void TstAdressplanDokument::geraetedateiWirdAbgewiesen()
{
    plan();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24");
    im("bedarf")->setFocus();
    neueZeile("Lager", "40");
    QVERIFY(mkfifo(QFile::encodeName(ordner.filePath("fifo")).constData(), 0600) == 0);
    for (const QString& pfad : {QStringLiteral("/dev/zero"), ordner.filePath("fifo")}) {
        datei = pfad;
        QString gesagt;
        waechter->pruefeUndSchliesse([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            gesagt = box->informativeText();
            box->accept();
        });
        im<QAction>("importieren")->trigger();
        QCOMPARE(gesagt, QStringLiteral("„%1“: Das ist keine gewöhnliche Datei").arg(pfad));
        QCOMPARE(im<QTreeView>("bedarf")->model()->rowCount(), 1);
    }
}

void TstAdressplanDokument::csvStartetKeineFormel()
{
    plan();
    tippeIn(im<QLineEdit>("txtnetz"), "10.0.0.0/24");
    im("bedarf")->setFocus();
    neueZeile("=HYPERLINK(\"http://x.example\")", "5");
    datei = ordner.filePath("plan.csv");
    im<QAction>("exportieren")->trigger();
    QVERIFY(inhalt(datei).contains("\r\n1;\"'=HYPERLINK(\"\"http://x.example\"\")\";5;"));
}

QTEST_MAIN(TstAdressplanDokument)
#include "tst_adressplan_dokument.moc"
