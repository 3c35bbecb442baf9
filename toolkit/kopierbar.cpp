#include "toolkit/kopierbar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>

namespace netzplaner {
namespace {

// Qt's own wording, so the menu reads like the line edits' ("&Kopieren\tStrg+C").
QString menuepunkt(const char* text, QKeySequence::StandardKey taste)
{
    return QCoreApplication::translate("QWidgetTextControl", text) + QLatin1Char('\t')
           + QKeySequence(taste).toString(QKeySequence::NativeText);
}

void zeigeKontextmenue(QLabel* label, const QPoint& wo)
{
    // Qt 6.4 offers no context menu on selectable plain-text labels, only on
    // rich text, which would fold the two lines of the counts into one.
    auto* menue = new QMenu(label);
    menue->setAttribute(Qt::WA_DeleteOnClose);
    QAction* kopieren = menue->addAction(menuepunkt("&Copy", QKeySequence::Copy), label, [label] {
        // The label's own Ctrl+C, so both ways put the same text on the clipboard.
        QKeyEvent strgC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
        QCoreApplication::sendEvent(label, &strgC);
    });
    kopieren->setEnabled(label->hasSelectedText());
    menue->addSeparator();
    menue->addAction(menuepunkt("Select All", QKeySequence::SelectAll), label,
                     [label] { label->setSelection(0, int(label->text().size())); });
    menue->popup(label->mapToGlobal(wo));
}

// A click into a result gives it the keyboard, so that Ctrl+C copies its
// selection. Tab and Shift+Tab from there go on from the control that had the
// keyboard before, as if the click had not taken it.
class Tabrueckgabe : public QObject {
public:
    explicit Tabrueckgabe(QWidget* fenster)
        : QObject(fenster)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget* neu) {
            if (neu && neu->property(ergebnisEigenschaft).isValid() && alt
                && !alt->property(ergebnisEigenschaft).isValid())
                vorher_ = alt;
        });
    }

    void beobachte(QLabel* label)
    {
        label->setProperty(ergebnisEigenschaft, true);
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool tab = taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab;
        if (!tab || !vorher_ || !vorher_->isEnabled() || !vorher_->isVisible()
            || vorher_->window() != static_cast<QWidget*>(objekt)->window())
            return false;
        QPointer<QWidget> ziel = vorher_;
        ziel->setFocus(Qt::OtherFocusReason);
        if (ziel) {
            QKeyEvent weiter(QEvent::KeyPress, taste->key(), taste->modifiers(), taste->text());
            QCoreApplication::sendEvent(ziel, &weiter);
        }
        return true;
    }

private:
    static constexpr const char* ergebnisEigenschaft = "netzplaner_kopierbar";
    QPointer<QWidget> vorher_;
};

// A selectable label keeps a text document behind it and lays it out again at
// every change and paint: with up to 25 results rewritten by one keystroke that
// cost several times the rest of the keystroke. The results draw as plain text
// and become selectable only once the mouse is pressed in one of them, until it
// loses the keyboard again (not to its own context menu).
class AuswahlAufAbruf : public QObject {
public:
    using QObject::QObject;

    void beobachte(QLabel* label) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        // A label being destroyed is a QLabel no more when its last events arrive.
        auto* label = qobject_cast<QLabel*>(objekt);
        if (!label)
            return false;
        switch (ereignis->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!(label->textInteractionFlags() & Qt::TextSelectableByMouse)) {
                // Click focus only, given here: Tab never stops at a label, and
                // the keyboard is there for Ctrl+C.
                label->setFocusPolicy(Qt::ClickFocus);
                label->setTextInteractionFlags(label->textInteractionFlags() | Qt::TextSelectableByMouse);
                label->setFocus(Qt::MouseFocusReason);
                // The same press once more, now to the text, where it starts the selection.
                QCoreApplication::sendEvent(label, ereignis);
                return true;
            }
            break;
        case QEvent::FocusOut:
            if (static_cast<QFocusEvent*>(ereignis)->reason() != Qt::PopupFocusReason) {
                // A label that can take the focus draws through a text document too.
                label->setTextInteractionFlags(label->textInteractionFlags() & ~Qt::TextSelectableByMouse);
                label->setFocusPolicy(Qt::NoFocus);
            }
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void macheErgebnisseKopierbar(QWidget* form1)
{
    // The class caption, the octets and binary rows of mask, network and
    // broadcast address, and the counts. Label11 and the pictures are links
    // and keep their clicks.
    static const QRegularExpression ergebnis(
        QStringLiteral("^(Label4|Label13|(lblsubnet|lblnetz|lblbroad|lbldual[12]?)\\([0-3]\\))$"));
    auto* rueckgabe = new Tabrueckgabe(form1);
    auto* auswahl = new AuswahlAufAbruf(form1);
    for (QLabel* label : form1->findChildren<QLabel*>(ergebnis)) {
        auswahl->beobachte(label);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(label, &QWidget::customContextMenuRequested, label,
                         [label](const QPoint& wo) { zeigeKontextmenue(label, wo); });
        rueckgabe->beobachte(label);
    }
}

} // namespace netzplaner
