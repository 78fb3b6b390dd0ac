#include "Testfenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <tuple>

namespace steinfall {
namespace {

using namespace test;

TEST(Zugang, JedesControlMitRolleUndNamen) {
    Testfenster f;
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonAnleitung"), Qt::LeftButton);
    frmAnleitung& a = *f.Anleitung();
    auto* text = a.findChild<QPlainTextEdit*>("txtAnleitung");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(text)
                    ->text(QAccessible::Value)
                    .contains("Viel Spaß beim Knobeln"));
    a.Zurueck().MouseDown();
    a.Zurueck().MouseUp(1, 1);
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonCopyright"), Qt::LeftButton);
    frmCopyright& c = *f.Copyright();

    const std::vector<std::tuple<QWidget*, QAccessible::Role, QString>> controls = {
        {f.Control<QWidget>("picButtonNeuesSpiel"), QAccessible::Button, "Neues Spiel"},
        {f.Control<QWidget>("picButtonAnleitung"), QAccessible::Button, "Anleitung"},
        {f.Control<QWidget>("picButtonCopyright"), QAccessible::Button, "Info"},
        {f.Control<QWidget>("picButtonExit"), QAccessible::Button, "Beenden"},
        {f.Control<QWidget>("frAnfang"), QAccessible::Grouping, "Wer beginnt ?"},
        {f.Control<QWidget>("optAnfangSp2"), QAccessible::RadioButton, "Computer"},
        {f.Control<QWidget>("frSpielstaerke"), QAccessible::Grouping, "Spielstärke :"},
        {f.Control<QWidget>("optStaerke1"), QAccessible::RadioButton, "Anfänger"},
        {f.Control<QWidget>("lblStatus"), QAccessible::StatusBar,
         "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen."},
        {f.Control<QWidget>("picSpielfeld"), QAccessible::Graphic, "Spielbrett"},
        {&a.Zurueck().Item(0), QAccessible::Button, "Zurück"},
        {text, QAccessible::EditableText, "Anleitung"},
        {&c.CR(0), QAccessible::StaticText, "Morvell Software"},
        {&c.CR(3), QAccessible::Link, c.CR(3).text()},
        {&c.CR(4), QAccessible::Link, c.CR(4).text()},
        {c.findChild<QLabel*>("lblReg"), QAccessible::StaticText, "FREEWARE"},
        {&c.OK(), QAccessible::Button, "OK"},
    };
    for (const auto& [control, rolle, name] : controls) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(control);
        EXPECT_EQ(zugang->role(), rolle) << name.toStdString();
        EXPECT_EQ(zugang->text(QAccessible::Name), name);
    }
}

TEST(Zugang, BrettNenntDieStellung) {
    Testfenster f;
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

} // namespace
} // namespace steinfall
