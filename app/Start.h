#pragma once

#include <memory>
#include <string>

namespace steinfall {

class frmHaupt;

// The windows are laid out for 96 logical pixels per inch in both directions.
bool AnzeigeNormal(int dpiX, int dpiY);

// The error text for another font size: four lines, CR LF between them,
// none after the last.
std::string SchriftgradText();

// The start procedure: on a screen with another font size it shows the error
// box and returns nothing, so the program ends without a window; otherwise
// it shows the main window and returns it.
std::unique_ptr<frmHaupt> Main(bool originalgroesse = false);

// The game area's scale on this screen: the largest at which it fits, or 1
// at the original size.
double Spielfaktor(bool originalgroesse);

// Prints, one per line, "name x y width height" in screen pixels of the game
// area, the board, the status line, the picture buttons and the options,
// then each hole's middle as "loch column row x y", as the window would lay
// them out on this screen. Returns the exit code.
int GeometrieAusgeben(bool originalgroesse);

} // namespace steinfall
