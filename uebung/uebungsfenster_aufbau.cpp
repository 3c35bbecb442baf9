// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "toolkit/bilder.h"
#include "toolkit/zugaenglichkeit.h"
#include "uebung/uebungsfenster.h"

namespace netzplaner {
namespace {

struct Art {
    const char* text;
    Aufgabenart art;
};

const std::array<Art, 6> arten{{
    {"Netz eines Hosts", Aufgabenart::Netz},
    {"Maske für eine Host-Anzahl", Aufgabenart::Maske},
    {"Gleich große Teilnetze", Aufgabenart::Teilnetze},
    {"VLSM", Aufgabenart::Vlsm},
    {"Zusammenfassen", Aufgabenart::Zusammenfassen},
    {"Gemischt", Aufgabenart::Gemischt},
}};

QLabel* textlabel(QWidget* eltern, const char* name)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

UebungsFenster::UebungsFenster(QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Window)
{
    setObjectName(QStringLiteral("uebung"));
    setWindowTitle(QStringLiteral("Übungen"));
    setWindowIcon(fenstersymbol());

    auto* stapel = new QVBoxLayout(this);
    stapel->addLayout(baueWahl());
    aufgabentext_ = textlabel(this, "lblaufgabe");
    QFont fett = aufgabentext_->font();
    fett.setBold(true);
    aufgabentext_->setFont(fett);
    stapel->addWidget(aufgabentext_);
    stapel->addLayout(baueFelder());
    stapel->addLayout(baueKnoepfe());
    ergebnis_ = textlabel(this, "lblergebnis");
    stapel->addWidget(ergebnis_);
    weg_ = textlabel(this, "lblweg");
    weg_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    stapel->addWidget(weg_);
    stapel->addStretch(1);
    statistik_ = textlabel(this, "lblstatistik");
    stapel->addWidget(statistik_);

    connect(serie_, &QSpinBox::valueChanged, this, &UebungsFenster::zeigeAufgabe);
    connect(nummer_, &QSpinBox::valueChanged, this, &UebungsFenster::zeigeAufgabe);
    connect(art_, &QComboBox::currentIndexChanged, this, &UebungsFenster::zeigeAufgabe);
    connect(naechste_, &QPushButton::clicked, this, &UebungsFenster::naechste);
    connect(pruefen_, &QPushButton::clicked, this, &UebungsFenster::pruefe);
    connect(loesung_, &QPushButton::clicked, this, &UebungsFenster::zeigeLoesung);
    connect(arbeitsblatt_, &QAction::triggered, this, &UebungsFenster::speichereArbeitsblatt);
    for (QLineEdit* feld : antwort_)
        connect(feld, &QLineEdit::returnPressed, this, &UebungsFenster::pruefe);

    benenneSteuerelemente();
    zeigeAufgabe();
    schreibeStatistik();
    setMinimumWidth(std::min(minimumSizeHint().width(), 600));
    resize(600, sizeHint().height());
}

QLayout* UebungsFenster::baueWahl()
{
    serie_ = new QSpinBox(this);
    serie_->setObjectName(QStringLiteral("serie"));
    serie_->setRange(1, int(hoechsteSerie));
    art_ = new QComboBox(this);
    art_->setObjectName(QStringLiteral("art"));
    for (const Art& a : arten)
        art_->addItem(QString::fromUtf8(a.text), QString::fromUtf8(aufgabenartName(a.art).data()));
    nummer_ = new QSpinBox(this);
    nummer_->setObjectName(QStringLiteral("nummer"));
    nummer_->setRange(1, 9999);

    auto* zeile = new QHBoxLayout;
    const auto paar = [this, zeile](const QString& text, QWidget* feld) {
        auto* titel = new QLabel(text, this);
        titel->setBuddy(feld);
        zeile->addWidget(titel);
        zeile->addWidget(feld);
    };
    paar(QStringLiteral("&Serie"), serie_);
    paar(QStringLiteral("A&rt"), art_);
    paar(QStringLiteral("Auf&gabe"), nummer_);
    zeile->addStretch(1);
    return zeile;
}

QLayout* UebungsFenster::baueFelder()
{
    auto* raster = new QGridLayout;
    for (int i = 0; i < hoechstensFelder; ++i) {
        const auto nr = std::size_t(i);
        frage_[nr] = new QLabel(this);
        frage_[nr]->setObjectName(QStringLiteral("lblfrage(%1)").arg(i));
        frage_[nr]->setTextFormat(Qt::PlainText);
        antwort_[nr] = new QLineEdit(this);
        antwort_[nr]->setObjectName(QStringLiteral("antwort(%1)").arg(i));
        frage_[nr]->setBuddy(antwort_[nr]);
        urteil_[nr] = textlabel(this, "");
        urteil_[nr]->setObjectName(QStringLiteral("lblurteil(%1)").arg(i));
        raster->addWidget(frage_[nr], 2 * i, 0);
        raster->addWidget(antwort_[nr], 2 * i, 1);
        raster->addWidget(urteil_[nr], 2 * i + 1, 1);
    }
    raster->setColumnStretch(1, 1);
    return raster;
}

QLayout* UebungsFenster::baueKnoepfe()
{
    const auto knopf = [this](const char* name, const QString& text) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(QLatin1String(name));
        return k;
    };
    naechste_ = knopf("naechste", QStringLiteral("&Nächste Aufgabe"));
    pruefen_ = knopf("pruefen", QStringLiteral("&Prüfen"));
    loesung_ = knopf("loesung", QStringLiteral("&Lösung zeigen"));
    arbeitsblatt_ = new QAction(QStringLiteral("&Arbeitsblatt als PDF…"), this);
    arbeitsblatt_->setObjectName(QStringLiteral("arbeitsblatt"));
    auto* blatt = new QToolButton(this);
    blatt->setObjectName(QStringLiteral("arbeitsblattknopf"));
    blatt->setDefaultAction(arbeitsblatt_);
    blatt->setFocusPolicy(Qt::StrongFocus);

    auto* raster = new QGridLayout;
    raster->addWidget(pruefen_, 0, 0);
    raster->addWidget(loesung_, 0, 1);
    raster->addWidget(naechste_, 0, 2);
    raster->addWidget(blatt, 1, 2);
    raster->setColumnStretch(3, 1);
    return raster;
}

void UebungsFenster::benenneSteuerelemente()
{
    benenneFuerScreenreader({
        {serie_, QStringLiteral("Serie, gleiche Serie gibt gleiche Aufgaben")},
        {art_, QStringLiteral("Art der Aufgaben")},
        {nummer_, QStringLiteral("Nummer der Aufgabe")},
        {aufgabentext_, QStringLiteral("Aufgabe")},
        {ergebnis_, QStringLiteral("Ergebnis")},
        {statistik_, QStringLiteral("Statistik dieser Runde")},
    });
}

QString UebungsFenster::frageAblage(QWidget* eltern, const QString& vorschlag)
{
    QFileDialog dialog(eltern, QStringLiteral("Arbeitsblatt als PDF speichern"));
    // The desktop's own dialog would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace netzplaner
