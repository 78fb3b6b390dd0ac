#pragma once

#include <string>
#include <string_view>

namespace steinfall {

// Every text of the status line and of the game's message boxes. Filled once
// by InitSprache in the chosen language (see Sprache.h); the rest of the game
// refers to the slots by name.
struct Texte {
    std::string TxtVerlorenDiagonal;
    std::string TxtNiederlage;
    std::string TxtGewonnenDiagonal;
    std::string TxtSieg;
    std::string TxtRemis;
    std::string TxtUnentschieden;
    std::string TxtVerlorenVertikal;
    std::string TxtGewonnenVertikal;
    std::string TxtVerlorenHorizontal;
    std::string TxtGewonnenHorizontal;
    std::string TxtKlicken;
    std::string TxtComputerUeberlegt;
    std::string TxtSpalteVoll;
    std::string TxtAufwachen;
    std::string TxtNeuesSpiel;
    std::string TxtFrage;
    std::string TxtEinwerfen;
    std::string TxtBeenden;
    std::string TxtBeendenTitel;
};

void InitSprache(Texte& t);

// A translated text with the game's line ends: the catalogues break lines
// with LF alone, the game's boxes and texts with CR LF.
std::string MitCrLf(std::string_view text);

} // namespace steinfall
