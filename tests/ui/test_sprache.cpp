#include "Testfenster.h"
#include "app/Start.h"
#include "core/Sprache.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace steinfall {
namespace {

using namespace test;

using Woerter = std::set<QString>;

// Adds a text word by word, so that one word left German inside an English
// line ("Column 1: leer") shows.
void Zerlegen(const QString& text, Woerter& woerter) {
    static const QRegularExpression trenner(QStringLiteral("[^\\p{L}]+"));
    for (const QString& wort : text.split(trenner, Qt::SkipEmptyParts)) {
        woerter.insert(wort);
    }
}

// Everything a player reads or hears named in a window and its controls:
// titles, names for screen readers, the texts of labels, buttons, frames and
// text boxes.
void Sammeln(const QWidget& fenster, Woerter& woerter) {
    QList<const QWidget*> alle = fenster.findChildren<const QWidget*>();
    alle << &fenster;
    for (const QWidget* w : alle) {
        for (const char* eigenschaft : {"windowTitle", "accessibleName", "accessibleDescription",
                                        "toolTip", "text", "title", "plainText"}) {
            Zerlegen(w->property(eigenschaft).toString(), woerter);
        }
    }
}

// The whole game in one language: the main window, the instructions and
// about windows, both kinds of message box with every message text, and the
// display check's refusal on every system it knows.
Woerter AlleTexte(const std::string& sprache) {
    SpracheWaehlen(sprache);
    Woerter woerter;
    {
        Testfenster f;
        Sammeln(f, woerter);
        Sammeln(frmAnleitung(f), woerter);
        Sammeln(frmCopyright(f), woerter);
        const Texte& t = f.Spielablauf().Txt();
        for (const std::string* s :
             {&t.TxtVerlorenDiagonal, &t.TxtNiederlage, &t.TxtGewonnenDiagonal, &t.TxtSieg,
              &t.TxtRemis, &t.TxtUnentschieden, &t.TxtVerlorenVertikal, &t.TxtGewonnenVertikal,
              &t.TxtVerlorenHorizontal, &t.TxtGewonnenHorizontal, &t.TxtKlicken,
              &t.TxtComputerUeberlegt, &t.TxtSpalteVoll, &t.TxtAufwachen, &t.TxtNeuesSpiel,
              &t.TxtFrage, &t.TxtEinwerfen, &t.TxtBeenden, &t.TxtBeendenTitel}) {
            Zerlegen(QString::fromStdString(*s), woerter);
        }
        for (const Knoepfe knoepfe : {Knoepfe::JaNein, Knoepfe::Ok}) {
            Antworten(knoepfe == Knoepfe::Ok ? QMessageBox::Ok : QMessageBox::No,
                      [&](QMessageBox& box) { Sammeln(box, woerter); });
            f.Meldung(t.TxtNeuesSpiel, t.TxtFrage, Symbol::Frage, knoepfe);
        }
        Zerlegen(QString::fromStdString(SchriftgradText()), woerter);
        // What a screen reader says after both players' moves, and of the
        // board with stones and with the keyboard's marker.
        f.Spielablauf().AnimationSetzen(false);
        f.findChild<QWidget*>(QStringLiteral("picSpielfeld"))->setFocus();
        QTest::keyClick(f.windowHandle(), Qt::Key_4);
        EXPECT_TRUE(QTest::qWaitFor([&] { return f.Spielablauf().Stand().Zugzaehler >= 2; }));
        QTest::keyClick(f.windowHandle(), Qt::Key_Right);
        Sammeln(f, woerter);
    }
    SpracheWaehlen(Ursprache);
    return woerter;
}

// The shipped languages: po/LINGUAS, as the build makes their catalogues.
std::vector<std::string> Uebersetzungen() {
    std::vector<std::string> sprachen;
    std::ifstream liste(STEINFALL_PO "/LINGUAS");
    for (std::string sprache; liste >> sprache;) {
        if (sprache.front() == '#') {
            std::getline(liste, sprache);
        } else if (sprache != Ursprache) {
            sprachen.push_back(sprache);
        }
    }
    return sprachen;
}

// A text left German fails here, in every shipped language: the translated
// game uses no word the German game uses, but for names, the address and a
// few words that languages share.
TEST(Sprache, UebersetztesSpielZeigtKeinenDeutschenText) {
    const Woerter deutsch = AlleTexte(Ursprache);
    const Woerter gemeinsam = {"A",         "S",       "in",          "OK",           "Computer",
                               "Steinfall", "Morvell", "Software",    "Copyright",    "FREEWARE",
                               "Linux",     "Windows", "Musterstadt", "Musterstraße", "https",
                               "www",       "example", "org",         "steinfall"};
    const std::vector<std::string> sprachen = Uebersetzungen();
    ASSERT_FALSE(sprachen.empty());
    for (const std::string& sprache : sprachen) {
        const Woerter uebersetzt = AlleTexte(sprache);
        for (const QString& wort : uebersetzt) {
            // Dutch says yes as German does.
            const bool auchDort = sprache == "nl" && wort == "Ja";
            EXPECT_TRUE(!deutsch.count(wort) || gemeinsam.count(wort) || auchDort)
                << sprache << ": " << wort.toStdString();
        }
        EXPECT_GT(uebersetzt.size(), 140u) << sprache;
    }
}

// Back to German after every other language, the texts are the German
// ones again, word for word.
TEST(Sprache, DeutschNachJederUebersetzungWieZuvor) {
    const Woerter vorher = AlleTexte(Ursprache);
    for (const std::string& sprache : Uebersetzungen()) {
        AlleTexte(sprache);
        EXPECT_EQ(AlleTexte(Ursprache), vorher) << "after " << sprache;
    }
}

// The English instructions are paragraphs wrapped at the box's width, and
// the closing name shows without scrolling.
TEST(Sprache, EnglischeAnleitungInAbsaetzen) {
    SpracheWaehlen("en");
    {
        Testfenster f;
        frmAnleitung anleitung(f);
        anleitung.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&anleitung));
        auto* text = anleitung.findChild<QPlainTextEdit*>("txtAnleitung");
        EXPECT_TRUE(text->toPlainText().contains("dropping a piece into the board. Whoever first"));
        EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(text->verticalScrollBar()->maximum(), 0);
        EXPECT_TRUE(text->toPlainText().trimmed().endsWith("out,\n\nMorvell"));
    }
    SpracheWaehlen(Ursprache);
}

} // namespace
} // namespace steinfall
