#include "toolkit/stil.h"

#include <QCache>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace netzplaner {
namespace {

// What a finished drawing depends on. Hashed field by field: a text key built
// with QString::arg and QFont::key() cost as much as the drawing it saves.
struct Schluessel {
    QString text; // empty for an indicator
    QFont schrift;
    QSize groesse;
    int art = 0; // alignment flags of a text, state flags of an indicator
    QRgb farbe = 0;
    qint64 farben = 0; // the palette's cache key
    bool aktiv = true;
    qreal verhaeltnis = 1;

    bool operator==(const Schluessel&) const = default;
};

size_t qHash(const Schluessel& s, size_t saat = 0)
{
    return qHashMulti(saat, s.text, s.schrift, s.groesse.width(), s.groesse.height(), s.art, s.farbe, s.farben, s.aktiv,
                      s.verhaeltnis);
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
    schluessel.farbe = (rolle == QPalette::NoRole ? maler->pen().color() : farben.color(rolle)).rgba();
    schluessel.farben = farben.cacheKey();
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
    schluessel.farben = option->palette.cacheKey();
    ausDemVorrat(vorrat_->bilder, maler, option->rect, std::move(schluessel), [&](QPainter* innen, const QRect& ziel) {
        QStyleOption verschoben(*option);
        verschoben.rect = ziel;
        QProxyStyle::drawPrimitive(element, &verschoben, innen, widget);
    });
}

} // namespace netzplaner
