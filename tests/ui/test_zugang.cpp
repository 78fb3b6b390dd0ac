#include "Testfenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace steinfall {
namespace {

using namespace test;

struct Zugang {
    QAccessible::Role Rolle;
    QString Name;
    bool operator==(const Zugang&) const = default;
};

Zugang Lesen(QWidget* control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    return {a->role(), a->text(QAccessible::Name)};
}

void PrintTo(const Zugang& z, std::ostream* aus) {
    *aus << z.Rolle << " " << z.Name.toStdString();
}

TEST(Zugang, HauptfensterNenntJedesControlUndDieStellung) {
    Testfenster f;
    auto pruefen = [&](const char* control, QAccessible::Role rolle, const char* name) {
        EXPECT_EQ(Lesen(f.Control<QWidget>(control)), (Zugang{rolle, QString::fromUtf8(name)}))
            << control;
    };
    pruefen("picButtonNeuesSpiel", QAccessible::Button, "Neues Spiel");
    pruefen("picButtonAnleitung", QAccessible::Button, "Anleitung");
    pruefen("picButtonCopyright", QAccessible::Button, "Info");
    pruefen("picButtonExit", QAccessible::Button, "Beenden");
    pruefen("frAnfang", QAccessible::Grouping, "Wer beginnt ?");
    pruefen("optAnfangSp2", QAccessible::RadioButton, "Computer");
    pruefen("frSpielstaerke", QAccessible::Grouping, "Spielstärke :");
    pruefen("optStaerke1", QAccessible::RadioButton, "Anfänger");
    pruefen("lblStatus", QAccessible::StatusBar,
            "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.");
    pruefen("picSpielfeld", QAccessible::Graphic, "Spielbrett");

    auto* brett = f.Control<Bildflaeche>("picSpielfeld");
    auto stellung = [&] {
        return QAccessible::queryAccessibleInterface(brett)->text(QAccessible::Description);
    };
    EXPECT_EQ(stellung(), "Spalte 1: leer; Spalte 2: leer; Spalte 3: leer; Spalte 4: leer; "
                          "Spalte 5: leer; Spalte 6: leer; Spalte 7: leer");
    // Column 4: the human's stone at its bottom, the computer's answer somewhere.
    QTest::mouseClick(brett, Qt::LeftButton, {}, QPoint(220, 50));
    EXPECT_TRUE(stellung().contains("Spalte 4: Spieler")) << stellung().toStdString();
    EXPECT_EQ(stellung().count("Spieler"), 1);
    EXPECT_EQ(stellung().count("Computer"), 1);
}

TEST(Zugang, NebenfensterNennenTexteUndVerweise) {
    Testfenster f;
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonAnleitung"), Qt::LeftButton);
    frmAnleitung& a = *f.Anleitung();
    EXPECT_EQ(Lesen(&a.Zurueck().Item(0)), (Zugang{QAccessible::Button, "Zurück"}));
    auto* text = a.findChild<QPlainTextEdit*>("txtAnleitung");
    EXPECT_EQ(Lesen(text), (Zugang{QAccessible::EditableText, "Anleitung"}));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(text)
                    ->text(QAccessible::Value)
                    .contains("Viel Spaß beim Knobeln"));
    a.Zurueck().MouseDown(0, 1, 0, 1, 1);
    a.Zurueck().MouseUp(0, 1, 0, 1, 1);

    QTest::mouseClick(f.Control<Bildflaeche>("picButtonCopyright"), Qt::LeftButton);
    frmCopyright& c = *f.Copyright();
    EXPECT_EQ(Lesen(&c.CR(0)), (Zugang{QAccessible::StaticText, "Morvell Software"}));
    EXPECT_EQ(Lesen(&c.CR(3)), (Zugang{QAccessible::Link, c.CR(3).text()}));
    EXPECT_EQ(Lesen(&c.CR(4)), (Zugang{QAccessible::Link, c.CR(4).text()}));
    EXPECT_EQ(Lesen(c.findChild<QLabel*>("lblReg")), (Zugang{QAccessible::StaticText, "FREEWARE"}));
    EXPECT_EQ(Lesen(&c.OK()), (Zugang{QAccessible::Button, "OK"}));
}

} // namespace
} // namespace steinfall
