// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>
#include <memory>

namespace netzplaner {

// Qt's "Windows" style, whose classic metrics the fixed layout was drawn for,
// with what it draws most often kept as finished pixmaps: the texts of labels
// and captions, and the option indicators. A keystroke in the first octet can
// rewrite a dozen results and switch two options; shaping each text and
// stroking each indicator again cost several times the keystroke itself.
class Stil : public QProxyStyle {
public:
    Stil();
    ~Stil() override;

    void drawItemText(QPainter* maler, const QRect& rechteck, int ausrichtung, const QPalette& farben, bool aktiv,
                      const QString& text, QPalette::ColorRole rolle) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                       const QWidget* widget) const override;

    // How many finished drawings the store holds.
    int vorratsgroesse() const;

private:
    struct Vorrat;
    std::unique_ptr<Vorrat> vorrat_;
};

} // namespace netzplaner
