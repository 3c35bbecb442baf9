// SPDX-License-Identifier: GPL-3.0-or-later
#include "adressplan/adressplanfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cmath>

#include "adressplan/bedarfsmodell.h"
#include "adressplan/bedarfstabelle.h"
#include "adressplan/befehle.h"
#include "adressplan/dateidialog.h"
#include "adressplan/planansicht.h"
#include "adressplan/planmodell.h"
#include "toolkit/bilder.h"
#include "toolkit/escape.h"
#include "toolkit/listentabelle.h"
#include "toolkit/tabellenkopie.h"
#include "toolkit/zugaenglichkeit.h"

namespace netzplaner {
AdressplanFenster::AdressplanFenster(const QString& netz, QWidget* hauptfenster)
    : QMainWindow(hauptfenster, Qt::Window)
    , dateiwahl(frageDatei)
    , stapel_(new QUndoStack(this))
    , bedarf_(new Bedarfsmodell(stapel_, this))
    , plan_(new Planmodell(this))
    , netzText_(netz)
{
    setObjectName(QStringLiteral("adressplan"));
    setWindowIcon(fenstersymbol());
    baueFlaeche();
    baueMenue();
    benenneSteuerelemente();
    legeSpaltenFest();

    txtnetz_->setText(netz);
    connect(txtnetz_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // A character typed over the same selected one is edited but no
        // change: as a step it would make the next undo do nothing.
        if (text == netzText_)
            return;
        stapel_->push(new WertAendern<QString>([this](const QString& t) { setzeNetz(t); }, netzText_, text,
                                               QStringLiteral("Netz ändern"), 1));
    });
    connect(rfc3021_, &QCheckBox::clicked, this, [this](bool an) {
        stapel_->push(new WertAendern<bool>([this](const bool& b) { setzeRfc3021(b); }, !an, an,
                                            QStringLiteral("RFC 3021 umschalten")));
    });
    connect(umgebung_, &QComboBox::activated, this, [this](int eintrag) {
        const auto neu = static_cast<Umgebung>(eintrag);
        if (neu == umgebungWert_)
            return;
        if (!uebernimmEditor()) {
            setzeUmgebung(umgebungWert_);
            return;
        }
        stapel_->push(new WertAendern<Umgebung>([this](const Umgebung& u) { setzeUmgebung(u); }, umgebungWert_, neu,
                                                QStringLiteral("Umgebung wählen")));
    });
    // Once a step, however many rows it changed.
    connect(stapel_, &QUndoStack::indexChanged, this, &AdressplanFenster::neuPlanen);
    connect(stapel_, &QUndoStack::cleanChanged, this, [this](bool sauber) { setWindowModified(!sauber); });
    connect(bedarf_, &Bedarfsmodell::abgelehnt, this, &AdressplanFenster::melde);
    connect(planTabelle_, &QTreeView::activated, this, &AdressplanFenster::zeigeGeplantesNetz);
    // Groups open as they come, so that every row is in sight.
    connect(plan_, &QAbstractItemModel::modelReset, planTabelle_, &QTreeView::expandAll);
    connect(bedarf_, &QAbstractItemModel::modelReset, bedarfTabelle_, &QTreeView::expandAll);
    connect(bedarf_, &QAbstractItemModel::rowsInserted, bedarfTabelle_,
            [this](const QModelIndex& eltern) { bedarfTabelle_->expand(eltern); });
    connect(bedarf_, &QAbstractItemModel::rowsMoved, bedarfTabelle_,
            [this](const QModelIndex&, int, int, const QModelIndex& nach) { bedarfTabelle_->expand(nach); });

    schreibeTitel();
    neuPlanen();
    txtnetz_->setFocus();
}

AdressplanFenster::~AdressplanFenster()
{
    // The undo stack, a child, goes after the members and clears itself with
    // signals on the way, and an editor still open commits as its focus goes:
    // neither may reach a window that is half gone.
    stapel_->disconnect(this);
    bedarf_->disconnect(this);
}

void AdressplanFenster::baueFlaeche()
{
    auto* flaeche = new QWidget(this);
    setCentralWidget(flaeche);

    txtnetz_ = new QLineEdit(flaeche);
    txtnetz_->setObjectName(QStringLiteral("txtnetz"));
    // Ctrl+Z and Ctrl+Y are the plan's undo, not the line's own.
    txtnetz_->installEventFilter(this);
    auto* netzTitel = new QLabel(QStringLiteral("&Netz:"), flaeche);
    netzTitel->setBuddy(txtnetz_);

    bedarfTabelle_ = new Bedarfstabelle(flaeche);
    bedarfTabelle_->setObjectName(QStringLiteral("bedarf"));
    bedarfTabelle_->setModel(bedarf_);
    bedarfTabelle_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* bedarfTitel = new QLabel(QStringLiteral("Bedar&f:"), flaeche);
    bedarfTitel->setBuddy(bedarfTabelle_);

    rfc3021_ = new QCheckBox(QStringLiteral("/31 und /32 für Verbindungsnetze (RFC 3021)"), flaeche);
    rfc3021_->setObjectName(QStringLiteral("rfc3021"));
    umgebung_ = new QComboBox(flaeche);
    umgebung_->setObjectName(QStringLiteral("umgebung"));
    for (const Umgebungsregeln& r : umgebungen())
        umgebung_->addItem(QString::fromUtf8(r.name.data(), qsizetype(r.name.size())),
                           QString::fromUtf8(r.schluessel.data(), qsizetype(r.schluessel.size())));
    auto* umgebungTitel = new QLabel(QStringLiteral("U&mgebung:"), flaeche);
    umgebungTitel->setBuddy(umgebung_);

    planTabelle_ = new Planansicht(flaeche);
    planTabelle_->setObjectName(QStringLiteral("plan"));
    planTabelle_->setModel(plan_);
    planTabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    planTabelle_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    planTabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    planTabelle_->setWordWrap(false);
    planTabelle_->setUniformRowHeights(true);
    planTabelle_->setAllColumnsShowFocus(true);
    planTabelle_->setIndentation(planTabelle_->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    // Enter shows the net; a group opens and closes by its arrow and the keys.
    planTabelle_->setExpandsOnDoubleClick(false);
    planTabelle_->header()->setStretchLastSection(true);
    macheZeilenKopierbar(planTabelle_);
    auto* planTitel = new QLabel(QStringLiteral("&Plan:"), flaeche);
    planTitel->setBuddy(planTabelle_);

    lblmeldung_ = new QLabel(flaeche);
    lblmeldung_->setObjectName(QStringLiteral("lblmeldung"));
    // Names and file names are the user's: never read as markup.
    lblmeldung_->setTextFormat(Qt::PlainText);
    lblmeldung_->setWordWrap(true);
    lblmeldung_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* netzZeile = new QHBoxLayout;
    netzZeile->addWidget(netzTitel);
    netzZeile->addWidget(txtnetz_, 1);
    auto* links = new QVBoxLayout;
    links->addWidget(bedarfTitel);
    links->addWidget(bedarfTabelle_, 1);
    knoepfe_ = new QGridLayout;
    links->addLayout(knoepfe_);
    auto* umgebungZeile = new QHBoxLayout;
    umgebungZeile->addWidget(umgebungTitel);
    umgebungZeile->addWidget(umgebung_, 1);
    links->addLayout(umgebungZeile);
    links->addWidget(rfc3021_);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(planTitel);
    rechts->addWidget(planTabelle_, 1);
    auto* mitte = new QHBoxLayout;
    // The names in levels need room too; the plan scrolls sideways.
    mitte->addLayout(links, 2);
    mitte->addLayout(rechts, 3);
    auto* stapel = new QVBoxLayout(flaeche);
    stapel->addLayout(netzZeile);
    stapel->addLayout(mitte, 1);
    stapel->addWidget(lblmeldung_);
}

void AdressplanFenster::benenneSteuerelemente()
{
    const auto k = [this](const char* name) { return findChild<QWidget*>(QLatin1String(name)); };
    benenneFuerScreenreader({
        {txtnetz_, QStringLiteral("Zu teilendes Netz")},
        {bedarfTabelle_, QStringLiteral("Bedarf: Name, Hosts und festes Netz je Zeile, in Ebenen")},
        {rfc3021_, QStringLiteral("/31 und /32 für Verbindungsnetze nach RFC 3021")},
        {umgebung_, QStringLiteral("Umgebung der Subnetze")},
        {planTabelle_, QStringLiteral("Adressplan")},
        {lblmeldung_, QStringLiteral("Meldung")},
        {k("hinzufuegen"), QStringLiteral("Zeile hinzufügen")},
        {k("entfernen"), QStringLiteral("Gewählte Zeilen entfernen")},
        {k("hoch"), QStringLiteral("Gewählte Zeilen nach oben")},
        {k("runter"), QStringLiteral("Gewählte Zeilen nach unten")},
        {k("ein"), QStringLiteral("Zeile in die Zeile darüber einrücken")},
        {k("aus"), QStringLiteral("Zeile aus ihrer Gruppe ausrücken")},
    });
}

void AdressplanFenster::legeSpaltenFest()
{
    // Every address column holds its widest text; the table shows them whole.
    const QFontMetrics masse(planTabelle_->font());
    const int rand = 2 * planTabelle_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const std::array<const char*, planspalten> muster = {
        "0.00.00",         "Name des Netzes", "0000000000",      "000.000.000.000/00", "000.000.000.000",
        "000.000.000.000", "000.000.000.000", "000.000.000.000", "0000000000",         "Auslastung"};
    int breite = 2 * planTabelle_->frameWidth() + planTabelle_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int i = 0; i < planspalten; ++i) {
        // The first column is indented by its level, the top level's arrow too.
        const int einzug = i == 0 ? 3 * planTabelle_->indentation() : 0;
        const int spalte = std::max(masse.horizontalAdvance(QLatin1String(muster[std::size_t(i)])) + rand + einzug,
                                    planTabelle_->header()->sectionSizeHint(i));
        planTabelle_->header()->resizeSection(i, spalte);
        breite += spalte;
    }
    // The plan may scroll sideways in a narrow window; at first the window
    // shows it whole where the screen has room.
    planTabelle_->setMinimumWidth(breite / 3);
    // Hosts and Netz hold their widest texts; the names take the rest and
    // scroll sideways in a narrow window.
    const QFontMetrics bedarfMasse(bedarfTabelle_->font());
    bedarfTabelle_->header()->resizeSection(Bedarfsmodell::Hosts,
                                            bedarfMasse.horizontalAdvance(QStringLiteral("0000000")) + rand);
    bedarfTabelle_->header()->resizeSection(Bedarfsmodell::Netz,
                                            bedarfMasse.horizontalAdvance(QStringLiteral("000.000.000.000/00")) + rand);
    bedarfTabelle_->setMinimumWidth(bedarfMasse.horizontalAdvance(QStringLiteral("Name des Netzes 0000000")) + 40);
    QSize groesse = sizeHint().expandedTo(QSize(breite + bedarfTabelle_->minimumWidth() + 60, 480));
    if (const QScreen* bildschirm = screen())
        groesse = groesse.boundedTo(bildschirm->availableGeometry().size() * 9 / 10);
    resize(groesse);
}

void AdressplanFenster::keyPressEvent(QKeyEvent* ereignis)
{
    // Closing only hides the window, which is not destroyed: the plan is
    // there again at the next opening, and unsaved changes are asked about
    // when the program ends.
    if (!schliesstBeiEscape(this, ereignis))
        QMainWindow::keyPressEvent(ereignis);
}

bool AdressplanFenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == txtnetz_ && ereignis->type() == QEvent::ShortcutOverride) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->matches(QKeySequence::Undo) || taste->matches(QKeySequence::Redo)
            || taste->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y)) {
            ereignis->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

} // namespace netzplaner
