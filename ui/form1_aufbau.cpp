// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layout of the main window. Every position and size is in twips,
// converted at the screen's logical DPI; no layout manager moves a control.
#include "ui/form1.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QWidget>

#include "toolkit/bilder.h"
#include "toolkit/schriften.h"
#include "toolkit/steuerelement.h"
#include "toolkit/textfeld.h"

namespace netzplaner {
namespace {

QLabel* label(QWidget* eltern, const QString& name, int l, int t, int w, int h, const QString& text,
              const QFont& schrift, Qt::Alignment ausrichtung = Qt::AlignLeft)
{
    auto* l_ = platziere(new QLabel(text, eltern), name, l, t, w, h);
    l_->setFont(schrift);
    l_->setAlignment(ausrichtung | Qt::AlignTop);
    return l_;
}

// A result paints its own background (the window's colour, as beneath it) and
// lies above the captions and dots it overlaps by a pixel in the twips layout,
// whose glyphs keep clear of that pixel: rewriting it repaints nothing else.
QLabel* ergebnis(QLabel* label)
{
    label->setAutoFillBackground(true);
    label->setProperty("netzplaner_oben", true);
    return label;
}

Textfeld* textfeld(QWidget* eltern, const QString& name, int l, int t, int w, int h, const QString& text,
                   const QFont& schrift, int maxLaenge)
{
    auto* feld = platziere(new Textfeld(text, eltern), name, l, t, w, h);
    feld->setFont(schrift);
    feld->setAlignment(Qt::AlignCenter);
    feld->setMaxLength(maxLaenge);
    // The style's panel covers every pixel of the box: nothing beneath it
    // needs repainting when its text changes, and it lies above the dots.
    feld->setAttribute(Qt::WA_OpaquePaintEvent);
    feld->setProperty("netzplaner_oben", true);
    return feld;
}

QRadioButton* option(QWidget* rahmen, const QString& name, int l, int t, int w, int h, const QString& text)
{
    auto* knopf = platziere(new QRadioButton(text, rahmen), name, l, t, w, h);
    // Switching it repaints only itself, not the frame and window beneath.
    knopf->setAutoFillBackground(true);
    return knopf;
}

void linie(QWidget* eltern, const char* name, int x1, int y, int x2)
{
    auto* linie = platziere(new QFrame(eltern), QLatin1String(name), x1, y, x2 - x1, 15);
    // Filled, not drawn as a frame line: at a device pixel ratio of 1.25 the
    // frame's one-pixel line fell between device pixels and vanished.
    linie->setAutoFillBackground(true);
    linie->setBackgroundRole(QPalette::WindowText);
    // A line has no events of its own: the mouse over it is over the window.
    linie->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// One result block: four octet labels with dots between, four binary labels below.
void oktettblock(QWidget* eltern, const char* octetName, const char* dualName, std::array<QLabel*, 4>& oktette,
                 std::array<QLabel*, 4>& dual, int links, int obenOktett, int obenPunkt, int obenDual, int ersterPunkt)
{
    const QString platzhalter = QStringLiteral("192");
    for (int i = 0; i < 4; ++i) {
        const int l = links + Form1::spaltenabstand * i;
        oktette[std::size_t(i)] = ergebnis(label(eltern, indexName(octetName, i), l, obenOktett, 615, 375, platzhalter,
                                                 fensterSchrift(13.5, true), Qt::AlignHCenter));
        dual[std::size_t(i)] = ergebnis(label(eltern, indexName(dualName, i), l, obenDual, 615, 375, platzhalter,
                                              arial(6, true), Qt::AlignHCenter));
        if (i < 3)
            label(eltern, indexName("Label6", ersterPunkt + i), l + 600, obenPunkt, 135, 495, QStringLiteral("."),
                  fensterSchrift(24, true));
    }
}

} // namespace

void Form1::baueMenue()
{
    QMenu* prog = menuBar()->addMenu(QStringLiteral("&Programm"));
    prog->setObjectName(QStringLiteral("prog"));
    QAction* info = prog->addAction(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("info"));
    QAction* end = prog->addAction(QStringLiteral("&Ende"));
    end->setObjectName(QStringLiteral("end"));
    // Directly on the menu bar: Alt+W triggers it at once.
    QAction* change = menuBar()->addAction(QStringLiteral("&Wandeln"));
    change->setObjectName(QStringLiteral("change"));
    QAction* liste = menuBar()->addAction(QStringLiteral("&Netzliste"));
    liste->setObjectName(QStringLiteral("liste"));
    QMenu* extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
    extras->setObjectName(QStringLiteral("extras"));
    QAction* plan = extras->addAction(QStringLiteral("&Adressplan…"));
    plan->setObjectName(QStringLiteral("plan"));
    QAction* summe = extras->addAction(QStringLiteral("&Zusammenfassen…"));
    summe->setObjectName(QStringLiteral("summe"));
    QAction* ipv6 = extras->addAction(QStringLiteral("IPv&6…"));
    ipv6->setObjectName(QStringLiteral("ipv6"));
    QAction* rechenweg = extras->addAction(QStringLiteral("&Rechenweg…"));
    rechenweg->setObjectName(QStringLiteral("rechenweg"));
    QAction* uebung = extras->addAction(QStringLiteral("Ü&bungen…"));
    uebung->setObjectName(QStringLiteral("uebung"));

    connect(info, &QAction::triggered, this, &Form1::info_Click);
    connect(end, &QAction::triggered, this, [this] {
        if (darfEnden())
            QCoreApplication::quit();
    });
    connect(change, &QAction::triggered, this, &Form1::change_Click);
    connect(liste, &QAction::triggered, this, &Form1::liste_Click);
    connect(plan, &QAction::triggered, this, &Form1::plan_Click);
    connect(summe, &QAction::triggered, this, &Form1::summe_Click);
    connect(ipv6, &QAction::triggered, this, &Form1::ipv6_Click);
    connect(rechenweg, &QAction::triggered, this, &Form1::rechenweg_Click);
    connect(uebung, &QAction::triggered, this, &Form1::uebung_Click);
}

void Form1::baueEingabezeile(QWidget* flaeche)
{
    label(flaeche, QStringLiteral("Label7"), 240, 240, 615, 255, QStringLiteral("IP"), fensterSchrift(8.25, true));
    const char* start[4] = {"192", "168", "4", "1"};
    const char* punkte[3] = {"Label1", "Label2", "Label3"};
    for (int i = 0; i < 4; ++i) {
        txtip_[std::size_t(i)] = textfeld(flaeche, indexName("txtip", i), 240 + spaltenabstand * i, 480, 615, 480,
                                          QLatin1String(start[i]), fensterSchrift(13.5, true), 3);
        if (i < 3)
            label(flaeche, QLatin1String(punkte[i]), 840 + spaltenabstand * i, 480, 135, 495, QStringLiteral("."),
                  fensterSchrift(24, true));
    }
    label4_ = ergebnis(label(flaeche, QStringLiteral("Label4"), 240, 1080, 2775, 375, QStringLiteral("Klasse c Netz"),
                             fensterSchrift(12, true), Qt::AlignHCenter));
}

void Form1::baueErgebnisse(QWidget* flaeche)
{
    const QFont ueberschrift = fensterSchrift(8.25, true);
    linie(flaeche, "Line3", 120, 1560, 3120);
    label8_ = label(flaeche, QStringLiteral("Label8"), 240, 1680, 1215, 255, QStringLiteral("Netz Maske"),
                    ueberschrift);
    oktettblock(flaeche, "lblsubnet", "lbldual", lblsubnet_, lbldual_, 240, 1920, 1800, 2400, 0);

    linie(flaeche, "Line1", 120, 2880, 3120);
    label9_ = label(flaeche, QStringLiteral("Label9"), 240, 3000, 1095, 255, QStringLiteral("Netzadresse"),
                    ueberschrift);
    oktettblock(flaeche, "lblnetz", "lbldual1", lblnetz_, lbldual1_, 240, 3240, 3120, 3720, 3);

    linie(flaeche, "Line2", 120, 4200, 3120);
    label10_ = label(flaeche, QStringLiteral("Label10"), 360, 4320, 855, 255, QStringLiteral("Broadcast"),
                     ueberschrift);
    oktettblock(flaeche, "lblbroad", "lbldual2", lblbroad_, lbldual2_, 360, 4560, 4440, 5040, 6);
}

void Form1::baueModusspalte(QWidget* flaeche)
{
    auto* frame2 = platziere(new QGroupBox(QStringLiteral("Adressanteil"), flaeche), QStringLiteral("Frame2"), 3360,
                             240, 1335, 1095);
    const char* anteile[3] = {"  8 Bit", "16 Bit", "24 Bit"};
    for (int i = 0; i < 3; ++i)
        option2_[std::size_t(i)] = option(frame2, indexName("Option2", i), 120, 240 + 240 * i, 975, 255,
                                          QLatin1String(anteile[i]));

    auto* frame1 = platziere(new QGroupBox(QStringLiteral("Netzart"), flaeche), QStringLiteral("Frame1"), 3360, 1800,
                             1335, 1815);
    const char* arten[3] = {"Normal", "Sub Netz", "Super Netz"};
    for (int i = 0; i < 3; ++i)
        option1_[std::size_t(i)] = option(frame1, indexName("Option1", i), 120, 240 + 240 * i, i == 2 ? 1095 : 975, 255,
                                          QLatin1String(arten[i]));
    label(frame1, QStringLiteral("Label12"), 120, 1080, 975, 255, QStringLiteral("Verl./Verk."), fensterSchrift());
    txtbits_ = textfeld(frame1, QStringLiteral("txtbits"), 120, 1320, 375, 285, QStringLiteral("2"),
                        fensterSchrift(8.25, true), 1);
    label(frame1, QStringLiteral("Label5"), 600, 1440, 375, 255, QStringLiteral("Bits"), fensterSchrift());

    option2_[0]->setChecked(true);
    option1_[0]->setChecked(true);
}

void Form1::baueUntereSpalte(QWidget* flaeche)
{
    label13_ = ergebnis(label(flaeche, QStringLiteral("Label13"), 3360, 3720, 1695, 495, QString(), arial(8.25)));

    const char* bilder[2] = {"augen_zu.xpm", "augen_offen.xpm"};
    for (int i = 0; i < 2; ++i) {
        auto* bild = platziere(new QLabel(flaeche), indexName("Image1", i), 3840, 4440, 480, 480);
        bild->setPixmap(QPixmap(bildpfad(bilder[i])));
        bild->setScaledContents(true);
        bild->installEventFilter(this);
        image1_[std::size_t(i)] = bild;
    }

    label11_ = label(flaeche, QStringLiteral("Label11"), 3600, 4920, 1095, 255, QStringLiteral("© Quendelwerk"),
                     fensterSchrift(), Qt::AlignHCenter);
    label11_->setCursor(QCursor(QPixmap(bildpfad("zeiger.xpm")), 0, 0));
    label11_->setMouseTracking(true);
    label11_->installEventFilter(this);
}

void Form1::legeUndurchsichtigeNachOben()
{
    for (QWidget* w : findChildren<QWidget*>())
        if (w->property("netzplaner_oben").toBool())
            w->raise();
}

void Form1::legeTabfolgeFest()
{
    QWidget* folge[] = {txtip_[0],   txtip_[1],   txtip_[2],   txtip_[3],   option2_[0], option2_[1],
                        option2_[2], option1_[0], option1_[1], option1_[2], txtbits_};
    for (std::size_t i = 0; i + 1 < std::size(folge); ++i)
        setTabOrder(folge[i], folge[i + 1]);
}

} // namespace netzplaner
