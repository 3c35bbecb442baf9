// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QMap>

#include "tests/hilfen/form1test.h"
#include "converter/wandelnfenster.h"

// What a screen reader finds when it walks the main window's accessibility tree.
class TstForm1Zugang : public Form1Test {
    Q_OBJECT

private slots:
    void initTestCase() { richteEin(); }
    void init() { oeffne(); }
    void cleanup() { schliesse(); }

    void jedesSteuerelementHatEinenNamen();
    void namen_data();
    void namen();
    void namenFolgenDenErgebnissen();
    void rollen_data();
    void rollen();
    void gleicherNameImWandelnfenster();

private:
    // objectName -> accessible name, of everything reachable from the window.
    QMap<QString, QString> baum() const
    {
        QMap<QString, QString> namen;
        std::function<void(QAccessibleInterface*, int)> besuche = [&](QAccessibleInterface* knoten, int tiefe) {
            if (!knoten || tiefe > 20)
                return;
            if (QObject* objekt = knoten->object(); objekt && !objekt->objectName().isEmpty())
                namen.insert(objekt->objectName(), knoten->text(QAccessible::Name));
            for (int i = 0; i < knoten->childCount(); ++i)
                besuche(knoten->child(i), tiefe + 1);
        };
        besuche(QAccessible::queryAccessibleInterface(form.get()), 0);
        return namen;
    }

    static QStringList eingabenUndErgebnisse()
    {
        QStringList namen{"txtbits", "Label4", "Label13"};
        for (const char* reihe : {"txtip", "lblsubnet", "lbldual", "lblnetz", "lbldual1", "lblbroad", "lbldual2"})
            for (int i = 0; i < 4; ++i)
                namen << QStringLiteral("%1(%2)").arg(QLatin1String(reihe)).arg(i);
        for (int i = 0; i < 3; ++i)
            namen << QStringLiteral("Option1(%1)").arg(i) << QStringLiteral("Option2(%1)").arg(i);
        return namen;
    }
};

void TstForm1Zugang::jedesSteuerelementHatEinenNamen()
{
    const QMap<QString, QString> namen = baum();
    QStringList ohne;
    for (const QString& steuerelement : eingabenUndErgebnisse())
        if (namen.value(steuerelement).trimmed().isEmpty())
            ohne << steuerelement;
    QVERIFY2(ohne.isEmpty(), qPrintable(QStringLiteral("unnamed or unreachable: ") + ohne.join(", ")));
}

void TstForm1Zugang::namen_data()
{
    QTest::addColumn<int>("art"); // net kind switched on first
    QTest::addColumn<QString>("steuerelement");
    QTest::addColumn<QString>("name");

    QTest::newRow("first octet") << 0 << "txtip(0)" << "Oktett 1 der IP-Adresse";
    QTest::newRow("fourth octet") << 0 << "txtip(3)" << "Oktett 4 der IP-Adresse";
    QTest::newRow("bit count") << 0 << "txtbits" << "Bits für Sub- oder Supernetz";
    QTest::newRow("address part, without padding") << 0 << "Option2(0)" << "Adressanteil: 8 Bit";
    QTest::newRow("net kind") << 0 << "Option1(2)" << "Netzart: Super Netz";
    // Results are read with the figure they show.
    QTest::newRow("class") << 0 << "Label4" << "Adressklasse: Klasse C Netz";
    QTest::newRow("mask") << 0 << "lblsubnet(1)" << "Netzmaske, Oktett 2: 255";
    QTest::newRow("mask, binary") << 0 << "lbldual(1)" << "Netzmaske, Oktett 2 binär: 11111111";
    QTest::newRow("network") << 0 << "lblnetz(0)" << "Netzadresse, Oktett 1: 192";
    QTest::newRow("network, binary") << 0 << "lbldual1(2)" << "Netzadresse, Oktett 3 binär: 00000100";
    QTest::newRow("broadcast") << 0 << "lblbroad(3)" << "Broadcast-Adresse, Oktett 4: 255";
    QTest::newRow("broadcast, binary") << 0 << "lbldual2(3)" << "Broadcast-Adresse, Oktett 4 binär: 11111111";
    QTest::newRow("no counts for a normal net") << 0 << "Label13" << "Anzahl";
    QTest::newRow("counts, one sentence") << 1 << "Label13" << "Anzahl: max: 62 Hosts pro Subnetz";
    QTest::newRow("subnet mask") << 1 << "lblsubnet(3)" << "Netzmaske, Oktett 4: 192";
    QTest::newRow("picture, for its click") << 0 << "Image1(0)" << "Webseite von Quendelwerk öffnen";
    QTest::newRow("other picture") << 0 << "Image1(1)" << "Webseite von Quendelwerk öffnen";
    // A block's caption is read with its whole address.
    QTest::newRow("mask caption") << 0 << "Label8" << "Netzmaske 255.255.255.0";
    QTest::newRow("broadcast caption") << 0 << "Label10" << "Broadcast-Adresse 192.168.4.255";
    QTest::newRow("caption after a switch") << 1 << "Label10" << "Broadcast-Adresse 192.168.4.63";
}

void TstForm1Zugang::namen()
{
    QFETCH(int, art);
    QFETCH(QString, steuerelement);
    QFETCH(QString, name);

    netzart(art)->setChecked(true);
    QCOMPARE(baum().value(steuerelement), name);
}

void TstForm1Zugang::namenFolgenDenErgebnissen()
{
    // Read once, as a screen reader does before it listens for changes.
    QCOMPARE(baum().value(QStringLiteral("lblnetz(0)")), QStringLiteral("Netzadresse, Oktett 1: 192"));
    tippeIn(ip(0), QStringLiteral("10"));
    QCOMPARE(baum().value(QStringLiteral("lblnetz(0)")), QStringLiteral("Netzadresse, Oktett 1: 10"));
    QCOMPARE(baum().value(QStringLiteral("Label4")), QStringLiteral("Adressklasse: Klasse A Netz"));
    QCOMPARE(baum().value(QStringLiteral("lblsubnet(1)")), QStringLiteral("Netzmaske, Oktett 2: 0"));

    // Qt announces a label's new text (NameChanged) only while the label has
    // no accessible name of its own; a name set there would silence every result.
    QStringList stumm;
    for (QLabel* label : form->findChildren<QLabel*>())
        if (eingabenUndErgebnisse().contains(label->objectName()) && !label->accessibleName().isEmpty())
            stumm << label->objectName();
    QVERIFY2(stumm.isEmpty(), qPrintable(stumm.join(", ")));
}

void TstForm1Zugang::rollen_data()
{
    QTest::addColumn<QString>("steuerelement");
    QTest::addColumn<int>("rolle");
    QTest::addColumn<bool>("still"); // passed over by a screen reader

    // A named picture is still a picture, not a result to be read.
    QTest::newRow("picture") << "Image1(1)" << int(QAccessible::Graphic) << false;
    QTest::newRow("line") << "Line3" << int(QAccessible::Separator) << true;
    QTest::newRow("dot between the inputs") << "Label1" << int(QAccessible::Separator) << true;
    QTest::newRow("last dot of the results") << "Label6(8)" << int(QAccessible::Separator) << true;
}

void TstForm1Zugang::rollen()
{
    QFETCH(QString, steuerelement);
    QFETCH(int, rolle);
    QFETCH(bool, still);

    QAccessibleInterface* knoten = QAccessible::queryAccessibleInterface(finde(steuerelement));
    QCOMPARE(int(knoten->role()), rolle);
    if (still)
        QVERIFY(knoten->state().invisible);
}

void TstForm1Zugang::gleicherNameImWandelnfenster()
{
    // Option1(1) is "Sub Netz" in the main window but "Dual" in the converter:
    // each window names its own controls.
    netzplaner::WandelnFenster wandeln;
    auto name = [&](const char* steuerelement) {
        return QAccessible::queryAccessibleInterface(wandeln.findChild<QWidget*>(QLatin1String(steuerelement)))
            ->text(QAccessible::Name);
    };
    QCOMPARE(name("Option1(1)"), QStringLiteral("Wandeln in: Dual"));
    QCOMPARE(name("Option1(3)"), QStringLiteral("Wandeln in: Hexadezimal"));
    QCOMPARE(name("Text1"), QStringLiteral("Eingabe, Dezimalzahl"));
    QCOMPARE(name("Text2"), QStringLiteral("Ergebnis"));
    // Its caption follows the result also when the base changes.
    wandeln.findChild<QRadioButton*>(QStringLiteral("Option1(3)"))->setChecked(true);
    QCOMPARE(name("Label2"), QStringLiteral("Ergebnis: FF"));
    // An emptied input keeps the last result, and no blank dangles behind the caption.
    wandeln.findChild<QLineEdit*>(QStringLiteral("Text1"))->clear();
    QCOMPARE(name("Label1"), QStringLiteral("Eingabe (Dezimal)"));
    QCOMPARE(name("Label2"), QStringLiteral("Ergebnis: FF"));
    QCOMPARE(baum().value(QStringLiteral("Option1(1)")), QStringLiteral("Netzart: Sub Netz"));
}

QTEST_MAIN(TstForm1Zugang)
#include "tst_form1_zugang.moc"
