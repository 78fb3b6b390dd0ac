// The board without a mouse: keys that drop stones, the column marker, and
// what a screen reader is told of the board.

#include "Testfenster.h"
#include "ui/Bildflaeche.h"
#include "ui/Brettzugang.h"

#include <QRadioButton>

namespace steinfall {
namespace {

using namespace test;

// The human's stones in a column (0..6).
int Spielersteine(Testfenster& f, int spalte) {
    int n = 0;
    for (int zeile = 0; zeile < AnzahlZeilen; ++zeile) {
        n += f.Spielablauf().Stand().Brett[zeile * AnzahlSpalten + spalte] == SteinSpieler;
    }
    return n;
}

// A computer that answers on top of the human's stone (the first open column
// when that one is full): the keys decide the whole game, and no line of
// four ends it early.
class Nachspieler : public Computerspieler {
public:
    Spaltencode SpalteWaehlen(const Spielstand& stand, const std::function<void()>&) override {
        int spalte = 0;
        for (int zelle = 0; zelle < AnzahlFelder; ++zelle) {
            if (stand.Brett[zelle] == SteinSpieler && vorher_.Brett[zelle] != SteinSpieler) {
                spalte = zelle % AnzahlSpalten;
            }
        }
        while (stand.SpaltenStatus[spalte] == SpalteVoll) {
            spalte = (spalte + 1) % AnzahlSpalten;
        }
        vorher_ = stand;
        return SpaltencodeVon(spalte + 1);
    }

private:
    Spielstand vorher_;
};

struct Tastenfenster : Testfenster {
    Tastenfenster() : Testfenster(std::make_unique<Nachspieler>()) {
        Spielablauf().AnimationSetzen(false);
        brett = Control<Bildflaeche>("picSpielfeld");
        brett->setFocus();
    }
    void Taste(int taste, Qt::KeyboardModifiers umschalt = {}) {
        QTest::keyClick(windowHandle(), static_cast<Qt::Key>(taste), umschalt);
    }
    // The board as the screen shows it, marker included.
    QImage Schirm() const { return brett->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    Bildflaeche* brett;
};

TEST(Tastatur, ZiffernUndPfeileWerfenInIhreSpalte) {
    Tastenfenster f;
    const Brettzugang& zugang = f.Zugang();
    // The keypad's 7 and the main row's 1.
    f.Taste(Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(Spielersteine(f, 6), 1);
    f.Taste(Qt::Key_1);
    EXPECT_EQ(Spielersteine(f, 0), 1);
    f.Taste(Qt::Key_8);
    EXPECT_EQ(f.Spielablauf().Stand().Zugzaehler, 4) << "8 is no column";

    // Left from the first column wraps to the last, right from the last to the first.
    f.Taste(Qt::Key_Left);
    EXPECT_EQ(zugang.Marke(), 6);
    f.Taste(Qt::Key_Right);
    f.Taste(Qt::Key_Right);
    EXPECT_EQ(zugang.Marke(), 1);
    // Return, Space and Down drop where the marker stands.
    for (int taste : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Down}) {
        f.Taste(taste);
        EXPECT_EQ(Spielersteine(f, zugang.Marke()), 1) << taste;
        f.Taste(Qt::Key_Right);
        f.Taste(Qt::Key_Right);
    }
    EXPECT_EQ(f.Spielablauf().Stand().Zugzaehler, 10);

    // On an option group the arrows choose the option, and the board stays;
    // the digits drop from anywhere.
    f.Control<QRadioButton>("optStaerke3")->setFocus();
    f.Taste(Qt::Key_Down);
    EXPECT_TRUE(f.Control<QRadioButton>("optStaerke4")->isChecked());
    f.Taste(Qt::Key_Left);
    EXPECT_EQ(zugang.Marke(), 0);
    EXPECT_EQ(f.Spielablauf().Stand().Zugzaehler, 10);
    f.Taste(Qt::Key_1);
    EXPECT_EQ(Spielersteine(f, 0), 2);
}

// A held key drops one stone per press: by the first repeat the computer has
// answered, and a repeat taken for a press would drop the next stone.
TEST(Tastatur, GehalteneTasteWirftEinenSteinJeDruck) {
    Tastenfenster f;
    const Abwimmeln meldungen;
    // Columns 1, 3, 5 and 7, two presses each: no line of four.
    int spalte = 0;
    for (const auto& [taste, text] : {std::pair{Qt::Key_1, "1"},
                                      {Qt::Key_Return, "\r"},
                                      {Qt::Key_Space, " "},
                                      {Qt::Key_Down, ""}}) {
        for (int druck = 1; druck <= 2; ++druck) {
            QTest::simulateEvent(f.windowHandle(), true, taste, {}, text, false);
            // X repeats a held key as release and press, both marked.
            for (int wiederholung = 0; wiederholung < 3; ++wiederholung) {
                QTest::simulateEvent(f.windowHandle(), false, taste, {}, text, true);
                QTest::simulateEvent(f.windowHandle(), true, taste, {}, text, true);
            }
            QTest::simulateEvent(f.windowHandle(), false, taste, {}, text, false);
            EXPECT_EQ(Spielersteine(f, spalte), druck) << taste;
        }
        f.Taste(Qt::Key_Right);
        f.Taste(Qt::Key_Right);
        spalte += 2;
    }
    EXPECT_EQ(f.Spielablauf().Stand().Zugzaehler, 16);
    EXPECT_TRUE(meldungen.Fragen.isEmpty()) << meldungen.Fragen.join(u'|').toStdString();
}

TEST(Tastatur, MarkeNurNachTastenUndBisZumKlick) {
    Tastenfenster f;
    const Brettzugang& zugang = f.Zugang();
    EXPECT_FALSE(zugang.MarkeSichtbar());
    EXPECT_EQ(f.Schirm(), f.Brett().Bild()) << "the mouse player's board";
    f.Taste(Qt::Key_Right);
    ASSERT_TRUE(zugang.MarkeSichtbar());
    // Column 5 framed between its holes, in the gap beside the next column's.
    const QImage mitMarke = f.Schirm();
    const int links = f.Massstab().PixelX(180 + 4 * 900) + 1;
    const int mitte = f.Massstab().PixelY(2500);
    EXPECT_NE(mitMarke.pixel(links, mitte), f.Brett().Bild().pixel(links, mitte));
    EXPECT_EQ(mitMarke.pixel(links - 4, mitte), f.Brett().Bild().pixel(links - 4, mitte));
    QTest::mouseClick(f.brett, Qt::LeftButton, {}, QPoint(40, 50));
    EXPECT_FALSE(zugang.MarkeSichtbar());
    EXPECT_EQ(Spielersteine(f, 0), 1);
    EXPECT_EQ(f.Schirm(), f.Brett().Bild());
}

TEST(Tastatur, ScreenreaderHoertZuegeUndStellung) {
    Tastenfenster f;
    auto name = [&] { return f.brett->accessibleName(); };
    auto beschreibung = [&] { return f.brett->accessibleDescription(); };
    f.Taste(Qt::Key_4);
    // The human's stone, then the computer's, named by their columns.
    EXPECT_EQ(name(), "Spielbrett, Computer: Spalte 4, Auswahl: Spalte 4");
    EXPECT_TRUE(beschreibung().contains("Spalte 4: Spieler, Computer; Spalte 5: leer"));
    f.Taste(Qt::Key_Right);
    EXPECT_EQ(name(), "Spielbrett, Computer: Spalte 4, Auswahl: Spalte 5");

    // A new game forgets the last move and the stones.
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonNeuesSpiel"), Qt::LeftButton);
    EXPECT_EQ(name(), "Spielbrett, Auswahl: Spalte 5");
    EXPECT_EQ(beschreibung(), "Spalte 1: leer; Spalte 2: leer; Spalte 3: leer; Spalte 4: leer; "
                              "Spalte 5: leer; Spalte 6: leer; Spalte 7: leer");
}

} // namespace
} // namespace steinfall
