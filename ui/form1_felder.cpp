// SPDX-License-Identifier: GPL-3.0-or-later
// The octet fields and the bit-count field: they keep their texts in range by
// rewriting them, then recalculate. A whole address pasted or dropped into an
// octet field fills all four and, with a prefix, the options that show it.
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "calc/einfuegen.h"
#include "calc/klasse.h"
#include "calc/text.h"
#include "toolkit/textfeld.h"
#include "ui/form1.h"

namespace netzplaner {
namespace {

// Octets take the ASCII digits only; a typed or pasted text with anything else
// is refused whole and the field keeps its text.
const QRegularExpression nurZiffern(QStringLiteral("[0-9]*"));

// The bit count refuses what sorts before "0" (blank, signs, "." "," "/");
// what sorts after "7" is turned into "8" when it arrives.
const QRegularExpression nichtVorNull(QStringLiteral("[^\\x{0}-/]*"));

bool vor(const QString& text, const char* anderer)
{
    return sortiertVor(text.toStdString(), anderer);
}

bool nach(const QString& text, const char* anderer)
{
    return sortiertNach(text.toStdString(), anderer);
}

QString zahlText(double zahl)
{
    return QString::fromStdString(zahlAlsText(zahl));
}

// The focus that comes back when a context menu closes is no new visit to the
// field: the user's caret and selection stay, for the menu's paste to replace.
bool zurueckVomMenue(Qt::FocusReason grund)
{
    return grund == Qt::PopupFocusReason;
}

std::optional<EingefuegteAdresse> adresseIn(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return leseAdresse(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

// A whole address is the window's; digits alone are the field's own paste,
// cut and corrected, without the line break a spreadsheet's cell or the blank
// a web page brings along; anything else is refused whole. An empty text is
// the field's too, as Qt's paste of nothing deletes the selection.
Einfuegeantwort beurteile(QString& text)
{
    if (text.isEmpty())
        return Einfuegeantwort::Feld;
    const QByteArray utf8 = text.toUtf8();
    const std::string_view roh(utf8.constData(), std::size_t(utf8.size()));
    if (leseAdresse(roh))
        return Einfuegeantwort::Genommen;
    const auto ziffern = leseZiffern(roh);
    if (!ziffern)
        return Einfuegeantwort::Verweigert;
    text = QString::fromLatin1(ziffern->data(), qsizetype(ziffern->size()));
    return Einfuegeantwort::Feld;
}

} // namespace

void Form1::verbindeFelder()
{
    for (Textfeld* feld : txtip_) {
        feld->setValidator(new QRegularExpressionValidator(nurZiffern, feld));
        connect(feld, &QLineEdit::textChanged, this, &Form1::txtip_Change);
        connect(feld, &Textfeld::geklickt, this, &Form1::txtip_Auswahl);
        feld->beurteileEinfuegung = beurteile;
        feld->einfuegen = [this](const QString& text) { txtip_Einfuegen(text); };
        connect(feld, &Textfeld::fokusErhalten, this, [this, feld](Qt::FocusReason grund) {
            if (zurueckVomMenue(grund))
                return;
            txtip_Auswahl();
            // Qt has just selected the whole octet for Tab; keep that, it is
            // what selecting from a caret at the start gives.
            if (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason)
                feld->selectAll();
        });
    }

    txtbits_->setValidator(new QRegularExpressionValidator(nichtVorNull, txtbits_));
    connect(txtbits_, &QLineEdit::textChanged, this, &Form1::txtbits_Change);
    connect(txtbits_, &Textfeld::keyDown, this, &Form1::txtbits_KeyDown);
    connect(txtbits_, &Textfeld::geklickt, this, [this] { txtbits_->waehleAbCursor(1); });
    connect(txtbits_, &Textfeld::fokusErhalten, this, [this](Qt::FocusReason grund) {
        if (zurueckVomMenue(grund))
            return;
        if (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason)
            txtbits_->selectAll();
        else
            txtbits_->waehleAbCursor(1);
    });
}

void Form1::txtip_Change()
{
    // All four fields, in order, whichever raised the event. Each rewrite
    // raises this handler again, nested, before setText returns.
    for (Textfeld* feld : txtip_) {
        if (feld->text().isEmpty()) {
            feld->setText(QStringLiteral("0"));
            continue;
        }
        bool zahl = false;
        if (feld->text().toDouble(&zahl) > 255 && zahl)
            feld->setText(QStringLiteral("255"));
    }
    ausfuehren();
    klassepruefen();
}

void Form1::txtip_Auswahl()
{
    // A typed octet overwrites the old one.
    for (Textfeld* feld : txtip_)
        feld->waehleAbCursor(3);
}

void Form1::txtip_Einfuegen(const QString& text)
{
    const auto adresse = adresseIn(text);
    if (!adresse)
        return;

    // Field by field, as typed octets arrive: each raises its Change, which
    // also switches the address part to the new class's.
    for (std::size_t i = 0; i < txtip_.size(); ++i)
        txtip_[i]->setText(QString::number(adresse->oktette[i]));
    if (!adresse->praefix)
        return;

    // Then the choices a user would make by hand for the prefix, in the same
    // controls, so the window ends as it would after them.
    const Praefixwahl wahl = waehleFuerPraefix(*adresse->praefix, adressanteilVon(klasseVon(adresse->oktette[0])));
    option2_[static_cast<std::size_t>(wahl.anteil)]->click();
    option1_[static_cast<std::size_t>(wahl.netzart)]->click();
    if (wahl.bits)
        txtbits_->setText(QString::number(*wahl.bits));
}

void Form1::txtbits_Change()
{
    const QString text = txtbits_->text();
    if (text.isEmpty())
        txtbits_->setText(QStringLiteral("0"));
    else if (nach(text, "7"))
        txtbits_->setText(QStringLiteral("8")); // writing "8" over "8" raises no event
    ausfuehren();
}

void Form1::txtbits_KeyDown(int taste)
{
    // Any key turns a count below 1 into 8, so the down arrow runs 8 .. 0, 8 ..
    if (vor(txtbits_->text(), "1")) {
        txtbits_->setText(QStringLiteral("8"));
        return;
    }
    if (taste == Qt::Key_Down)
        txtbits_->setText(zahlText(txtbits_->text().toDouble() - 1));
    if (taste == Qt::Key_Up)
        txtbits_->setText(zahlText(txtbits_->text().toDouble() + 1));
}

} // namespace netzplaner
