// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form1.h"

#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QTimer>

#include "toolkit/bilder.h"
#include "toolkit/fensterlage.h"
#include "toolkit/textfeld.h"
#include "toolkit/twips.h"

namespace netzplaner {
namespace {

template <typename Aufzaehlung>
std::optional<Aufzaehlung> eingeschaltet(const std::array<QRadioButton*, 3>& gruppe)
{
    for (std::size_t i = 0; i < gruppe.size(); ++i)
        if (gruppe[i]->isChecked())
            return static_cast<Aufzaehlung>(i);
    return std::nullopt;
}

// Tab enters an option group through its selected button only; the arrow
// keys move between the buttons, as Qt does for exclusive buttons anyway.
void nurGewaehlteImTabkreis(const std::array<QRadioButton*, 3>& gruppe)
{
    for (QRadioButton* knopf : gruppe)
        knopf->setFocusPolicy(knopf->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void schreibe(const std::array<QLabel*, 4>& labels, const std::array<std::string, 4>& texte)
{
    for (std::size_t i = 0; i < 4; ++i)
        labels[i]->setText(QString::fromStdString(texte[i]));
}

} // namespace

Form1::Form1(QWidget* eltern)
    : QMainWindow(eltern)
{
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(QStringLiteral("Netzplaner "));
    setWindowIcon(fenstersymbol());

    flaeche_ = new QWidget(this);
    flaeche_->setMouseTracking(true);
    flaeche_->installEventFilter(this);
    setCentralWidget(flaeche_);

    baueMenue();
    baueEingabezeile(flaeche_);
    baueErgebnisse(flaeche_);
    baueModusspalte(flaeche_);
    baueUntereSpalte(flaeche_);
    legeUndurchsichtigeNachOben();
    legeTabfolgeFest();
    benenneSteuerelemente();

    flaeche_->setFixedSize(twipsGroesse(flaeche_, flaecheInTwips));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(blinkAbstandMs);
    connect(timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);

    for (const auto* gruppe : {&option1_, &option2_}) {
        nurGewaehlteImTabkreis(*gruppe);
        for (QRadioButton* knopf : *gruppe)
            connect(knopf, &QRadioButton::toggled, this, [this, gruppe](bool an) {
                nurGewaehlteImTabkreis(*gruppe);
                // A button's Click is its switch to on, also when the program switches it.
                if (an)
                    ausfuehren();
            });
    }
    verbindeFelder();

    // Load: the first results, before the window is first shown.
    ausfuehren();
    klassepruefen();

    timer1_->start();
    adjustSize();
    zentriereAufBildschirm(this);
}

Eingaben Form1::eingaben() const
{
    Eingaben e;
    for (std::size_t i = 0; i < 4; ++i)
        e.oktette[i] = txtip_[i]->text().toStdString();
    e.netzart = eingeschaltet<Netzart>(option1_);
    e.adressanteil = eingeschaltet<Adressanteil>(option2_);
    e.bits = txtbits_->text().toStdString();
    return e;
}

void Form1::ausfuehren()
{
    // A run that stops early leaves the later labels as they were: the window
    // keeps showing the last complete results and carries on.
    const Anzeige anzeige = berechnung_.ausfuehren(eingaben());
    txtbits_->setEnabled(anzeige.bitsAktiv);
    if (anzeige.klassenText)
        label4_->setText(QString::fromStdString(*anzeige.klassenText));
    if (!anzeige.ergebnisse)
        return;
    const Ergebnisse& e = *anzeige.ergebnisse;
    schreibe(lblsubnet_, e.maske.dezimal);
    schreibe(lblnetz_, e.netz.dezimal);
    schreibe(lblbroad_, e.broadcast.dezimal);
    schreibe(lbldual_, e.maske.dual);
    schreibe(lbldual1_, e.netz.dual);
    schreibe(lbldual2_, e.broadcast.dual);
    meldeAdressen();
    if (e.anzahl)
        label13_->setText(QString::fromStdString(*e.anzahl));
    folgeNetzliste();
    folgeRechenweg();
}

void Form1::klassepruefen()
{
    // Switching the button on raises its Click, which recalculates with the new part.
    option2_[static_cast<std::size_t>(berechnung_.klassepruefen())]->setChecked(true);
}

void Form1::Timer1_Timer()
{
    const bool ungerade = zaehler_ % 2 == 1;
    image1_[0]->setVisible(ungerade);
    image1_[1]->setVisible(!ungerade);
    zaehler_ = static_cast<std::uint8_t>((zaehler_ + 1) % blinkZaehlerBis);
}

} // namespace netzplaner
