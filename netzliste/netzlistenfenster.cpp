// SPDX-License-Identifier: GPL-3.0-or-later
#include "netzliste/netzlistenfenster.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "netzliste/netzlistenmodell.h"
#include "toolkit/bilder.h"
#include "toolkit/escape.h"
#include "toolkit/kopierbar.h"
#include "toolkit/listentabelle.h"
#include "toolkit/nebenlage.h"
#include "toolkit/schriften.h"
#include "toolkit/spaltenbreite.h"
#include "toolkit/tabellenkopie.h"
#include "toolkit/zugaenglichkeit.h"

namespace netzplaner {
namespace {

struct Kopfzeile {
    const char* name;
    const char* titel;
    const char* fuerScreenreader;
};

const std::array<Kopfzeile, 6> kopfzeilen = {{
    {"lblcidr", "Netz", "Netz mit Präfix"},
    {"lblmaske", "Maske", "Netzmaske"},
    {"lblwildcard", "Wildcard", "Wildcard-Maske"},
    {"lblhostbereich", "Hosts von – bis", "Erster bis letzter Host"},
    {"lblhosts", "Anzahl Hosts", "Anzahl Hosts"},
    {"lbladresstyp", "Adresstyp", "Adresstyp"},
}};

// The widest text each column can hold, "0" standing for any digit.
const std::array<const char*, Netzliste::spaltenzahl> breitesteZellen = {
    "000", "000.000.000.000/00", "000.000.000.000", "000.000.000.000", "000.000.000.000", "00000000"};

} // namespace

NetzlistenFenster::NetzlistenFenster(const Netzwahl& wahl, QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Window)
    , wahl_(wahl)
    , modell_(new Netzlistenmodell(wahl, this))
{
    setObjectName(QStringLiteral("netzliste"));
    setWindowTitle(QStringLiteral("Netzliste"));
    setWindowIcon(fenstersymbol());
    // A window of the main window, hence a secondary one: closing the main
    // window ends the program even while the list is open.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* kopf = new QWidget(this);
    baueKopf(kopf);
    richteTabelleEin();
    auto* knopf = new QPushButton(QStringLiteral("Als CSV speichern…"), this);
    knopf->setObjectName(QStringLiteral("speichern"));
    connect(knopf, &QPushButton::clicked, this, [this] {
        // "192.168.4.0/24" names the file: a slash may not appear in a file name.
        const QString netz = QString::fromStdString(modell_->liste().kopf().cidr);
        speichereAlsCsv(this, *modell_, QString(netz).replace(u'/', u'_') + QStringLiteral(".csv"), dateiwahl);
    });
    speichern_ = knopf;

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(knopf);
    auto* stapel = new QVBoxLayout(this);
    stapel->addWidget(kopf);
    stapel->addWidget(tabelle_, 1);
    stapel->addLayout(unten);

    benenneSteuerelemente();
    schreibeKopf();
    markiereAktuelleZeile();
    legeGroesseFest();
    if (hauptfenster)
        legeNeben(this, hauptfenster);
}

void NetzlistenFenster::baueKopf(QWidget* kopf)
{
    // Two columns of three: the net and its masks, then its hosts and type.
    auto* raster = new QGridLayout(kopf);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setHorizontalSpacing(12);
    for (std::size_t i = 0; i < kopfzeilen.size(); ++i) {
        auto* titel = new QLabel(QString::fromUtf8(kopfzeilen[i].titel), kopf);
        auto* wert = new QLabel(kopf);
        wert->setObjectName(QLatin1String(kopfzeilen[i].name));
        wert->setFont(fensterSchrift(8.25, true));
        titel->setBuddy(wert);
        const int zeile = int(i % 3), spalte = int(i / 3) * 2;
        raster->addWidget(titel, zeile, spalte);
        raster->addWidget(wert, zeile, spalte + 1);
        kopf_[i] = wert;
    }
    raster->setColumnStretch(1, 1);
    raster->setColumnStretch(3, 2);
}

void NetzlistenFenster::richteTabelleEin()
{
    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("tabelle"));
    tabelle_->setModel(modell_);
    richteListentabelleEin(tabelle_);
    macheZeilenKopierbar(tabelle_);
    tabelle_->setFocus(); // for the arrow keys and Ctrl+C from the start
}

void NetzlistenFenster::legeGroesseFest()
{
    QHeaderView* spalten = tabelle_->horizontalHeader();
    int breite = 2 * tabelle_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tabelle_);
    for (int i = 0; i < Netzliste::spaltenzahl; ++i) {
        const int zelle = spaltenbreite(tabelle_, QString::fromLatin1(breitesteZellen[std::size_t(i)]));
        const int spalte = std::max(zelle, spalten->sectionSizeHint(i));
        spalten->resizeSection(i, spalte);
        breite += spalte;
    }
    const auto hoehe = [this, spalten](int zeilen) {
        return 2 * tabelle_->frameWidth() + spalten->sizeHint().height()
               + zeilen * tabelle_->verticalHeader()->defaultSectionSize();
    };
    // Every column whole at any size; about 16 rows to start with, at least 4.
    tabelle_->setMinimumSize(breite, hoehe(sichtbareZeilen));
    resize(sizeHint());
    tabelle_->setMinimumHeight(hoehe(4));
}

void NetzlistenFenster::benenneSteuerelemente()
{
    std::vector<Bezeichnung> namen;
    for (std::size_t i = 0; i < kopf_.size(); ++i)
        namen.push_back({kopf_[i], QString::fromUtf8(kopfzeilen[i].fuerScreenreader)});
    namen.push_back({tabelle_, QStringLiteral("Netze der Auswahl")});
    namen.push_back({speichern_, QStringLiteral("Netzliste als CSV-Datei speichern")});
    benenneFuerScreenreader(namen);
    macheKopierbar(this, {kopf_.begin(), kopf_.end()});
}

void NetzlistenFenster::setzeWahl(const Netzwahl& wahl)
{
    if (wahl == wahl_)
        return;
    wahl_ = wahl;
    modell_->setzeWahl(wahl);
    schreibeKopf();
    markiereAktuelleZeile();
}

void NetzlistenFenster::schreibeKopf()
{
    const Netzkopf k = modell_->liste().kopf();
    const std::array<const std::string*, 6> texte = {&k.cidr,        &k.maske, &k.wildcard,
                                                     &k.hostbereich, &k.hosts, &k.adresstyp};
    for (std::size_t i = 0; i < texte.size(); ++i)
        kopf_[i]->setText(QString::fromStdString(*texte[i]));
}

void NetzlistenFenster::markiereAktuelleZeile()
{
    // Marking and scrolling again what is marked and in view already costs as
    // much as the rest of a keystroke: scrollTo repaints the row even then.
    const int zeile = modell_->liste().aktuelleZeile();
    const QModelIndex aktuell = modell_->index(zeile, 0);
    const QItemSelection auswahl = tabelle_->selectionModel()->selection();
    const bool markiert = tabelle_->currentIndex() == aktuell && auswahl.size() == 1
                          && auswahl.first()
                                 == QItemSelectionRange(aktuell, modell_->index(zeile, Netzliste::spaltenzahl - 1));
    if (!markiert)
        tabelle_->selectionModel()->setCurrentIndex(aktuell,
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!tabelle_->viewport()->rect().contains(tabelle_->visualRect(aktuell)))
        tabelle_->scrollTo(aktuell);
}

void NetzlistenFenster::keyPressEvent(QKeyEvent* ereignis)
{
    // What the table and the button leave, as a dialog would close on it.
    if (!schliesstBeiEscape(this, ereignis))
        QWidget::keyPressEvent(ereignis);
}

void NetzlistenFenster::showEvent(QShowEvent* ereignis)
{
    QWidget::showEvent(ereignis);
    // Scrolling before the view had its size placed nothing.
    tabelle_->scrollTo(tabelle_->currentIndex());
}

} // namespace netzplaner
