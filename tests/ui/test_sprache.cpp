#include "Testfenster.h"
#include "app/Start.h"
#include "core/Sprache.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <set>

namespace steinfall {
namespace {

using namespace test;

using Texte_ = std::set<QString>;

// Adds a text piece by piece: lines, and the parts between commas, colons
// and semicolons, so that one word left German inside an English line
// ("Column 1: leer") shows as a German piece.
void Zerlegen(const QString& text, Texte_& texte) {
    static const QRegularExpression trenner(QStringLiteral("[\\r\\n,;:]"));
    for (const QString& teil : text.split(trenner)) {
        const QString stueck = teil.trimmed();
        if (stueck.contains(QRegularExpression(QStringLiteral("[^\\W\\d_]")))) {
            texte.insert(stueck);
        }
    }
}

// Everything a player reads or hears named in a window and its controls.
void Sammeln(const QWidget& fenster, Texte_& texte) {
    QList<const QWidget*> alle{&fenster};
    for (const QWidget* kind : fenster.findChildren<QWidget*>()) {
        alle << kind;
    }
    for (const QWidget* w : alle) {
        for (const QString& t :
             {w->windowTitle(), w->accessibleName(), w->accessibleDescription(), w->toolTip()}) {
            Zerlegen(t, texte);
        }
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            Zerlegen(l->text(), texte);
        } else if (const auto* k = qobject_cast<const QAbstractButton*>(w)) {
            Zerlegen(k->text(), texte);
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            Zerlegen(g->title(), texte);
        } else if (const auto* p = qobject_cast<const QPlainTextEdit*>(w)) {
            Zerlegen(p->toPlainText(), texte);
        }
    }
}

// The whole game in one language: the main window, the instructions and
// about windows, both kinds of message box with every message text, and the
// display check's refusal on every system it knows.
Texte_ AlleTexte(Sprache sprache) {
    SpracheWaehlen(sprache);
    Texte_ texte;
    {
        Testfenster f;
        Sammeln(f, texte);
        Sammeln(frmAnleitung(f), texte);
        Sammeln(frmCopyright(f), texte);
        const Texte& t = f.Spielablauf().Txt();
        for (const std::string* s :
             {&t.TxtVerlorenDiagonal, &t.TxtNiederlage, &t.TxtGewonnenDiagonal, &t.TxtSieg,
              &t.TxtRemis, &t.TxtUnentschieden, &t.TxtVerlorenVertikal, &t.TxtGewonnenVertikal,
              &t.TxtVerlorenHorizontal, &t.TxtGewonnenHorizontal, &t.TxtKlicken,
              &t.TxtComputerUeberlegt, &t.TxtSpalteVoll, &t.TxtAufwachen, &t.TxtNeuesSpiel,
              &t.TxtFrage, &t.TxtEinwerfen, &t.TxtBeenden, &t.TxtBeendenTitel}) {
            Zerlegen(QString::fromStdString(*s), texte);
        }
        for (const Knoepfe knoepfe : {Knoepfe::JaNein, Knoepfe::Ok}) {
            Antworten(knoepfe == Knoepfe::Ok ? QMessageBox::Ok : QMessageBox::No,
                      [&](QMessageBox& box) { Sammeln(box, texte); });
            f.Meldung(t.TxtNeuesSpiel, t.TxtFrage, Symbol::Frage, knoepfe);
        }
        for (const Systemversion& v :
             {Systemversion{}, Systemversion{1, 4, 0}, Systemversion{1, 4, 10}}) {
            Zerlegen(QString::fromStdString(SchriftgradText(v)), texte);
        }
    }
    SpracheWaehlen(Sprache::Deutsch);
    return texte;
}

// An English text left German fails here: the English game shows no piece
// of text the German game shows, but for names, the address and a few words
// both languages share.
TEST(Sprache, EnglischesSpielZeigtKeinenDeutschenText) {
    const Texte_ deutsch = AlleTexte(Sprache::Deutsch);
    const Texte_ englisch = AlleTexte(Sprache::Englisch);
    const Texte_ gemeinsam = {"Steinfall",
                              "Computer",
                              "OK",
                              "&OK",
                              "Copyright © Morvell Software",
                              "Morvell Software",
                              "Morvell",
                              "FREEWARE",
                              "Musterstraße 1",
                              "12345 Musterstadt",
                              "https",
                              "//www.example.org",
                              "steinfall@example.org"};
    for (const QString& text : englisch) {
        EXPECT_TRUE(!deutsch.count(text) || gemeinsam.count(text)) << text.toStdString();
        EXPECT_TRUE(!text.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜ]|ß(?!e 1)"))))
            << text.toStdString();
    }
    EXPECT_GT(englisch.size(), 60u);
    EXPECT_GT(deutsch.size(), 60u);
}

} // namespace
} // namespace steinfall
