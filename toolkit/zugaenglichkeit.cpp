#include "toolkit/zugaenglichkeit.h"

#include <QDebug>
#include <QLabel>
#include <QWidget>
#include <vector>

#include "toolkit/ergebniszugang.h"

namespace netzplaner {
namespace {

struct Bezeichnung {
    QString steuerelement; // objectName
    QString name;
};

std::vector<Bezeichnung> form1Bezeichnungen()
{
    std::vector<Bezeichnung> liste;
    auto reihe = [&liste](const char* feld, const QString& muster) {
        for (int i = 0; i < 4; ++i)
            liste.push_back({QStringLiteral("%1(%2)").arg(QLatin1String(feld)).arg(i), muster.arg(i + 1)});
    };
    reihe("txtip", QStringLiteral("Oktett %1 der IP-Adresse"));
    reihe("lblsubnet", QStringLiteral("Netzmaske, Oktett %1"));
    reihe("lbldual", QStringLiteral("Netzmaske, Oktett %1 binär"));
    reihe("lblnetz", QStringLiteral("Netzadresse, Oktett %1"));
    reihe("lbldual1", QStringLiteral("Netzadresse, Oktett %1 binär"));
    reihe("lblbroad", QStringLiteral("Broadcast-Adresse, Oktett %1"));
    reihe("lbldual2", QStringLiteral("Broadcast-Adresse, Oktett %1 binär"));
    // Captions are read without their padding blanks ("  8 Bit").
    liste.insert(liste.end(), {
        {QStringLiteral("Option2(0)"), QStringLiteral("Adressanteil: 8 Bit")},
        {QStringLiteral("Option2(1)"), QStringLiteral("Adressanteil: 16 Bit")},
        {QStringLiteral("Option2(2)"), QStringLiteral("Adressanteil: 24 Bit")},
        {QStringLiteral("Option1(0)"), QStringLiteral("Netzart: Normal")},
        {QStringLiteral("Option1(1)"), QStringLiteral("Netzart: Sub Netz")},
        {QStringLiteral("Option1(2)"), QStringLiteral("Netzart: Super Netz")},
        {QStringLiteral("txtbits"), QStringLiteral("Bits für Sub- oder Supernetz")},
        {QStringLiteral("Label4"), QStringLiteral("Adressklasse")},
        {QStringLiteral("Label13"), QStringLiteral("Anzahl")},
    });
    return liste;
}

std::vector<Bezeichnung> wandelnBezeichnungen()
{
    return {
        {QStringLiteral("Text1"), QStringLiteral("Eingabe, Dezimalzahl")},
        {QStringLiteral("Option1(1)"), QStringLiteral("Wandeln in: Dual")},
        {QStringLiteral("Option1(2)"), QStringLiteral("Wandeln in: Oktal")},
        {QStringLiteral("Option1(3)"), QStringLiteral("Wandeln in: Hexadezimal")},
        {QStringLiteral("Text2"), QStringLiteral("Ergebnis")},
    };
}

} // namespace

void benenneFuerScreenreader(QWidget* fenster)
{
    const QString art = fenster->objectName();
    const std::vector<Bezeichnung> liste = art == QLatin1String("form1")     ? form1Bezeichnungen()
                                           : art == QLatin1String("wandeln") ? wandelnBezeichnungen()
                                                                             : std::vector<Bezeichnung>{};
    for (const Bezeichnung& b : liste) {
        auto* steuerelement = fenster->findChild<QWidget*>(b.steuerelement);
        if (!steuerelement) {
            // A renamed control would silently go unnamed otherwise.
            qWarning() << "no control" << b.steuerelement << "in" << art << "to name for screen readers";
            continue;
        }
        // A label shows a result, whose figure belongs to what is read out;
        // inputs and options report their text or state themselves.
        if (auto* label = qobject_cast<QLabel*>(steuerelement))
            bezeichneErgebnis(label, b.name);
        else
            steuerelement->setAccessibleName(b.name);
    }
}

} // namespace netzplaner
