#include "Testfenster.h"
#include "core/Sprache.h"
#include "ui/Bilder.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"
#include "zeichnen/Zeichnung.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextBlock>

#include <string>
#include <vector>

// Every text fits the place made for it, in every language the game speaks,
// at the designed size and filling a 1920x1080 screen. A failure names the
// language, the text and by how many pixels it runs over: the cure is the
// translation, never a moved control.
namespace steinfall {
namespace {

using namespace test;

// German and every catalogue built beside the tests.
std::vector<std::string> AlleSprachen() {
    const std::vector<std::string> sprachen = BekannteSprachen();
    EXPECT_GT(sprachen.size(), 1u) << "keine Kataloge in " << Katalogverzeichnis();
    return sprachen;
}

struct Ueberlauf {
    QString Text;
    int Pixel;
};

class Pruefer {
public:
    explicit Pruefer(QString wo) : wo_(std::move(wo)) {}

    void Breite(const QString& text, int noetig, int vorhanden) {
        if (noetig > vorhanden) {
            zuBreit_.push_back({text, noetig - vorhanden});
        }
    }
    // Reports each overflow once, with where it was found.
    ~Pruefer() {
        for (const Ueberlauf& u : zuBreit_) {
            ADD_FAILURE() << wo_.toStdString() << ": \"" << u.Text.toStdString() << "\" um "
                          << u.Pixel << " Pixel zu breit";
        }
    }

private:
    QString wo_;
    std::vector<Ueberlauf> zuBreit_;
};

int Zeilenbreite(const QFontMetrics& fm, const QString& text) {
    int breite = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n'))) {
        breite = std::max(breite, fm.horizontalAdvance(zeile));
    }
    return breite;
}

// Labels, options, frame captions and push buttons of a window, each against
// its own control.
void SteuerelementePruefen(const QWidget& fenster, Pruefer& p) {
    for (const QLabel* l : fenster.findChildren<const QLabel*>()) {
        if (l->text().isEmpty() || !l->isVisibleTo(&fenster) || l->wordWrap()) {
            continue;
        }
        const int rand = 2 * l->margin() + std::max(l->indent(), 0);
        p.Breite(l->text(), Zeilenbreite(l->fontMetrics(), l->text()) + rand,
                 l->contentsRect().width());
    }
    for (const QRadioButton* r : fenster.findChildren<const QRadioButton*>()) {
        p.Breite(r->text(), r->sizeHint().width(), r->width());
    }
    for (const QGroupBox* g : fenster.findChildren<const QGroupBox*>()) {
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect titel =
            g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
        p.Breite(g->title(), titel.right() + 1, g->width());
    }
    for (const QPushButton* k : fenster.findChildren<const QPushButton*>()) {
        // The caption against the room the style leaves it inside the bevel.
        QStyleOptionButton o;
        o.initFrom(k);
        o.text = k->text();
        const QRect innen = k->style()->subElementRect(QStyle::SE_PushButtonContents, &o, k);
        p.Breite(k->text(), k->fontMetrics().size(Qt::TextShowMnemonic, k->text()).width(),
                 innen.width());
    }
}

QString Ort(const char* fenster, double faktor) {
    return QStringLiteral("%1, %2, Faktor %3")
        .arg(QString::fromStdString(GewaehlteSprache()), QString::fromLatin1(fenster))
        .arg(faktor);
}

class Passt : public ::testing::TestWithParam<double> {
protected:
    void TearDown() override { SpracheWaehlen(Ursprache); }
};

TEST_P(Passt, HauptfensterUndStatuszeile) {
    for (const std::string& sprache : AlleSprachen()) {
        SpracheWaehlen(sprache);
        Testfenster f(std::make_unique<Regelspieler>(), GetParam());
        Pruefer p(Ort("Hauptfenster", GetParam()));
        SteuerelementePruefen(f, p);
        const auto* status = f.Control<QLabel>("lblStatus");
        const Texte& t = f.Spielablauf().Txt();
        for (const std::string* s : {&t.TxtKlicken, &t.TxtComputerUeberlegt, &t.TxtSpalteVoll,
                                     &t.TxtAufwachen, &t.TxtEinwerfen}) {
            const QString text = QString::fromStdString(*s);
            p.Breite(text, status->fontMetrics().horizontalAdvance(text),
                     status->contentsRect().width());
        }
    }
}

TEST_P(Passt, InfofensterUndAnleitung) {
    for (const std::string& sprache : AlleSprachen()) {
        SpracheWaehlen(sprache);
        Testfenster f(std::make_unique<Regelspieler>(), GetParam());
        {
            frmCopyright info(f);
            info.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
            Pruefer p(Ort("Info", GetParam()));
            SteuerelementePruefen(info, p);
        }
        frmAnleitung anleitung(f);
        anleitung.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&anleitung));
        Pruefer p(Ort("Anleitung", GetParam()));
        SteuerelementePruefen(anleitung, p);
        // Read to the end: nothing runs out sideways, and scrolled down, the
        // closing line stands inside the box.
        auto* text = anleitung.findChild<QPlainTextEdit*>("txtAnleitung");
        p.Breite(QStringLiteral("Anleitung"),
                 text->horizontalScrollBar()->maximum() + text->viewport()->width(),
                 text->viewport()->width());
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
        QTextCursor ende(text->document());
        ende.movePosition(QTextCursor::End);
        text->setTextCursor(ende);
        const QRect letzte = text->cursorRect();
        EXPECT_TRUE(text->viewport()->rect().contains(letzte))
            << Ort("Anleitung", GetParam()).toStdString() << ": letzte Zeile bei " << letzte.y()
            << " nicht zu sehen";
    }
}

// Message boxes lay themselves out; what may not happen is a box wider or
// taller than the game area it belongs to.
TEST_P(Passt, Meldungen) {
    for (const std::string& sprache : AlleSprachen()) {
        SpracheWaehlen(sprache);
        Testfenster f(std::make_unique<Regelspieler>(), GetParam());
        const Texte& t = f.Spielablauf().Txt();
        const std::pair<const std::string*, const std::string*> meldungen[] = {
            {&t.TxtVerlorenDiagonal, &t.TxtNiederlage},
            {&t.TxtGewonnenDiagonal, &t.TxtSieg},
            {&t.TxtRemis, &t.TxtUnentschieden},
            {&t.TxtVerlorenVertikal, &t.TxtNiederlage},
            {&t.TxtGewonnenVertikal, &t.TxtSieg},
            {&t.TxtVerlorenHorizontal, &t.TxtNiederlage},
            {&t.TxtGewonnenHorizontal, &t.TxtSieg},
            {&t.TxtNeuesSpiel, &t.TxtFrage},
            {&t.TxtBeenden, &t.TxtBeendenTitel},
            {&t.TxtSpalteVoll, &t.TxtAufwachen}};
        for (const auto& [text, titel] : meldungen) {
            const bool frage = text == &t.TxtNeuesSpiel || text == &t.TxtBeenden;
            Antworten(frage ? QMessageBox::No : QMessageBox::Ok, [&](QMessageBox& box) {
                Pruefer p(Ort("Meldung", GetParam()));
                const QSize spiel = f.Control<QWidget>("picContainer")->size();
                p.Breite(box.text(), box.width(), spiel.width());
                p.Breite(box.text(), box.height(), spiel.height());
                SteuerelementePruefen(box, p);
            });
            f.Meldung(*text, *titel, frage ? Symbol::Frage : Symbol::Ausrufezeichen,
                      frage ? Knoepfe::JaNein : Knoepfe::Ok);
        }
    }
}

// A caption may shrink its font to three quarters; beyond that it would run
// over its picture's rim.
TEST_P(Passt, KnopfBeschriftungen) {
    bilder::SchriftenLaden();
    for (const std::string& sprache : AlleSprachen()) {
        SpracheWaehlen(sprache);
        Pruefer p(Ort("Bildknopf", GetParam()));
        for (const bilder::Knopfbeschriftung* k :
             {&bilder::KnopfNeuesSpiel, &bilder::KnopfAnleitung, &bilder::KnopfCopyright,
              &bilder::KnopfZurueck, &bilder::KnopfBeenden}) {
            const QString text = Knopftext(*k);
            p.Breite(text, bilder::KnopfUeberstand(text, k->Breite, GetParam()), 0);
        }
    }
}

// 1 is the designed size, 2.25 fills a 1920x1080 screen.
INSTANTIATE_TEST_SUITE_P(Groessen, Passt, ::testing::Values(1.0, 2.25), [](const auto& groesse) {
    return groesse.param == 1 ? "Entwurf" : "Voll";
});

} // namespace
} // namespace steinfall
