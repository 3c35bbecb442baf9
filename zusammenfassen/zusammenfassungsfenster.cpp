// SPDX-License-Identifier: GPL-3.0-or-later
#include "zusammenfassen/zusammenfassungsfenster.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include "calc/netzzeile.h"
#include "calc/zusammenfassungstext.h"
#include "toolkit/bilder.h"
#include "toolkit/escape.h"
#include "toolkit/kopierbar.h"
#include "toolkit/listentabelle.h"
#include "toolkit/spaltenbreite.h"
#include "toolkit/tabellenkopie.h"
#include "toolkit/zugaenglichkeit.h"
#include "zusammenfassen/zusammenfassungsmodell.h"

namespace netzplaner {
namespace {

// The widest text each column can hold, "0" standing for any digit.
const std::array<const char*, 4> breitesteZellen = {"000.000.000.000/00", "000.000.000.000", "000.000.000.000",
                                                    "0000000000"};

constexpr int sichtbareZeilen = 16;

QLabel* meldungsLabel(const char* name, QWidget* eltern)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(QLatin1String(name));
    // It quotes what the user typed, which must never be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

ZusammenfassungsFenster::ZusammenfassungsFenster(QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Window)
    , modell_(new Zusammenfassungsmodell(this))
{
    setObjectName(QStringLiteral("zusammenfassen"));
    setWindowTitle(QStringLiteral("Zusammenfassen"));
    setWindowIcon(fenstersymbol());

    auto* raster = new QGridLayout(this);
    raster->addWidget(baueEingabe(), 0, 0);
    raster->addWidget(baueErgebnis(), 0, 1);
    raster->setColumnStretch(0, 2);
    raster->setColumnStretch(1, 3);
    raster->setHorizontalSpacing(12);

    connect(eingabe_, &QPlainTextEdit::textChanged, this, &ZusammenfassungsFenster::fasseZusammen);
    benenneSteuerelemente();
    legeGroesseFest();
    fasseZusammen();
}

QWidget* ZusammenfassungsFenster::baueEingabe()
{
    auto* spalte = new QWidget(this);
    auto* stapel = new QVBoxLayout(spalte);
    stapel->setContentsMargins(0, 0, 0, 0);
    auto* titel = new QLabel(QStringLiteral("&Adressen, Netze und Bereiche:"), spalte);
    eingabe_ = new QPlainTextEdit(spalte);
    eingabe_->setObjectName(QStringLiteral("txteingabe"));
    eingabe_->setPlaceholderText(QStringLiteral("Zum Beispiel:\n10.1.4.0/24\n10.1.5.0 - 10.1.9.255\n"
                                                "172.16.0.0/255.255.0.0\n192.168.7.1\n!10.1.6.0/25\n\n"
                                                "Ein „!“ vorn nimmt Adressen aus."));
    // Pasted tabs stay, as the separators of spreadsheet columns; a typed Tab
    // moves on, as everywhere else in the program.
    eingabe_->setTabChangesFocus(true);
    eingabe_->setLineWrapMode(QPlainTextEdit::NoWrap);
    titel->setBuddy(eingabe_);
    meldung_ = meldungsLabel("lblmeldung", spalte);
    stapel->addWidget(titel);
    stapel->addWidget(eingabe_, 1);
    stapel->addWidget(meldung_);
    return spalte;
}

QWidget* ZusammenfassungsFenster::baueErgebnis()
{
    auto* spalte = new QWidget(this);
    auto* stapel = new QVBoxLayout(spalte);
    stapel->setContentsMargins(0, 0, 0, 0);
    auto* titel = new QLabel(QStringLiteral("&Die wenigsten Netze, die genau diese Adressen enthalten:"), spalte);
    titel->setWordWrap(true);
    ergebnis_ = new QTableView(spalte);
    ergebnis_->setObjectName(QStringLiteral("ergebnis"));
    ergebnis_->setModel(modell_);
    richteListentabelleEin(ergebnis_);
    macheZeilenKopierbar(ergebnis_);
    titel->setBuddy(ergebnis_);

    nurNetze_ = new QAction(QStringLiteral("Nur Netze kopieren"), ergebnis_);
    connect(nurNetze_, &QAction::triggered, this, &ZusammenfassungsFenster::kopiereNetze);
    alsCsv_ = new QAction(QStringLiteral("Als CSV speichern…"), ergebnis_);
    connect(alsCsv_, &QAction::triggered, this,
            [this] { speichereAlsCsv(this, *modell_, QStringLiteral("zusammenfassung.csv"), dateiwahl); });
    ergebnis_->addActions({nurNetze_, alsCsv_});

    supernetz_ = meldungsLabel("lblsupernetz", spalte);
    netzeKopieren_ = new QPushButton(QStringLiteral("Nur Netze &kopieren"), spalte);
    netzeKopieren_->setObjectName(QStringLiteral("netzekopieren"));
    connect(netzeKopieren_, &QPushButton::clicked, nurNetze_, &QAction::trigger);
    speichern_ = new QPushButton(QStringLiteral("Als CSV &speichern…"), spalte);
    speichern_->setObjectName(QStringLiteral("speichern"));
    connect(speichern_, &QPushButton::clicked, alsCsv_, &QAction::trigger);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(netzeKopieren_);
    knoepfe->addWidget(speichern_);
    stapel->addWidget(titel);
    stapel->addWidget(ergebnis_, 1);
    stapel->addWidget(supernetz_);
    stapel->addLayout(knoepfe);
    return spalte;
}

void ZusammenfassungsFenster::legeGroesseFest()
{
    QHeaderView* spalten = ergebnis_->horizontalHeader();
    const int scrollleiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ergebnis_);
    int breite = 2 * ergebnis_->frameWidth() + scrollleiste;
    for (int i = 0; i < int(breitesteZellen.size()); ++i) {
        const int zelle = spaltenbreite(ergebnis_, QString::fromLatin1(breitesteZellen[std::size_t(i)]));
        const int spalte = std::max(zelle, spalten->sectionSizeHint(i));
        spalten->resizeSection(i, spalte);
        breite += spalte;
    }
    const auto hoehe = [this, spalten](int zeilen) {
        return 2 * ergebnis_->frameWidth() + spalten->sizeHint().height()
               + zeilen * ergebnis_->verticalHeader()->defaultSectionSize();
    };
    ergebnis_->setMinimumSize(breite, hoehe(sichtbareZeilen));
    // The longest entry of the usual kind, a range, whole in one line.
    const QFontMetrics masse(eingabe_->font());
    eingabe_->setMinimumWidth(masse.horizontalAdvance(QStringLiteral("000.000.000.000 - 000.000.000.000"))
                              + 2 * eingabe_->frameWidth() + 2 * int(eingabe_->document()->documentMargin())
                              + scrollleiste);
    resize(sizeHint());
    ergebnis_->setMinimumHeight(hoehe(4));
}

void ZusammenfassungsFenster::benenneSteuerelemente()
{
    benenneFuerScreenreader({
        {eingabe_, QStringLiteral("Adressen, Netze und Bereiche, je Zeile oder durch Leerzeichen getrennt")},
        {ergebnis_, QStringLiteral("Zusammengefasste Netze")},
        {supernetz_, QStringLiteral("Kleinstes Netz um alles")},
        {meldung_, QStringLiteral("Ergebnis der Eingabe")},
        {netzeKopieren_, QStringLiteral("Nur die Netze in die Zwischenablage kopieren")},
        {speichern_, QStringLiteral("Ergebnis als CSV-Datei speichern")},
    });
    macheKopierbar(this, {supernetz_, meldung_});
}

void ZusammenfassungsFenster::fasseZusammen()
{
    const QByteArray text = eingabe_->toPlainText().toUtf8();
    Zusammenfassung ergebnis = netzplaner::fasseZusammen(std::string_view(text.constData(), std::size_t(text.size())));
    supernetz_->setText(QString::fromStdString(umfassendText(ergebnis)));
    meldung_->setText(QString::fromStdString(meldungsText(ergebnis)));
    modell_->setzeBloecke(std::move(ergebnis.bloecke));
    const bool etwas = modell_->rowCount() > 0;
    nurNetze_->setEnabled(etwas);
    alsCsv_->setEnabled(etwas);
    netzeKopieren_->setEnabled(etwas);
    speichern_->setEnabled(etwas);
}

void ZusammenfassungsFenster::kopiereNetze()
{
    // One net a line, as router and firewall configurations take them.
    QString text;
    for (const Block& block : modell_->bloecke())
        text += QString::fromStdString(cidrText(block.netz, block.praefix)) + u'\n';
    QGuiApplication::clipboard()->setText(text);
}

void ZusammenfassungsFenster::keyPressEvent(QKeyEvent* ereignis)
{
    // Whatever the controls leave, as a dialog would close on it; closing
    // only hides the window.
    if (!schliesstBeiEscape(this, ereignis))
        QWidget::keyPressEvent(ereignis);
}

} // namespace netzplaner
