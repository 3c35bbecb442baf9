// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the main window, which of its labels the
// mouse may select and copy, and the whole result copied by a key.
#include <QLabel>
#include <QRadioButton>
#include <QStringList>

#include "calc/ergebnistext.h"
#include "toolkit/kopierbar.h"
#include "toolkit/steuerelement.h"
#include "toolkit/textfeld.h"
#include "toolkit/trenner.h"
#include "toolkit/ueberschrift.h"
#include "toolkit/zugaenglichkeit.h"
#include "ui/form1.h"

namespace netzplaner {

std::vector<QLabel*> Form1::ergebnisse() const
{
    // Label11 and the pictures are links and keep their clicks.
    std::vector<QLabel*> labels{label4_, label13_};
    for (const auto* reihe : {&lblsubnet_, &lblnetz_, &lblbroad_, &lbldual_, &lbldual1_, &lbldual2_})
        labels.insert(labels.end(), reihe->begin(), reihe->end());
    return labels;
}

void Form1::benenneSteuerelemente()
{
    // Captions are read without their padding blanks ("  8 Bit").
    std::vector<Bezeichnung> liste{
        {option2_[0], QStringLiteral("Adressanteil: 8 Bit")},
        {option2_[1], QStringLiteral("Adressanteil: 16 Bit")},
        {option2_[2], QStringLiteral("Adressanteil: 24 Bit")},
        {option1_[0], QStringLiteral("Netzart: Normal")},
        {option1_[1], QStringLiteral("Netzart: Sub Netz")},
        {option1_[2], QStringLiteral("Netzart: Super Netz")},
        {txtbits_, QStringLiteral("Bits für Sub- oder Supernetz")},
        {label4_, QStringLiteral("Adressklasse")},
        {label13_, QStringLiteral("Anzahl")},
        // Named for what a click on them does.
        {image1_[0], QStringLiteral("Webseite von Quendelwerk öffnen")},
        {image1_[1], QStringLiteral("Webseite von Quendelwerk öffnen")},
    };
    const auto reihe = [&liste](const auto& steuerelemente, const QString& muster) {
        for (std::size_t i = 0; i < steuerelemente.size(); ++i)
            liste.push_back({steuerelemente[i], muster.arg(i + 1)});
    };
    reihe(txtip_, QStringLiteral("Oktett %1 der IP-Adresse"));
    reihe(lblsubnet_, QStringLiteral("Netzmaske, Oktett %1"));
    reihe(lbldual_, QStringLiteral("Netzmaske, Oktett %1 binär"));
    reihe(lblnetz_, QStringLiteral("Netzadresse, Oktett %1"));
    reihe(lbldual1_, QStringLiteral("Netzadresse, Oktett %1 binär"));
    reihe(lblbroad_, QStringLiteral("Broadcast-Adresse, Oktett %1"));
    reihe(lbldual2_, QStringLiteral("Broadcast-Adresse, Oktett %1 binär"));
    benenneFuerScreenreader(liste);
    // A listener hears what is shown: the four octets as the labels hold them.
    const auto punktiert = [](const std::array<QLabel*, 4>& oktette) {
        return [&oktette] {
            return oktette[0]->text() + QLatin1Char('.') + oktette[1]->text() + QLatin1Char('.') + oktette[2]->text()
                   + QLatin1Char('.') + oktette[3]->text();
        };
    };
    bezeichneUeberschrift(label8_, punktiert(lblsubnet_), QStringLiteral("Netzmaske"));
    bezeichneUeberschrift(label9_, punktiert(lblnetz_), QStringLiteral("Netzadresse"));
    bezeichneUeberschrift(label10_, punktiert(lblbroad_), QStringLiteral("Broadcast-Adresse"));

    // Nothing else needs the lines and dots; they are found by their names.
    std::vector<QWidget*> trenner;
    for (const char* name : {"Line1", "Line2", "Line3", "Label1", "Label2", "Label3"})
        trenner.push_back(findChild<QWidget*>(QLatin1String(name)));
    for (int i = 0; i < 9; ++i)
        trenner.push_back(findChild<QWidget*>(indexName("Label6", i)));
    verbirgTrenner(trenner);

    macheKopierbar(this, ergebnisse());
    kopiereGanzesErgebnisPerTaste(this, [this] { return ganzesErgebnis(); });
}

QString Form1::ganzesErgebnis() const
{
    // What the labels show: a run that stopped early left the last complete results there.
    const auto oktette = [](const std::array<QLabel*, 4>& labels) {
        Oktette werte{};
        for (std::size_t i = 0; i < labels.size(); ++i)
            werte[i] = static_cast<std::uint8_t>(labels[i]->text().toUInt());
        return werte;
    };
    const Ergebnisstand stand{oktette(lblsubnet_), oktette(lblnetz_), oktette(lblbroad_), berechnung_.zustand().klasse,
                              label13_->text().toStdString()};
    return QString::fromStdString(ergebnisAlsText(stand));
}

void Form1::meldeAdressen()
{
    for (QLabel* ueberschrift : {label8_, label9_, label10_})
        meldeUeberschrift(ueberschrift);
}

} // namespace netzplaner
