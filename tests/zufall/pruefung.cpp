#include "tests/zufall/pruefung.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "tests/zufall/orakel.h"

namespace zufall {
namespace {

template <typename T>
T* finde(QWidget* fenster, const QString& name)
{
    T* w = fenster->findChild<T*>(name);
    if (!w)
        qFatal("no control named %s", qPrintable(name));
    return w;
}

template <typename T, std::size_t N>
void findeReihe(QWidget* fenster, const char* name, std::array<T*, N>& reihe, std::size_t ab = 0)
{
    for (std::size_t i = ab; i < N; ++i)
        reihe[i] = finde<T>(fenster, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
}

// The index of the one button that is on, -1 if none or several are.
template <std::size_t N>
int eingeschaltet(const std::array<QRadioButton*, N>& gruppe, std::size_t ab = 0)
{
    int an = -1;
    for (std::size_t i = ab; i < N; ++i) {
        if (!gruppe[i]->isChecked())
            continue;
        if (an >= 0)
            return -1;
        an = int(i);
    }
    return an;
}

bool istOktett(const QString& text)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return text.toInt() <= 255;
}

void vergleiche(QStringList& fehler, const QWidget* w, const QString& ist, const std::string& soll)
{
    const QString erwartet = QString::fromStdString(soll);
    if (ist != erwartet)
        fehler << QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                      .arg(w->objectName(), lesbar(ist), lesbar(erwartet));
}

void vergleiche(QStringList& fehler, const std::array<QLabel*, 4>& labels, const std::array<std::string, 4>& soll)
{
    for (std::size_t i = 0; i < 4; ++i)
        vergleiche(fehler, labels[i], labels[i]->text(), soll[i]);
}

} // namespace

QString lesbar(const QString& text)
{
    constexpr int hoechstens = 60;
    QString aus;
    for (const QChar c : text.left(hoechstens)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\')
            aus += c;
        else
            aus += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (text.size() > hoechstens)
        aus += QStringLiteral("... (%1 characters)").arg(text.size());
    return aus;
}

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

QStringList Hauptfenster::pruefe(bool oktettBearbeitet) const
{
    QStringList fehler;
    Eingabe eingabe;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!istOktett(txtip[i]->text()))
            fehler << QStringLiteral("txtip(%1) holds \"%2\"").arg(i).arg(lesbar(txtip[i]->text()));
        else
            eingabe.oktette[i] = txtip[i]->text().toUInt();
    }
    const QString bits = txtbits->text();
    if (bits.size() != 1 || bits[0] < u'0' || bits[0] > u'8')
        fehler << QStringLiteral("txtbits holds \"%1\"").arg(lesbar(bits));
    eingabe.netzart = eingeschaltet(netzart);
    eingabe.anteil = eingeschaltet(anteil);
    if (eingabe.netzart < 0 || eingabe.anteil < 0)
        fehler << QStringLiteral("not exactly one button on in each group");
    if (!fehler.isEmpty())
        return fehler; // no sound inputs to compare the results with

    eingabe.bits = bits.toInt();
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

Wandeln::Wandeln(QWidget* fenster)
{
    Text1 = finde<QLineEdit>(fenster, QStringLiteral("Text1"));
    Text2 = finde<QLineEdit>(fenster, QStringLiteral("Text2"));
    findeReihe(fenster, "Option1", Option1, 1);
}

QStringList Wandeln::pruefe(QString& ergebnis) const
{
    QStringList fehler;
    const int basis = eingeschaltet(Option1, 1);
    if (basis < 0)
        return {QStringLiteral("not exactly one base chosen")};
    if (Text1->text().size() > 9)
        fehler << QStringLiteral("Text1 holds %1 characters").arg(Text1->text().size());
    if (!Text1->text().isEmpty())
        ergebnis = QString::fromStdString(umgerechnet(Text1->text().toStdString(), basis));
    vergleiche(fehler, Text2, Text2->text(), ergebnis.toStdString());
    return fehler;
}

} // namespace zufall
