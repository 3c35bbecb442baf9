// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/stil.h"

#include <QCache>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <array>

namespace netzplaner {
namespace {

// What a finished drawing depends on. Hashed field by field: a text key built
// with QString::arg and QFont::key() cost as much as the drawing it saves.
// The colours are those the drawing uses, not the palette's cache key, which
// every setPalette renews: the copyright label's hover (red, then black)
// would add two drawings a hover until the useful ones were pushed out.
struct Schluessel {
    QString text; // empty for an indicator
    QFont schrift;
    QSize groesse;
    int art = 0; // alignment flags of a text, state flags of an indicator
    std::array<QRgb, 7> farben{};
    bool aktiv = true;
    qreal verhaeltnis = 1;

    bool operator==(const Schluessel&) const = default;
};

size_t qHash(const Schluessel& s, size_t saat = 0)
{
    return qHashMulti(saat, s.text, s.schrift, s.groesse.width(), s.groesse.height(), s.art,
                      qHashRange(s.farben.begin(), s.farben.end()), s.aktiv, s.verhaeltnis);
}

// Only plain placement can use a pixmap made at the device's own pixel ratio.
bool nurVerschoben(const QPainter* maler)
{
    return maler->device() && maler->transform().type() <= QTransform::TxTranslate;
}

} // namespace

// Owned by the style, which the application deletes before it goes: no pixmap
// outlives the application.
struct Stil::Vorrat {
    QCache<Schluessel, QPixmap> bilder{4 * 1024 * 1024}; // bytes
};

namespace {

// Draws into a transparent pixmap of the rectangle's size once per key, and
// from then on only copies it. The results and captions come from a small set
// (octets, binary rows, a few captions), so a few hundred pixmaps hold them all.
template <typename Zeichnen>
void ausDemVorrat(QCache<Schluessel, QPixmap>& vorrat, QPainter* maler, const QRect& rechteck, Schluessel schluessel,
                  Zeichnen zeichne)
{
    schluessel.verhaeltnis = maler->device()->devicePixelRatio();
    if (const QPixmap* bild = vorrat.object(schluessel)) {
        maler->drawPixmap(rechteck.topLeft(), *bild);
        return;
    }
    auto bild = std::make_unique<QPixmap>(rechteck.size() * schluessel.verhaeltnis);
    bild->setDevicePixelRatio(schluessel.verhaeltnis);
    bild->fill(Qt::transparent);
    QPainter innen(bild.get());
    innen.setFont(maler->font());
    innen.setPen(maler->pen());
    innen.setRenderHints(maler->renderHints());
    zeichne(&innen, QRect(QPoint(0, 0), rechteck.size()));
    innen.end();
    maler->drawPixmap(rechteck.topLeft(), *bild);
    const qsizetype kosten = bild->width() * bild->height() * 4;
    vorrat.insert(std::move(schluessel), bild.release(), kosten);
}

} // namespace

Stil::Stil()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
    , vorrat_(std::make_unique<Vorrat>())
{
}

Stil::~Stil() = default;

int Stil::vorratsgroesse() const
{
    return int(vorrat_->bilder.count());
}

void Stil::drawItemText(QPainter* maler, const QRect& rechteck, int ausrichtung, const QPalette& farben, bool aktiv,
                        const QString& text, QPalette::ColorRole rolle) const
{
    if (text.isEmpty() || rechteck.isEmpty() || !nurVerschoben(maler)) {
        QProxyStyle::drawItemText(maler, rechteck, ausrichtung, farben, aktiv, text, rolle);
        return;
    }
    Schluessel schluessel;
    schluessel.text = text;
    schluessel.schrift = maler->font();
    schluessel.groesse = rechteck.size();
    schluessel.art = ausrichtung;
    // The text's own colour, and the light one a disabled text is etched with.
    schluessel.farben = {(rolle == QPalette::NoRole ? maler->pen().color() : farben.color(rolle)).rgba(),
                         aktiv ? 0 : farben.light().color().rgba()};
    schluessel.aktiv = aktiv;
    ausDemVorrat(vorrat_->bilder, maler, rechteck, std::move(schluessel), [&](QPainter* innen, const QRect& ziel) {
        QProxyStyle::drawItemText(innen, ziel, ausrichtung, farben, aktiv, text, rolle);
    });
}

void Stil::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                         const QWidget* widget) const
{
    if (element != PE_IndicatorRadioButton || option->rect.isEmpty() || !nurVerschoben(maler)) {
        QProxyStyle::drawPrimitive(element, option, maler, widget);
        return;
    }
    Schluessel schluessel;
    schluessel.groesse = option->rect.size();
    schluessel.art = int(option->state);
    // The ring's four shades, the fill of an enabled or a pressed button, the dot.
    const QPalette& p = option->palette;
    schluessel.farben = {p.dark().color().rgba(),  p.shadow().color().rgba(), p.midlight().color().rgba(),
                         p.light().color().rgba(), p.button().color().rgba(), p.base().color().rgba(),
                         p.text().color().rgba()};
    ausDemVorrat(vorrat_->bilder, maler, option->rect, std::move(schluessel), [&](QPainter* innen, const QRect& ziel) {
        QStyleOption verschoben(*option);
        verschoben.rect = ziel;
        QProxyStyle::drawPrimitive(element, &verschoben, innen, widget);
    });
}

} // namespace netzplaner
