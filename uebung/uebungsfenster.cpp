// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebung/uebungsfenster.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "calc/antwort.h"
#include "calc/rechenweg.h"
#include "uebung/arbeitsblatt.h"

namespace netzplaner {
namespace {

QString alsText(const std::vector<std::string>& zeilen)
{
    QStringList liste;
    for (const std::string& zeile : zeilen)
        liste << QString::fromStdString(zeile);
    return liste.join(QLatin1Char('\n'));
}

// The worked solution read out line by line, its arithmetic in words.
void zeigeWeg(QLabel* label, const std::vector<std::string>& zeilen)
{
    label->setText(alsText(zeilen));
    QStringList gesagt;
    for (const std::string& zeile : zeilen)
        gesagt << QString::fromStdString(vorgelesen(zeile));
    label->setAccessibleName(QStringLiteral("Rechenweg der Aufgabe: ") + gesagt.join(QStringLiteral("; ")));
}

} // namespace

Aufgabenart UebungsFenster::gewaehlteArt() const
{
    return aufgabenartVon(art_->currentData().toString().toStdString()).value_or(Aufgabenart::Netz);
}

void UebungsFenster::zeigeAufgabe()
{
    aufgabe_ = erzeugeAufgabe(std::uint32_t(serie_->value()), gewaehlteArt(), std::uint32_t(nummer_->value()));
    gezaehlt_ = richtigGezaehlt_ = geloest_ = false;
    aufgabentext_->setText(QString::fromStdString(aufgabe_.text));
    for (std::size_t i = 0; i < std::size_t(hoechstensFelder); ++i) {
        const bool da = i < aufgabe_.felder.size();
        const QString frage = da ? QString::fromStdString(aufgabe_.felder[i].frage) : QString();
        frage_[i]->setText(frage);
        antwort_[i]->clear();
        antwort_[i]->setAccessibleName(frage);
        antwort_[i]->setAccessibleDescription({});
        urteil_[i]->clear();
        urteil_[i]->setAccessibleName(QStringLiteral("Urteil zu ") + frage);
        frage_[i]->setVisible(da);
        antwort_[i]->setVisible(da);
        urteil_[i]->setVisible(da);
    }
    ergebnis_->clear();
    weg_->clear();
    weg_->setAccessibleName(QStringLiteral("Rechenweg der Aufgabe, nach Prüfen oder Lösung zeigen"));
}

void UebungsFenster::naechste()
{
    if (nummer_->value() < nummer_->maximum())
        nummer_->setValue(nummer_->value() + 1);
    else
        zeigeAufgabe();
    antwort_[0]->setFocus();
}

void UebungsFenster::pruefe()
{
    int richtig = 0;
    QLineEdit* ersterFehler = nullptr;
    for (std::size_t i = 0; i < aufgabe_.felder.size(); ++i) {
        const Urteil u = netzplaner::pruefe(aufgabe_.felder[i], antwort_[i]->text().toStdString());
        const QString text = QString::fromStdString(u.text);
        urteil_[i]->setText(text);
        urteil_[i]->setAccessibleName(antwort_[i]->accessibleName() + QStringLiteral(": ") + text);
        antwort_[i]->setAccessibleDescription(text);
        if (u.richtig)
            ++richtig;
        else if (!ersterFehler)
            ersterFehler = antwort_[i];
    }
    const int alle = int(aufgabe_.felder.size());
    ergebnis_->setText(QStringLiteral("%1 von %2 richtig").arg(richtig).arg(alle));
    zeigeWeg(weg_, aufgabe_.weg);
    zaehle(richtig == alle);
    // The screen reader reads the field it lands on with its verdict.
    if (ersterFehler) {
        ersterFehler->setFocus();
        ersterFehler->selectAll();
    } else {
        naechste_->setAccessibleDescription(ergebnis_->text());
        naechste_->setFocus();
    }
}

void UebungsFenster::zeigeLoesung()
{
    geloest_ = true;
    for (std::size_t i = 0; i < aufgabe_.felder.size(); ++i) {
        const QString text = QStringLiteral("Lösung: ") + QString::fromStdString(aufgabe_.felder[i].loesung);
        urteil_[i]->setText(text);
        urteil_[i]->setAccessibleName(antwort_[i]->accessibleName() + QStringLiteral(": ") + text);
        antwort_[i]->setAccessibleDescription(text);
    }
    zeigeWeg(weg_, aufgabe_.weg);
    zaehle(false);
}

void UebungsFenster::zaehle(bool ganzRichtig)
{
    if (!gezaehlt_) {
        gezaehlt_ = true;
        ++aufgaben_;
    }
    // Right only by the learner's own work, not after the solution was shown.
    if (ganzRichtig && !richtigGezaehlt_ && !geloest_) {
        richtigGezaehlt_ = true;
        ++richtige_;
    }
    schreibeStatistik();
}

void UebungsFenster::schreibeStatistik()
{
    statistik_->setText(QStringLiteral("In dieser Runde: %1 %2, davon %3 ganz richtig")
                            .arg(aufgaben_)
                            .arg(aufgaben_ == 1 ? QStringLiteral("Aufgabe") : QStringLiteral("Aufgaben"))
                            .arg(richtige_));
}

void UebungsFenster::speichereArbeitsblatt()
{
    const auto erste = std::uint32_t(nummer_->value());
    const QString vorschlag = QStringLiteral("Arbeitsblatt_Serie%1_%2_%3-%4.pdf")
                                  .arg(serie_->value())
                                  .arg(art_->currentData().toString())
                                  .arg(erste)
                                  .arg(erste + aufgabenJeBlatt - 1);
    const QString pfad = dateiwahl(this, vorschlag);
    if (pfad.isEmpty())
        return;
    const QString fehler = schreibeArbeitsblatt(pfad, std::uint32_t(serie_->value()), gewaehlteArt(), erste);
    if (!fehler.isEmpty())
        warne(this, fehler);
}

void UebungsFenster::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(ereignis);
}

} // namespace netzplaner
