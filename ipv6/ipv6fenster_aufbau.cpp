// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <cmath>

#include "calc/grosszahl.h"
#include "calc/ipv6teilung.h"
#include "calc/ipv6text.h"
#include "calc/ipv6typ.h"
#include "calc/text.h"
#include "ipv6/ipv6fenster.h"
#include "ipv6/ipv6modell.h"
#include "ipv6/ipv6zellenmaler.h"
#include "toolkit/bilder.h"
#include "toolkit/kopierbar.h"
#include "toolkit/listentabelle.h"
#include "toolkit/schriften.h"
#include "toolkit/tabellenkopie.h"
#include "toolkit/zugaenglichkeit.h"

namespace netzplaner {
namespace {

struct Kopfzeile {
    const char* name;
    const char* titel;
};

const std::array<Kopfzeile, 8> kopfzeilen = {{
    {"lblnetz", "Netz"},
    {"lbllang", "Ausgeschrieben"},
    {"lblerste", "Erste Adresse"},
    {"lblletzte", "Letzte Adresse"},
    {"lbladressen", "Adressen"},
    {"lblteilnetze", "Teilnetze"},
    {"lbltyp", "Adresstyp"},
    {"lblreverse", "Reverse-Zone"},
}};

// The text with every "0" replaced by the widest hex digit of the font, so
// that it is at least as wide as any text of its pattern.
QString breitestes(const std::string& muster, const QFontMetricsF& masse)
{
    QChar breiteste = u'0';
    for (const QChar z : QStringLiteral("123456789abcdef"))
        if (masse.horizontalAdvance(z) > masse.horizontalAdvance(breiteste))
            breiteste = z;
    return QString::fromStdString(muster).replace(u'0', breiteste);
}

int breite(const QString& text, const QFontMetricsF& masse)
{
    return int(std::ceil(masse.horizontalAdvance(text)));
}

} // namespace

Ipv6Fenster::Ipv6Fenster(QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Window)
    , modell_(new Ipv6Modell(this))
{
    setObjectName(QStringLiteral("ipv6"));
    setWindowTitle(QStringLiteral("IPv6"));
    setWindowIcon(fenstersymbol());

    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(12);
    baueEingaben(raster);
    baueKopf(raster, 2);
    richteTabelleEin();
    umfang_ = new QLabel(this);
    umfang_->setObjectName(QStringLiteral("lblumfang"));
    umfang_->setWordWrap(true);

    auto* stapel = new QVBoxLayout(this);
    stapel->addLayout(raster);
    stapel->addWidget(umfang_);
    stapel->addWidget(tabelle_, 1);
    stapel->addLayout(baueFuss());

    connect(txtipv6_, &QLineEdit::textChanged, this, &Ipv6Fenster::rechne);
    connect(teilpraefix_, &QSpinBox::valueChanged, this, [this](int laenge) {
        gewaehlt_ = laenge;
        rechne();
    });
    connect(txtnr_, &QLineEdit::returnPressed, this, &Ipv6Fenster::springe);
    connect(springe_, &QPushButton::clicked, this, &Ipv6Fenster::springe);
    connect(speichern_, &QPushButton::clicked, this, &Ipv6Fenster::speichere);

    benenneSteuerelemente();
    rechne();
    legeGroesseFest();
}

void Ipv6Fenster::baueEingaben(QGridLayout* raster)
{
    txtipv6_ = new QLineEdit(QStringLiteral("2001:db8::/48"), this);
    txtipv6_->setObjectName(QStringLiteral("txtipv6"));
    auto* titel = new QLabel(QStringLiteral("&Präfix"), this);
    titel->setBuddy(txtipv6_);

    teilpraefix_ = new QSpinBox(this);
    teilpraefix_->setObjectName(QStringLiteral("teilpraefix"));
    teilpraefix_->setRange(0, 128);
    teilpraefix_->setValue(gewaehlt_);
    teilpraefix_->setPrefix(QStringLiteral("/"));
    auto* teiltitel = new QLabel(QStringLiteral("&Teilnetze der Länge"), this);
    teiltitel->setBuddy(teilpraefix_);
    auto* zeile = new QHBoxLayout;
    zeile->setSpacing(6);
    zeile->addWidget(txtipv6_, 1);
    zeile->addSpacing(12);
    zeile->addWidget(teiltitel);
    zeile->addWidget(teilpraefix_);
    raster->addWidget(titel, 0, 0);
    raster->addLayout(zeile, 0, 1);

    meldung_ = new QLabel(this);
    meldung_->setObjectName(QStringLiteral("lblmeldung"));
    meldung_->setWordWrap(true);
    meldung_->setTextFormat(Qt::PlainText);
    raster->addWidget(meldung_, 1, 1);
}

void Ipv6Fenster::baueKopf(QGridLayout* raster, int ersteZeile)
{
    for (std::size_t i = 0; i < kopfzeilen.size(); ++i) {
        titel_[i] = new QLabel(QString::fromUtf8(kopfzeilen[i].titel), this);
        kopf_[i] = new QLabel(this);
        kopf_[i]->setObjectName(QLatin1String(kopfzeilen[i].name));
        kopf_[i]->setFont(fensterSchrift(8.25, true));
        kopf_[i]->setTextFormat(Qt::PlainText);
        titel_[i]->setBuddy(kopf_[i]);
        raster->addWidget(titel_[i], ersteZeile + int(i), 0);
        raster->addWidget(kopf_[i], ersteZeile + int(i), 1);
    }
    // Room for the longest texts from the start, so the window keeps its width
    // whatever is typed: 2^128 grouped, and the deepest zone, rounded down.
    const QFontMetricsF masse(kopf_[0]->font());
    const std::string alles = mitTausenderpunkten(zweierpotenz(128)) + " (2^128)";
    const std::string zone = reverseZone({letzterIndex(128), 127});
    raster->setColumnMinimumWidth(
        1, std::max(breite(QString::fromStdString(alles), masse), breite(breitestes(zone, masse), masse)));
    raster->setColumnStretch(1, 1);
}

void Ipv6Fenster::richteTabelleEin()
{
    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("tabelle"));
    tabelle_->setModel(modell_);
    tabelle_->setItemDelegate(new Ipv6Zellenmaler(tabelle_));
    richteListentabelleEin(tabelle_);
    macheZeilenKopierbar(tabelle_, Ipv6Teilung::hoechstensZeilen);
}

QLayout* Ipv6Fenster::baueFuss()
{
    txtnr_ = new QLineEdit(this);
    txtnr_->setObjectName(QStringLiteral("txtnr"));
    auto* titel = new QLabel(QStringLiteral("Gehe zu &Nr."), this);
    titel->setBuddy(txtnr_);
    springe_ = new QPushButton(QStringLiteral("&Zeigen"), this);
    springe_->setObjectName(QStringLiteral("springe"));
    speichern_ = new QPushButton(QStringLiteral("Als CSV &speichern…"), this);
    speichern_->setObjectName(QStringLiteral("speichern"));

    auto* fuss = new QHBoxLayout;
    fuss->addWidget(titel);
    fuss->addWidget(txtnr_, 1);
    fuss->addWidget(springe_);
    fuss->addStretch(1);
    fuss->addWidget(speichern_);
    return fuss;
}

void Ipv6Fenster::benenneSteuerelemente()
{
    std::vector<Bezeichnung> namen;
    for (std::size_t i = 0; i < kopf_.size(); ++i)
        namen.push_back({kopf_[i], QString::fromUtf8(kopfzeilen[i].titel)});
    namen.push_back({txtipv6_, QStringLiteral("IPv6-Präfix, Adresse mit Präfixlänge")});
    namen.push_back({teilpraefix_, QStringLiteral("Präfixlänge der Teilnetze")});
    namen.push_back({meldung_, QStringLiteral("Meldung")});
    namen.push_back({umfang_, QStringLiteral("Umfang der Tabelle")});
    namen.push_back({tabelle_, QStringLiteral("Teilnetze")});
    namen.push_back({txtnr_, QStringLiteral("Gehe zu Teilnetz Nummer")});
    namen.push_back({springe_, QStringLiteral("Teilnetz mit dieser Nummer zeigen")});
    namen.push_back({speichern_, QStringLiteral("Teilnetze als CSV-Datei speichern")});
    benenneFuerScreenreader(namen);
    macheKopierbar(this, {kopf_.begin(), kopf_.end()});
}

void Ipv6Fenster::passeSpaltenAn()
{
    const auto& teilung = modell_->teilung();
    QHeaderView* spalten = tabelle_->horizontalHeader();
    const QFontMetricsF masse(tabelle_->font());
    // The item view's text margins, and the grid line on the right of a cell.
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabelle_) + 1) + 1;
    const auto muster = teilung->breitesteZeile();
    for (int i = 0; i < Ipv6Teilung::spaltenzahl; ++i)
        spalten->resizeSection(
            i, std::max(breite(breitestes(muster[std::size_t(i)], masse), masse) + rand, spalten->sectionSizeHint(i)));
}

void Ipv6Fenster::legeGroesseFest()
{
    // Wide enough for the subnets of the usual splits, up to a /64 split of a
    // /32, whose addresses run to 38 characters; the table starts with about
    // 16 rows and may grow with the window. A larger split widens its columns
    // and the table scrolls.
    const QFontMetricsF masse(tabelle_->font());
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabelle_) + 1) + 1;
    const std::array<std::string, Ipv6Teilung::spaltenzahl> ueblich = {"0.000.000.000", "0000:000:0000:0000:0:0:0:0/64",
                                                                       "0000:000:0000:0000:0:0:0:0",
                                                                       "0000:000:0000:0000:0000:0000:0000:0000"};
    const QHeaderView* spalten = tabelle_->horizontalHeader();
    int breiteTabelle = 2 * tabelle_->frameWidth()
                        + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tabelle_);
    for (int i = 0; i < Ipv6Teilung::spaltenzahl; ++i)
        breiteTabelle += std::max(spalten->sectionSize(i),
                                  breite(breitestes(ueblich[std::size_t(i)], masse), masse) + rand);
    const int hoehe = 2 * tabelle_->frameWidth() + spalten->sizeHint().height()
                      + sichtbareZeilen * tabelle_->verticalHeader()->defaultSectionSize();
    tabelle_->setMinimumHeight(hoehe);
    int weite = std::max(sizeHint().width(),
                         breiteTabelle + layout()->contentsMargins().left() + layout()->contentsMargins().right());
    if (const QScreen* bildschirm = screen())
        weite = std::min(weite, bildschirm->availableGeometry().width() * 9 / 10);
    resize(weite, sizeHint().height());
    tabelle_->setMinimumHeight(hoehe / 4);
}

} // namespace netzplaner
