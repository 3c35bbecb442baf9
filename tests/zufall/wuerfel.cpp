#include "tests/zufall/wuerfel.h"

#include <array>

namespace zufall {
namespace {

const QString satzzeichen = QStringLiteral(" .,;:-+*/=!?#%&()[]{}<>\"'`~^_\\|@$");

// Umlauts, sharp s, euro, micro; Arabic-Indic and fullwidth digits, which
// QChar counts as digits; superscript two and one half, which are numbers to
// Unicode but not digits; a combining accent and the replacement character.
const std::array<QString, 14> fremde = {
    QStringLiteral("\u00e4"), QStringLiteral("\u00d6"), QStringLiteral("\u00df"), QStringLiteral("\u20ac"),
    QStringLiteral("\u00b5"), QStringLiteral("\u0663"), QStringLiteral("\uff15"), QStringLiteral("\u00b2"),
    QStringLiteral("\u00bd"), QStringLiteral("\u0301"), QStringLiteral("\ufffd"), QStringLiteral("\u00a0"),
    QStringLiteral("\U0001F600"), QStringLiteral("\u65e5"),
};

const std::array<QChar, 7> steuerzeichen = {u'\t', u'\n', u'\r', QChar(0), QChar(0x7f), QChar(0x1b), QChar(0xd800)};

} // namespace

QString Wuerfel::zeichen()
{
    const int art = unter(100);
    if (art < 55)
        return QChar(u'0' + unter(10));
    if (art < 70)
        return QChar((unter(2) ? u'a' : u'A') + unter(26));
    if (art < 88)
        return satzzeichen.at(unter(int(satzzeichen.size())));
    return fremde[std::size_t(unter(int(fremde.size())))];
}

QString Wuerfel::text()
{
    const int art = unter(100);
    const int laenge = art < 60 ? unter(5) : art < 85 ? 5 + unter(16) : art < 95 ? 21 + unter(480) : unter(10001);
    const bool nurZiffern = promille(350);
    QString text;
    text.reserve(laenge + 1);
    while (text.size() < laenge) {
        if (nurZiffern)
            text += QChar(u'0' + unter(10));
        else if (promille(30))
            text += steuerzeichen[std::size_t(unter(int(steuerzeichen.size())))];
        else
            text += zeichen();
    }
    return text;
}

} // namespace zufall
