#include "converter/wandelnfenster.h"

#include <QGroupBox>
#include <QIcon>
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
#include "toolkit/schriften.h"
#include "toolkit/textfeld.h"
#include "toolkit/twips.h"
#include "toolkit/zugaenglichkeit.h"

namespace netzplaner {
namespace {

template <typename Steuerelement>
Steuerelement* neu(QWidget* behaelter, const char* name, int links, int oben, int breite, int hoehe)
{
    auto* element = new Steuerelement(behaelter);
    element->setObjectName(QString::fromLatin1(name));
    element->setGeometry(twipsRechteck(element, links, oben, breite, hoehe));
    return element;
}

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
    setWindowTitle(tr("Verschiedene Zahlensysteme"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/augen_offen.xpm")));
    setFont(fensterSchrift());

    auto* leiste = new QMenuBar(this);
    QAction* ende = leiste->addAction(tr("&Ende"));
    ende->setObjectName(QStringLiteral("ende"));
    connect(ende, &QAction::triggered, this, &QWidget::close);

    // The controls sit at fixed places on a client area of fixed size; the
    // layout only stacks the menu bar above it and fixes the window's size.
    auto* flaeche = new QWidget(this);
    flaeche->setFixedSize(twipsRechteck(flaeche, 0, 0, 3345, 1965).size());
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
}

void WandelnFenster::baueSteuerelemente(QWidget* flaeche)
{
    neu<QLabel>(flaeche, "Label1", 120, 120, 1455, 255)->setText(tr("Eingabe (Dezimal)"));

    Text1 = neu<Textfeld>(flaeche, "Text1", 120, 360, 975, 285);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setMaxLength(9);
    Text1->setText(QStringLiteral("255"));

    neu<QLabel>(flaeche, "Label2", 120, 1320, 1455, 255)->setText(tr("Ergebnis:"));

    // Nothing reads the result box: it is there to be read and copied.
    Text2 = neu<Textfeld>(flaeche, "Text2", 120, 1560, 3135, 285);
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setReadOnly(true);
    Text2->setText(QStringLiteral("888888888"));

    auto* rahmen = neu<QGroupBox>(flaeche, "Frame1", 1560, 120, 1695, 1335);
    rahmen->setTitle(tr("Wandeln in:"));
    Option1[1] = neu<QRadioButton>(rahmen, "Option1(1)", 360, 240, 1095, 255);
    Option1[1]->setText(tr("Dual"));
    Option1[2] = neu<QRadioButton>(rahmen, "Option1(2)", 360, 600, 1215, 255);
    Option1[2]->setText(tr("Oktal"));
    Option1[3] = neu<QRadioButton>(rahmen, "Option1(3)", 360, 960, 1215, 255);
    Option1[3]->setText(tr("Hexadezimal"));
    Option1[1]->setChecked(true);
    for (int i = 1; i <= 3; ++i)
        wachseImRahmen(Option1[i], rahmen);

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
        Text2->setText(QString::fromStdString(*ergebnis));
}

void WandelnFenster::keyPressEvent(QKeyEvent* ereignis)
{
    // QDialog would close on Escape; this window closes through "Ende" or its
    // frame only, and Escape does nothing here as it does in Text1.
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

} // namespace netzplaner
