// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/zufall/hauptfenster.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "tests/hilfen/finde.h"
#include "tests/zufall/orakel.h"
#include "tests/zufall/pruefung.h"

namespace zufall {
namespace {

bool istOktett(const QString& text)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return text.toInt() <= 255;
}

void vergleiche(QStringList& fehler, const std::array<QLabel*, 4>& labels, const std::array<std::string, 4>& soll)
{
    for (std::size_t i = 0; i < 4; ++i)
        zufall::vergleiche(fehler, labels[i], labels[i]->text(), soll[i]);
}

} // namespace

Hauptfenster::Hauptfenster(QWidget* form)
{
    findeReihe(form, "txtip", txtip);
    txtbits = finde<QLineEdit>(form, QStringLiteral("txtbits"));
    findeReihe(form, "Option1", netzart);
    findeReihe(form, "Option2", anteil);
    findeReihe(form, "lblsubnet", lblsubnet);
    findeReihe(form, "lblnetz", lblnetz);
    findeReihe(form, "lblbroad", lblbroad);
    findeReihe(form, "lbldual", lbldual);
    findeReihe(form, "lbldual1", lbldual1);
    findeReihe(form, "lbldual2", lbldual2);
    Label4 = finde<QLabel>(form, QStringLiteral("Label4"));
    Label13 = finde<QLabel>(form, QStringLiteral("Label13"));
}

QString Hauptfenster::eingaben() const
{
    QStringList oktette;
    for (const QLineEdit* feld : txtip)
        oktette << lesbar(feld->text());
    return QStringLiteral("%1, Option1(%2), Option2(%3), txtbits \"%4\"%5")
        .arg(oktette.join(u'.'))
        .arg(eingeschaltet(netzart))
        .arg(eingeschaltet(anteil))
        .arg(lesbar(txtbits->text()), txtbits->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
}

Eingabe Hauptfenster::eingabe() const
{
    Eingabe eingabe;
    for (std::size_t i = 0; i < 4; ++i)
        eingabe.oktette[i] = txtip[i]->text().toUInt();
    eingabe.netzart = eingeschaltet(netzart);
    eingabe.anteil = eingeschaltet(anteil);
    eingabe.bits = txtbits->text().toInt();
    return eingabe;
}

QStringList Hauptfenster::pruefe(bool oktettBearbeitet) const
{
    QStringList fehler;
    for (std::size_t i = 0; i < 4; ++i)
        if (!istOktett(txtip[i]->text()))
            fehler << QStringLiteral("txtip(%1) holds \"%2\"").arg(i).arg(lesbar(txtip[i]->text()));
    const QString bits = txtbits->text();
    if (bits.size() != 1 || bits[0] < u'0' || bits[0] > u'8')
        fehler << QStringLiteral("txtbits holds \"%1\"").arg(lesbar(bits));
    if (eingeschaltet(netzart) < 0 || eingeschaltet(anteil) < 0)
        fehler << QStringLiteral("not exactly one button on in each group");
    if (!fehler.isEmpty())
        return fehler; // no sound inputs to compare the results with

    const Eingabe eingabe = this->eingabe();
    if (txtbits->isEnabled() != (eingabe.netzart != 0))
        fehler << QStringLiteral("txtbits is %1 with Option1(%2)")
                      .arg(txtbits->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))
                      .arg(eingabe.netzart);
    if (oktettBearbeitet && eingabe.anteil != anteilDerKlasse(eingabe.oktette[0]))
        fehler << QStringLiteral("after an octet edit Option2(%1) is on, the class needs Option2(%2)")
                      .arg(eingabe.anteil)
                      .arg(anteilDerKlasse(eingabe.oktette[0]));

    const Erwartung soll = erwarte(eingabe);
    vergleiche(fehler, Label4, Label4->text(), soll.klasse);
    vergleiche(fehler, lblsubnet, soll.maske.dezimal);
    vergleiche(fehler, lblnetz, soll.netz.dezimal);
    vergleiche(fehler, lblbroad, soll.broadcast.dezimal);
    vergleiche(fehler, lbldual, soll.maske.dual);
    vergleiche(fehler, lbldual1, soll.netz.dual);
    vergleiche(fehler, lbldual2, soll.broadcast.dual);
    vergleiche(fehler, Label13, Label13->text(), soll.anzahl);
    return fehler;
}

} // namespace zufall
