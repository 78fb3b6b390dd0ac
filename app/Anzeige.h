#pragma once

namespace steinfall {

// Without a reachable display Qt gives up with its own abort. Between these
// two calls, around the construction of the application object, its
// messages are held back; should it give up, the program says so in one
// line in the player's language and ends with 1. Once the display is found,
// the held messages go out as they would have.
//
//     AnzeigeSuchen(argc, argv);
//     QApplication app(argc, argv);
//     AnzeigeGefunden();
void AnzeigeSuchen(int argc, char** argv);
void AnzeigeGefunden();

} // namespace steinfall
