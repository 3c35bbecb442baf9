// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/wandelnfenster.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "converter/ganzauswahl.h"
#include "converter/umrechnen.h"
#include "converter/zahlpruefen.h"
#include "toolkit/bilder.h"
#include "toolkit/escape.h"
#include "toolkit/kopierbar.h"
#include "toolkit/schriften.h"
#include "toolkit/steuerelement.h"
#include "toolkit/textfeld.h"
#include "toolkit/ueberschrift.h"
#include "toolkit/zugaenglichkeit.h"

namespace netzplaner {
namespace {

// The table was drawn for MS Sans Serif; its stand-in runs a few pixels wider,
// and "Hexadezimal" would lose the end of its caption and of its focus frame.
// The frame has room to the right of its buttons.
void wachseImRahmen(QRadioButton* knopf, const QGroupBox* rahmen)
{
    const int platz = rahmen->contentsRect().right() + 1 - knopf->x();
    const int noetig = std::min(knopf->sizeHint().width(), platz);
    if (noetig > knopf->width())
        knopf->resize(noetig, knopf->height());
}

} // namespace

WandelnFenster::WandelnFenster(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("wandeln"));
    setWindowTitle(QStringLiteral("Verschiedene Zahlensysteme"));
    setWindowIcon(fenstersymbol());
    setFont(fensterSchrift());

    auto* leiste = new QMenuBar(this);
    QAction* ende = leiste->addAction(QStringLiteral("&Ende"));
    ende->setObjectName(QStringLiteral("ende"));
    connect(ende, &QAction::triggered, this, &QWidget::close);

    // The controls sit at fixed places on a client area of fixed size; the
    // layout only stacks the menu bar above it and fixes the window's size.
    auto* flaeche = new QWidget(this);
    flaeche->setFixedSize(twipsGroesse(flaeche, flaecheInTwips));
    auto* stapel = new QVBoxLayout(this);
    stapel->setContentsMargins(0, 0, 0, 0);
    stapel->setSpacing(0);
    stapel->setMenuBar(leiste);
    stapel->addWidget(flaeche);
    stapel->setSizeConstraint(QLayout::SetFixedSize);

    baueSteuerelemente(flaeche);

    // Form_Load: the preset is selected whole, so the first digit typed replaces it.
    Text1->selectAll();
    umrechnen();
    Text1->setFocus();

    verbindeEreignisse();
    benenneFuerScreenreader({
        {Text1, QStringLiteral("Eingabe, Dezimalzahl")},
        {Option1[1], QStringLiteral("Wandeln in: Dual")},
        {Option1[2], QStringLiteral("Wandeln in: Oktal")},
        {Option1[3], QStringLiteral("Wandeln in: Hexadezimal")},
        {Text2, QStringLiteral("Ergebnis")},
    });
    bezeichneUeberschrift(Label1, [this] { return Text1->text(); });
    bezeichneUeberschrift(Label2, [this] { return Text2->text(); });
    kopiereGanzesErgebnisPerTaste(
        this, [this] { return QString::fromStdString(umrechnungenAlsText(Text1->text().toStdString())); });
}

void WandelnFenster::baueSteuerelemente(QWidget* flaeche)
{
    Label1 = platziere(new QLabel(QStringLiteral("Eingabe (Dezimal)"), flaeche), QStringLiteral("Label1"), 120, 120,
                       1455, 255);

    Text1 = platziere(new Textfeld(QStringLiteral("255"), flaeche), QStringLiteral("Text1"), 120, 360, 975, 285);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setMaxLength(eingabeStellen);

    Label2 = platziere(new QLabel(QStringLiteral("Ergebnis:"), flaeche), QStringLiteral("Label2"), 120, 1320, 1455,
                       255);

    // Nothing reads the result box: it is there to be read and copied.
    Text2 = platziere(new Textfeld(QStringLiteral("888888888"), flaeche), QStringLiteral("Text2"), 120, 1560, 3135,
                      285);
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setReadOnly(true);

    auto* rahmen = platziere(new QGroupBox(QStringLiteral("Wandeln in:"), flaeche), QStringLiteral("Frame1"), 1560, 120,
                             1695, 1335);
    const struct {
        const char* text;
        int oben, breite;
    } basen[] = {{"Dual", 240, 1095}, {"Oktal", 600, 1215}, {"Hexadezimal", 960, 1215}};
    for (int i = 1; i <= 3; ++i) {
        const auto& basis = basen[i - 1];
        Option1[i] = platziere(new QRadioButton(QLatin1String(basis.text), rahmen), indexName("Option1", i), 360,
                               basis.oben, basis.breite, 255);
        wachseImRahmen(Option1[i], rahmen);
    }
    Option1[1]->setChecked(true);

    // Qt's chain enters an exclusive group through its checked button only.
    setTabOrder(Text1, Option1[1]);
    setTabOrder(Option1[1], Option1[2]);
    setTabOrder(Option1[2], Option1[3]);
    setTabOrder(Option1[3], Text2);
}

void WandelnFenster::verbindeEreignisse()
{
    for (int i = 1; i <= 3; ++i) {
        // Click: the switch to on, whether by mouse, arrow key or program.
        QRadioButton* knopf = Option1[i];
        connect(knopf, &QRadioButton::toggled, this, [this, knopf](bool an) {
            if (!an)
                return;
            umrechnen();
            Text1->setFocus();
            // An arrow key hands the focus to the new button after switching
            // it on; take it back once Qt is done.
            QTimer::singleShot(0, Text1, [this, knopf] {
                if (knopf->hasFocus())
                    Text1->setFocus();
            });
        });
    }

    connect(Text1, &QLineEdit::textChanged, this, [this] { umrechnen(); });
    Text1->zeichenFilter = zahlpruefen;
    waehleGanzBeiFokus(Text1);
    waehleGanzBeiFokus(Text2);
}

void WandelnFenster::umrechnen()
{
    Zahlensystem ziel = Zahlensystem::Hexadezimal;
    if (Option1[1]->isChecked())
        ziel = Zahlensystem::Dual;
    else if (Option1[2]->isChecked())
        ziel = Zahlensystem::Oktal;

    if (const auto ergebnis = netzplaner::umrechnen(Text1->text().toStdString(), ziel))
        Text2->setText(QString::fromStdString(ergebnis->text));
    meldeUeberschrift(Label1);
    meldeUeberschrift(Label2);
}

void WandelnFenster::keyPressEvent(QKeyEvent* ereignis)
{
    // QDialog would close on Escape; this window closes through "Ende" or its
    // frame only, and Escape does nothing here as it does in Text1.
    if (istEscape(ereignis)) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

} // namespace netzplaner
