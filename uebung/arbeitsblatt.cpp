// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebung/arbeitsblatt.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace netzplaner {
namespace {

QString html(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString kopf(const QString& titel, std::uint32_t serie, Aufgabenart art, std::uint32_t erste)
{
    const QString name = html(std::string(aufgabenartName(art)));
    return QStringLiteral("<h2>%1</h2><p>Serie %2, Art: %3, Aufgaben %4 bis %5</p>")
        .arg(titel)
        .arg(serie)
        .arg(name)
        .arg(erste)
        .arg(erste + aufgabenJeBlatt - 1);
}

} // namespace

QString schreibeArbeitsblatt(const QString& pfad, std::uint32_t serie, Aufgabenart art, std::uint32_t erste)
{
    QString aufgaben = kopf(QStringLiteral("Arbeitsblatt Subnetting"), serie, art, erste)
                       + QStringLiteral("<p>Name: ______________________________</p>");
    // Page-break-before starts the solutions on a page of their own.
    QString loesungen = QStringLiteral("<div style=\"page-break-before:always\">")
                        + kopf(QStringLiteral("Lösungen"), serie, art, erste);
    for (std::uint32_t nr = erste; nr < erste + aufgabenJeBlatt; ++nr) {
        const Aufgabe a = erzeugeAufgabe(serie, art, nr);
        aufgaben += QStringLiteral("<p><b>Aufgabe %1.</b> %2</p><table cellpadding=\"4\">").arg(nr).arg(html(a.text));
        QStringList antworten;
        for (const Antwortfeld& feld : a.felder) {
            aufgaben +=
                QStringLiteral("<tr><td>%1:</td><td>________________________________</td></tr>").arg(html(feld.frage));
            antworten << QStringLiteral("%1: %2").arg(html(feld.frage), html(feld.loesung));
        }
        aufgaben += QStringLiteral("</table>");
        loesungen += QStringLiteral("<p><b>Aufgabe %1.</b> %2</p>").arg(nr).arg(antworten.join(QStringLiteral("; ")));
    }

    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return QStringLiteral("„%1“ lässt sich nicht schreiben: %2").arg(pfad, datei.errorString());
    {
        QPdfWriter pdf(&datei);
        pdf.setTitle(QStringLiteral("Arbeitsblatt Serie %1").arg(serie));
        pdf.setCreator(QStringLiteral("Netzplaner"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        QTextDocument dokument;
        // Big enough to read on paper and to write beside.
        QFont schrift = dokument.defaultFont();
        schrift.setPointSizeF(11);
        dokument.setDefaultFont(schrift);
        dokument.setHtml(aufgaben + loesungen + QStringLiteral("</div>"));
        dokument.print(&pdf);
    }
    if (!datei.commit())
        return QStringLiteral("„%1“ ließ sich nicht speichern: %2").arg(pfad, datei.errorString());
    return {};
}

} // namespace netzplaner
