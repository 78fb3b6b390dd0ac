#include "core/Texte.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace steinfall {
namespace {

// Every byte of the nineteen texts (line ends CR LF, the umlaut in UTF-8, three
// full stops for the dots) as one FNV-1a digest: a changed character fails.
TEST(Texte, AlleNeunzehnZeichenGenau) {
    Texte t;
    InitSprache(t);
    std::uint64_t digest = 14695981039346656037ull;
    for (const std::string* text :
         {&t.TxtVerlorenDiagonal, &t.TxtNiederlage, &t.TxtGewonnenDiagonal, &t.TxtSieg, &t.TxtRemis,
          &t.TxtUnentschieden, &t.TxtVerlorenVertikal, &t.TxtGewonnenVertikal,
          &t.TxtVerlorenHorizontal, &t.TxtGewonnenHorizontal, &t.TxtKlicken,
          &t.TxtComputerUeberlegt, &t.TxtSpalteVoll, &t.TxtAufwachen, &t.TxtNeuesSpiel, &t.TxtFrage,
          &t.TxtEinwerfen, &t.TxtBeenden, &t.TxtBeendenTitel}) {
        for (const char c : *text + '|') {
            digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
    }
    EXPECT_EQ(digest, 0x7ea6dbaba51525e4ull) << std::hex << digest;
}

} // namespace
} // namespace steinfall
