// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTreeView>
#include <QTest>
#include <QUrl>
#include <cstdio>
#include <random>

#include "tests/hilfen/browser.h"
#include "tests/hilfen/form1test.h"
#include "tests/hilfen/wandelnoeffnen.h"
#include "tests/zufall/lauf.h"
#include "tests/zufall/orakel.h"
#include "tests/zufall/orakel_adressplan.h"
#include "tests/zufall/pruefung.h"

// Random user events against the real windows, checked after every event.
//   NETZPLANER_ZUFALL_SEED       the seed (default: CI's fixed one; "random" for a new one)
//   NETZPLANER_ZUFALL_EREIGNISSE how many events (default 20000)
//   NETZPLANER_ZUFALL_PROTOKOLL  1: print every event as it happens, to see
//                                where a crash struck
namespace {

constexpr std::uint64_t ciSeed = 20050505;
constexpr long ciEreignisse = 20000;

std::uint64_t seed()
{
    const QByteArray wert = qgetenv("NETZPLANER_ZUFALL_SEED");
    if (wert.isEmpty())
        return ciSeed;
    if (wert == "random") {
        std::random_device quelle;
        return std::uint64_t(quelle()) << 32 | quelle();
    }
    bool ok = false;
    const std::uint64_t zahl = wert.toULongLong(&ok);
    if (!ok)
        qFatal("NETZPLANER_ZUFALL_SEED must be a number or \"random\", not %s", wert.constData());
    return zahl;
}

long ereignisse()
{
    const QByteArray wert = qgetenv("NETZPLANER_ZUFALL_EREIGNISSE");
    if (wert.isEmpty())
        return ciEreignisse;
    bool ok = false;
    const long zahl = wert.toLong(&ok);
    if (!ok || zahl < 0)
        qFatal("NETZPLANER_ZUFALL_EREIGNISSE must be a count, not %s", wert.constData());
    return zahl;
}

// Offscreen can neither raise a window, grab the keyboard nor pass a window's
// size limits on, and says so for every context menu and net list that opens:
// hundreds of times a run, past Qt Test's limit on warnings, after which the
// run's summary would not be shown.
QtMessageHandler vorigeAusgabe = nullptr;

void ohneOffscreenHinweise(QtMsgType art, const QMessageLogContext& ort, const QString& text)
{
    if (art == QtWarningMsg
        && (text == QLatin1String("This plugin does not support raise()")
            || text == QLatin1String("This plugin does not support grabbing the keyboard")
            || text == QLatin1String("This plugin does not support propagateSizeHints()")))
        return;
    vorigeAusgabe(art, ort, text);
}

} // namespace

class TstZufall : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void zufallsereignisse();
    void pruefungFindetAbweichungen();
    void wandelnPruefungFindetAbweichungen();
    void netzlistenPruefungFindetAbweichungen();
    void planPruefungFindetAbweichungen();

private:
    Browser browser;
};

void TstZufall::zufallsereignisse()
{
    const std::uint64_t s = seed();
    const long n = ereignisse();
    qInfo("seed %llu, %ld events", static_cast<unsigned long long>(s), n);

    // The run brings its own guard against dialogs, which knows the converter
    // is to be expected; the fixture's would close it as unexpected.
    waechter.reset();
    vorigeAusgabe = qInstallMessageHandler(ohneOffscreenHinweise);
    zufall::Lauf lauf(s, n, form.get());
    const QString bericht = lauf.fuehreAus();
    qInstallMessageHandler(vorigeAusgabe);
    waechter = std::make_unique<ModalWaechter>();

    qInfo("%s, %lld links opened", qPrintable(lauf.statistik()), static_cast<long long>(browser.geoeffnet.size()));
    if (!bericht.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(bericht)); // whole, past Qt Test's cut of long messages
        QFAIL("a check failed, see the report above");
    }
    QCOMPARE(lauf.ereignisse(), n);
    for (const QUrl& url : std::as_const(browser.geoeffnet))
        QCOMPARE(url.toString(), QStringLiteral("http://www.quendelwerk.example/"));
}

// The checks must see a fault when there is one, or a green run proves nothing.
void TstZufall::pruefungFindetAbweichungen()
{
    const zufall::Hauptfenster h(form.get());
    QCOMPARE(h.pruefe(true), QStringList());

    h.lbldual1[2]->setText(QStringLiteral("00000101"));
    h.Label13->setText(QStringLiteral("max: 1 Hosts"));
    const QStringList fehler = h.pruefe(false);
    QCOMPARE(fehler.size(), 2);
    QVERIFY(fehler[0].startsWith(QStringLiteral("lbldual1(2)")));
    QVERIFY(fehler[1].startsWith(QStringLiteral("Label13")));

    h.anteil[1]->setChecked(true); // recalculates: the labels are right again
    QCOMPARE(h.pruefe(false), QStringList());
    QCOMPARE(h.pruefe(true).size(), 1); // but class C needs 24 bit after an octet edit

    h.txtbits->setText(QStringLiteral("9")); // corrected to 8 at once
    QCOMPARE(h.pruefe(false), QStringList());
    const QSignalBlocker stumm(h.txtip[3]);
    h.txtip[3]->setText(QStringLiteral("1a"));
    QCOMPARE(h.pruefe(false), QStringList{QStringLiteral("txtip(3) holds \"1a\"")});
}

void TstZufall::wandelnPruefungFindetAbweichungen()
{
    waechter.reset(); // oeffneWandeln brings its own, which expects the window
    const auto wieder = qScopeGuard([this] { waechter = std::make_unique<ModalWaechter>(); });
    oeffneWandeln(form.get(), [](WandelnSteuerelemente& steuer) {
        const WandelnSteuerelemente& w = steuer;
        QString ergebnis;
        QCOMPARE(zufall::pruefeWandeln(w, ergebnis), QStringList());
        QCOMPARE(ergebnis, QStringLiteral("11111111"));

        w.Text1->clear(); // keeps the last result
        QCOMPARE(zufall::pruefeWandeln(w, ergebnis), QStringList());
        w.Text2->setText(QStringLiteral("377"));
        QCOMPARE(zufall::pruefeWandeln(w, ergebnis).size(), 1);

        w.Option1[3]->setChecked(true);
        QTest::keyClicks(w.Text1, QStringLiteral("4095"));
        QCOMPARE(w.Text2->text(), QStringLiteral("FFF"));
        QCOMPARE(zufall::pruefeWandeln(w, ergebnis), QStringList());
        w.Text2->setText(QStringLiteral("Wert nicht Numerisch!!!"));
        QCOMPARE(zufall::pruefeWandeln(w, ergebnis).size(), 1);
    });
}

void TstZufall::netzlistenPruefungFindetAbweichungen()
{
    const zufall::Hauptfenster h(form.get());
    h.netzart[1]->setChecked(true); // "Sub Netz", 2 bits: four rows, the address in the first
    form->findChild<QAction*>(QStringLiteral("liste"))->trigger();
    const QWidget* liste = form->findChild<QWidget*>(QStringLiteral("netzliste"));
    QCOMPARE(zufall::pruefeNetzliste(liste, h.eingabe(), true), QStringList());

    auto* tabelle = liste->findChild<QTableView*>();
    tabelle->setCurrentIndex(tabelle->model()->index(2, 0)); // the user's choice
    QCOMPARE(zufall::pruefeNetzliste(liste, h.eingabe(), false), QStringList());
    QCOMPARE(zufall::pruefeNetzliste(liste, h.eingabe(), true), QStringList{"the current row is 2, expected 0"});
    zufall::Eingabe andere = h.eingabe();
    andere.oktette[3] = 200; // the same rows; another net and host range above them
    QCOMPARE(zufall::pruefeNetzliste(liste, andere, false).size(), 2);
    andere.bits = 3;
    QCOMPARE(zufall::pruefeNetzliste(liste, andere, false).last(), QStringLiteral("tabelle has 4 rows, expected 8"));
}

void TstZufall::planPruefungFindetAbweichungen()
{
    form->findChild<QAction*>(QStringLiteral("plan"))->trigger();
    const QWidget* plan = form->findChild<QWidget*>(QStringLiteral("adressplan"));
    zufall::Planverlauf verlauf({"192.168.4.0/24", false, {}});
    QCOMPARE(zufall::pruefeAdressplan(plan, verlauf), QStringList());

    QAbstractItemModel* bedarf = plan->findChild<QTreeView*>(QStringLiteral("bedarf"))->model();
    QVERIFY(bedarf->insertRows(0, 3));
    for (int i = 0; i < 3; ++i)
        QVERIFY(bedarf->setData(bedarf->index(i, 1), QString::number(10 * (i + 1))));
    zufall::Planstand stand{"192.168.4.0/24", false, {{"", 10}, {"", 20}, {"", 30}}};
    verlauf.aendere(stand);
    QCOMPARE(zufall::pruefeAdressplan(plan, verlauf), QStringList());
    const auto soll = zufall::erwartePlan(stand).zeilen; // two /27 in row order, a /28, then /28, /27, /25 free
    QCOMPARE(soll.size(), std::size_t(6));
    QCOMPARE(QString::fromStdString(soll[0]),
             "2||20|192.168.4.0/27|255.255.255.224|192.168.4.1|192.168.4.30|192.168.4.31|30|67 %");
    QCOMPARE(QString::fromStdString(soll[3]),
             "|frei||192.168.4.80/28|255.255.255.240|192.168.4.81|192.168.4.94|192.168.4.95|14|");

    stand.bedarf[0].hosts = 11; // the same blocks: only the row and the plan's Bedarf and Auslastung differ
    verlauf.aendere(stand);
    QCOMPARE(zufall::pruefeAdressplan(plan, verlauf).size(), 2);
    verlauf.rueckgaengig();
    verlauf.rueckgaengig(); // the oracle's start: unmodified, no rows, one free /24
    QCOMPARE(zufall::pruefeAdressplan(plan, verlauf).size(), 3);
}

QTEST_MAIN(TstZufall)
#include "tst_zufall.moc"
