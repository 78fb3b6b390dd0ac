#include "core/Texte.h"
#include "tests/Pruefsumme.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

// Every byte of the nineteen texts (line ends CR LF, the umlaut in UTF-8, three
// full stops for the dots), one digest each: a changed text fails by its name.
TEST(Texte, JederTextZeichenGenau) {
    Texte t;
    InitSprache(t);
    struct Eintrag {
        const char* Name;
        const std::string* Text;
        const char* Digest;
    };
#define TEXT(name, digest) Eintrag(#name, &t.name, digest)
    const Eintrag texte[] = {
        TEXT(TxtVerlorenDiagonal, "1d06a9fecd026b02"),
        TEXT(TxtNiederlage, "e5e67e2d46f0fd45"),
        TEXT(TxtGewonnenDiagonal, "510350c9bccb5fb7"),
        TEXT(TxtSieg, "7896a924e7a23e41"),
        TEXT(TxtRemis, "a1dc47852665091b"),
        TEXT(TxtUnentschieden, "4179a8284d46f434"),
        TEXT(TxtVerlorenVertikal, "ee54e5a242e3e6e9"),
        TEXT(TxtGewonnenVertikal, "d42c51c871f6e793"),
        TEXT(TxtVerlorenHorizontal, "7272204477d05803"),
        TEXT(TxtGewonnenHorizontal, "75a60655d6a33b22"),
        TEXT(TxtKlicken, "1f78fb4e0c2b9d86"),
        TEXT(TxtComputerUeberlegt, "c0bd2d06730412ad"),
        TEXT(TxtSpalteVoll, "28153f58d34756e7"),
        TEXT(TxtAufwachen, "08bdbf48a3a03c10"),
        TEXT(TxtNeuesSpiel, "ded3d1025535b0b2"),
        TEXT(TxtFrage, "dbf62424ae519e5e"),
        TEXT(TxtEinwerfen, "9684e9c7a255c441"),
        TEXT(TxtBeenden, "f443e620a49c51ea"),
        TEXT(TxtBeendenTitel, "4a0dec94b4babc92"),
    };
#undef TEXT
    for (const auto& text : texte) {
        EXPECT_EQ(test::Fnv1a64(*text.Text), text.Digest)
            << text.Name << " ist jetzt \"" << *text.Text << '"';
    }
}

} // namespace
} // namespace steinfall
