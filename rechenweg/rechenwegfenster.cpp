// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg/rechenwegfenster.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/rechenweg.h"
#include "toolkit/bilder.h"

namespace netzplaner {
namespace {

// Dark enough on a light window, and told apart by more than hue: the "|"
// and the words beside the bits say the same for those who cannot see them.
QString farbe(Bitteil teil)
{
    switch (teil) {
    case Bitteil::Netz:
        return QStringLiteral("#1f4e9c");
    case Bitteil::Geliehen:
        return QStringLiteral("#1b7a2f");
    case Bitteil::Abgegeben:
        return QStringLiteral("#b35900");
    case Bitteil::Host:
        break;
    }
    return QStringLiteral("#a01c1c");
}

// The bit pattern with each bit in the colour of its part; host bits also
// in italics, so that they differ in a grey rendering too.
QString gefaerbt(const Rechenweg& weg)
{
    QString html = QStringLiteral("<span style=\"white-space:pre\">");
    std::size_t bit = 0;
    for (const char c : weg.bits) {
        if (c != '0' && c != '1') {
            html += QLatin1Char(c);
            continue;
        }
        const Bitteil teil = weg.teile[bit++];
        const bool host = teil == Bitteil::Host || teil == Bitteil::Abgegeben;
        html += QStringLiteral("<span style=\"color:%1%2\">%3</span>")
                    .arg(farbe(teil), host ? QStringLiteral(";font-style:italic") : QString(), QString(QLatin1Char(c)));
    }
    return html + QStringLiteral("</span>");
}

QString zeilen(const auto& texte)
{
    QStringList liste;
    for (const std::string& text : texte)
        liste << QString::fromStdString(text);
    return liste.join(QLatin1Char('\n'));
}

} // namespace

RechenwegFenster::RechenwegFenster(const std::optional<Netzwahl>& wahl, QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Window)
{
    setObjectName(QStringLiteral("rechenweg"));
    setWindowTitle(QStringLiteral("Rechenweg"));
    setWindowIcon(fenstersymbol());

    auto* stapel = new QVBoxLayout(this);
    const auto ueberschrift = [this, stapel](const QString& text) {
        auto* titel = new QLabel(text, this);
        QFont fett = titel->font();
        fett.setBold(true);
        titel->setFont(fett);
        stapel->addWidget(titel);
    };
    ueberschrift(QStringLiteral("Netzanteil und Hostanteil"));
    bits_ = schrittlabel("lblbits", true);
    bits_->setTextFormat(Qt::RichText);
    stapel->addWidget(bits_);
    anteile_ = schrittlabel("lblanteile", false);
    stapel->addWidget(anteile_);
    auto* legende = new QLabel(
        QStringLiteral("Farben: <span style=\"color:%1\">Netzanteil der Klasse</span>, "
                       "<span style=\"color:%2\">geliehen</span>, "
                       "<span style=\"color:%3\"><i>abgegeben</i></span>, "
                       "<span style=\"color:%4\"><i>Hostanteil</i></span>")
            .arg(farbe(Bitteil::Netz), farbe(Bitteil::Geliehen), farbe(Bitteil::Abgegeben), farbe(Bitteil::Host)),
        this);
    legende->setObjectName(QStringLiteral("lbllegende"));
    legende->setWordWrap(true);
    stapel->addWidget(legende);
    ueberschrift(QStringLiteral("Netzadresse: Adresse UND Maske"));
    und_ = schrittlabel("lblund", true);
    stapel->addWidget(und_);
    ueberschrift(QStringLiteral("Broadcast: Netzadresse ODER invertierte Maske"));
    oder_ = schrittlabel("lbloder", true);
    stapel->addWidget(oder_);
    ueberschrift(QStringLiteral("Anzahlen"));
    anzahl_ = schrittlabel("lblanzahl", true);
    stapel->addWidget(anzahl_);
    stapel->addStretch(1);

    // Opened while the main window shows no net of its own (a field being
    // typed), it stays empty until the next complete calculation.
    if (wahl)
        setzeWahl(*wahl);
}

QLabel* RechenwegFenster::schrittlabel(const char* name, bool festeBreite)
{
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    if (festeBreite)
        label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    else
        label->setWordWrap(true);
    return label;
}

void RechenwegFenster::setzeWahl(const Netzwahl& wahl)
{
    const Rechenweg weg = rechenweg(wahl);
    bits_->setText(gefaerbt(weg));
    anteile_->setText(QString::fromStdString(weg.anteile));
    und_->setText(zeilen(weg.und));
    oder_->setText(zeilen(weg.oder));
    anzahl_->setText(zeilen(weg.anzahl));
    bits_->setAccessibleName(QString::fromStdString(weg.bitsGesprochen));
    anteile_->setAccessibleName(QString::fromStdString(weg.anteile));
    und_->setAccessibleName(QString::fromStdString(weg.undGesprochen));
    oder_->setAccessibleName(QString::fromStdString(weg.oderGesprochen));
    anzahl_->setAccessibleName(QString::fromStdString(weg.anzahlGesprochen));
}

void RechenwegFenster::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(ereignis);
}

} // namespace netzplaner
