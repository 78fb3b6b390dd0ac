#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

const std::string F = ".......";

template <class Feld> void Erwarte(const Feld& f, std::initializer_list<std::array<int, 3>> z) {
    for (const auto& [r, c, v] : z) {
        EXPECT_EQ(f(r, c), v) << "(" << r << ", " << c << ")";
    }
}

Zahl16 Pruefen(test::Testanalyse& t, int seite) { // 1 computer, 2 human
    FolgeZufall z({0.0});
    t.A.Zufall = &z;
    const Zahl16 spalte = DrohungenPruefen(t.A, seite);
    t.A.Zufall = nullptr;
    return spalte;
}

TEST(Drohungen, SpielbareLueckeGewinntOderBlockt) {
    auto t = test::AnalyseAus({F, F, F, F, F, "SSS...."});
    EXPECT_EQ(Pruefen(*t, 1), 0);
    EXPECT_EQ(Pruefen(*t, 2), 153);
    Erwarte(t->A.DrohungSpieler, {{6, 4, 1}});
    // Each horizontal gap position on its own, then all four in one cell.
    for (const auto& [reihe, spalte, wert] : {std::tuple{"CCC....", 4, 101},
                                              {"CC.C...", 3, 101},
                                              {"C.CC...", 2, 101},
                                              {".CCCS..", 1, 101},
                                              {"CCC.CCC", 4, 404}}) {
        auto h = test::AnalyseAus({F, F, F, F, F, reihe});
        EXPECT_EQ(Pruefen(*h, 1), spalte + 149);
        EXPECT_EQ(h->A.WertComputer(6, spalte), wert) << reihe;
    }
    // Vertical: scores the top cell, sets no threat marker.
    auto s = test::AnalyseAus({F, F, F, "....S..", "....S..", "....S.."});
    EXPECT_EQ(Pruefen(*s, 2), 154);
    Erwarte(s->A.DrohungSpieler, {{3, 5, 0}});
}

TEST(Drohungen, SchwebendeLueckeMarkiertDieZellenDarunter) {
    // Human, U = (6, 4) the lowest free cell, W = floor row 7.
    auto b = test::AnalyseAus({F, F, F, F, "SSS....", "CSC...."});
    EXPECT_EQ(Pruefen(*b, 2), 0);
    Erwarte(b->A.VerbotHart, {{6, 4, 1}});
    Erwarte(b->A.Meiden, {{7, 4, 1}});
    Erwarte(b->A.WertComputer, {{7, 4, -3}});
    // Computer, W = (6, 4) a stone: a soft ban on U and no avoid marker.
    auto w = test::AnalyseAus({F, F, F, "CCC....", "SSC....", "CCSS..."});
    Pruefen(*w, 1);
    Erwarte(w->A.VerbotWeich, {{5, 4, 1}});
    Erwarte(w->A.Meiden, {{6, 4, 0}});
    Erwarte(w->A.WertSpieler, {{6, 4, -3}});
    // Both sides, U and W free: no ban, only the avoid marker; both -3 add up.
    auto h = test::AnalyseAus({F, F, F, "..S.C..", ".SC.SC.", "SCC.SSC"});
    Pruefen(*h, 1);
    Pruefen(*h, 2);
    Erwarte(h->A.DrohungComputer, {{3, 4, 1}});
    Erwarte(h->A.DrohungSpieler, {{3, 4, 1}});
    Erwarte(h->A.Meiden, {{5, 4, 1}});
    Erwarte(h->A.VerbotHart, {{4, 4, 0}});
    Erwarte(h->A.VerbotWeich, {{4, 4, 0}});
    Erwarte(h->A.WertSpieler, {{5, 4, -6}});
}

TEST(Drohungen, DiagonalenFindenJedeLueckenstelle) {
    // Threat markers do not need supported stones, so these may float.
    for (const int richtung : {1, -1}) {
        const int start = richtung == 1 ? 1 : 7;
        for (int luecke = 0; luecke < 4; ++luecke) {
            std::array<std::string, 6> bild{F, F, F, F, F, F};
            for (int i = 0; i < 4; ++i) {
                bild[2 + i][start - 1 + i * richtung] = i == luecke ? '.' : 'C';
            }
            auto t = test::AnalyseAus(bild);
            Pruefen(*t, 1);
            EXPECT_EQ(t->A.DrohungComputer(3 + luecke, start + luecke * richtung), 1)
                << richtung << " " << luecke;
        }
    }
}

TEST(Drohungen, RechtsFallendMitLueckeUntenZaehltDasObereEnde) {
    auto c = test::AnalyseAus({F, F, "C......", "SC.....", "CSC....", "SSC...."});
    EXPECT_EQ(Pruefen(*c, 1), 153);
    Pruefen(*c, 1);
    Erwarte(c->A.DrohungComputer, {{6, 4, 1}, {3, 1, 2}});
}

TEST(DoppelDrohung, AbwehrNimmtDasLetztePaarMitSpielbaremUnterenFeld) {
    auto t = test::AnalyseAus({F, F, F, F, ".....C.", ".S...S."});
    Analyse& a = t->A;
    a.DrohungSpieler(4, 2) = a.DrohungSpieler(5, 2) = 1; // r = 4
    a.DrohungSpieler(3, 6) = a.DrohungSpieler(4, 6) = 1; // r = 3
    a.DrohungSpieler(4, 5) = a.DrohungSpieler(5, 5) = 1; // (6, 5) free: not yet
    EXPECT_EQ(DoppelDrohungAbwehren(a), 151);
    a.DrohungComputer(3, 6) = a.DrohungComputer(5, 2) = 1; // the upper cell is not looked at
    EXPECT_EQ(DoppelDrohungAbwehren(a), 155);
    a.DrohungComputer(8, 6) = 1;
    EXPECT_EQ(DoppelDrohungAbwehren(a), 0);
}

TEST(DoppelDrohung, BonusFuerComputerpaarOhneHarteSperreDarunter) {
    auto t = test::AnalyseAus({F, F, F, F, F, F});
    Analyse& a = t->A;
    a.DrohungComputer(2, 3) = a.DrohungComputer(3, 3) = a.DrohungComputer(4, 3) = 1;
    a.DrohungComputer(5, 1) = a.DrohungComputer(6, 1) = 1; // r only up to 4
    a.VerbotHart(8, 3) = 1;                                // blocks r = 3, not r = 2
    DoppelDrohungBonus(a);
    Erwarte(a.WertComputer, {{2, 3, 20}, {3, 3, 0}, {5, 1, 0}});
    a.DrohungSpieler(3, 3) = 1;
    DoppelDrohungBonus(a);
    Erwarte(a.WertComputer, {{2, 3, 20}});
}

} // namespace
} // namespace steinfall
