// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/zufall/wuerfel.h"

#include <QStringList>
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

QString Wuerfel::adresstext()
{
    // An octet of 1..3 digits, now and then too big, too long or empty.
    const auto oktett = [this] {
        const int art = unter(100);
        if (art < 80)
            return QString::number(unter(256));
        if (art < 88)
            return QStringLiteral("0") + QString::number(unter(100));
        if (art < 94)
            return QString::number(256 + unter(744));
        return art < 97 ? QString::number(1000 + unter(9000)) : QString();
    };
    const auto punkte = [&](int anzahl) {
        QStringList teile;
        for (int i = 0; i < anzahl; ++i)
            teile << oktett();
        return teile.join(u'.');
    };
    const int anzahl = promille(900) ? 4 : 3 + 2 * unter(2);
    QString text = punkte(anzahl);
    const int p = unter(35); // up to 34: 33 and 34 must be refused
    const int art = unter(100);
    if (art < 35) {
        text += QStringLiteral("/") + (promille(100) ? QStringLiteral("0") : QString()) + QString::number(p);
    } else if (art < 60) {
        const quint32 maske = promille(800) ? (p == 0 ? 0u : p >= 32 ? ~0u : ~0u << (32 - p)) : quint32(quelle_());
        QStringList teile;
        for (int i = 0; i < 4; ++i)
            teile << QString::number(maske >> (24 - 8 * i) & 0xFF);
        text += QString(1 + unter(3), unter(2) ? u' ' : u'\t') + teile.join(u'.');
    }
    if (promille(150))
        text.insert(unter(int(text.size()) + 1), zeichen());
    if (promille(200))
        text = QStringLiteral(" \t\r\n").mid(unter(3)) + text + QStringLiteral("\r\n").left(unter(3));
    return promille(30) ? QStringLiteral("fe80::1/64") : text;
}

QString Wuerfel::name()
{
    static const QString zeichen = QStringLiteral("abcXYZ 019-\u00e4\u00df");
    QString text;
    for (int i = unter(9); i > 0; --i)
        text += zeichen.at(unter(int(zeichen.size())));
    return text;
}

QString Wuerfel::hosts()
{
    static const QStringList falsch = {"0", "-5", "12a", "1.5", "99999999999", "\u00e4", "0x10", "1 2", "2147483647"};
    const int art = unter(40);
    if (art < 30)
        return QString::number(1 + unter(art < 6 ? 4 : art < 28 ? 300 : 70000));
    if (art < 32)
        return art == 30 ? QString() : QStringLiteral("   ");
    if (art < 34)
        return QStringLiteral(" 00%1 ").arg(1 + unter(100));
    if (art < 36)
        return QString::number(art == 34 ? 2147483644 + unter(3) : 1073741821 + unter(3));
    return falsch.at(unter(int(falsch.size())));
}

QString Wuerfel::netz()
{
    const int art = unter(20);
    const int p = art < 9 ? 16 + unter(9) : art < 13 ? 8 + unter(8) : art < 17 ? 25 + unter(8) : unter(8);
    const auto punkte = [](std::uint32_t zahl) {
        return QStringLiteral("%1.%2.%3.%4").arg(zahl >> 24).arg(zahl >> 16 & 0xFF).arg(zahl >> 8 & 0xFF).arg(zahl & 0xFF);
    };
    const QString adresse = punkte(std::uint32_t(unter(1 << 16)) << 16 | std::uint32_t(unter(1 << 16)));
    if (unter(4))
        return adresse + QStringLiteral("/") + QString::number(p);
    return QStringLiteral(" ") + adresse + QStringLiteral("  ") + punkte(p == 0 ? 0u : ~0u << (32 - p));
}

} // namespace zufall
