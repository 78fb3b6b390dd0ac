#pragma once

// The game's layout in twips, the one place it is written down: the core
// finds the clicked column in it, the windows lay their controls out from it,
// the picture generator draws the pictures to its sizes, and the tests ask
// the running game where it put them (`steinfall --geometrie`). Plain C++, so
// that the core may read it. 15 twips make a pixel at the designed size.

namespace steinfall::geometrie {

// The designed game area is 640 x 480 pixels.
inline constexpr double TwipsJePixelEntwurf = 15;

// A length in whole pixels at the designed size; a length that is not a
// whole number of pixels does not compile.
consteval int EntwurfPixel(double twips) {
    const int pixel = static_cast<int>(twips / TwipsJePixelEntwurf);
    if (pixel * TwipsJePixelEntwurf != twips) {
        throw "keine ganzen Pixel";
    }
    return pixel;
}

struct Ort {
    double Links = 0;
    double Oben = 0;
    double Breite = 0;
    double Hoehe = 0;
};

// The game area and what lies on it, relative to the game area.
inline constexpr Ort Spielbereich{0, 0, 9600, 7200};
inline constexpr Ort Spielfeld{2520, 1320, 6600, 5175};
// The board picture that the built sets hold, in designed pixels.
static_assert(EntwurfPixel(Spielfeld.Breite) == 440 && EntwurfPixel(Spielfeld.Hoehe) == 345);
inline constexpr Ort Status{2520, 6480, 6615, 255};
inline constexpr Ort KnopfNeuesSpiel{320, 1440, 1650, 405};
inline constexpr Ort KnopfAnleitung{320, 1980, 1650, 405};
inline constexpr Ort KnopfCopyright{320, 2520, 1650, 405};
inline constexpr Ort KnopfBeenden{8160, 6720, 1335, 405};
inline constexpr Ort Logo{3720, 120, 4095, 990};
inline constexpr Ort Optionen{240, 3120, 1815, 3375};
// In the options panel, and the options in their frames.
inline constexpr Ort RahmenAnfang{150, 240, 1455, 1095};
inline constexpr Ort RahmenSpielstaerke{150, 1560, 1455, 1575};
inline constexpr Ort OptionSpieler{120, 360, 1215, 255};
inline constexpr Ort OptionComputer{120, 720, 1215, 255};
inline constexpr Ort OptionAnfaenger{120, 360, 1215, 255};
inline constexpr Ort OptionExperte{120, 720, 1215, 255};
inline constexpr Ort OptionProfi{120, 1080, 1215, 255};

// The hidden pictures' sizes.
inline constexpr double SteinGroesse = 600;
inline constexpr double SpalteHoehe = 4950;
inline constexpr double KachelBreite = 1920;  // background tile of the game area
inline constexpr double Kachel2Breite = 1410; // and of the options panel
inline constexpr double Kachel2Hoehe = 570;

// The board's cells: columns 900 twips apart from x = 300, rows 825 twips
// apart from y = 225, each a margin plus the stone's own size.
//
//     300 600 300 600 ...
//     |  |####|  |####|
//
inline constexpr double RandX = 300;
inline constexpr double RandY = 225;
inline constexpr int Spalten = 7;
inline constexpr int Zeilen = 6;
// A click picks the column whose stone and half of each margin beside it lie
// under the pointer: columns as far apart as the stones, from half a margin
// in.
inline constexpr double SpaltenRand = RandX / 2;
inline constexpr double SpaltenBreite = RandX + SteinGroesse;
// The stone's top-left corner in column `spalte` and row `zeile`, for a
// stone picture `breite` and `hoehe` twips large.
constexpr double SteinLinks(int spalte, double breite = SteinGroesse) {
    return (spalte + 1) * RandX + spalte * breite;
}
constexpr double SteinOben(int zeile, double hoehe = SteinGroesse) {
    return (zeile + 1) * RandY + zeile * hoehe;
}

// The instructions window.
inline constexpr Ort Anleitung{0, 0, 8400, 6900};
inline constexpr Ort AnleitungLogo{2160, 150, 4095, 990};
inline constexpr Ort AnleitungRahmen{225, 1275, 7950, 4800};
inline constexpr Ort AnleitungText{300, 1350, 7800, 4650};
inline constexpr Ort KnopfZurueck{3375, 6300, 1650, 405};

// The about window.
inline constexpr Ort Copyright{0, 0, 6000, 4500};
inline constexpr Ort CopyrightRahmen{150, 150, 5700, 3450};
inline constexpr Ort CopyrightInfo{30, 30, 5640, 3390}; // in the frame
// On the info panel.
inline constexpr Ort CopyrightLogo{240, 240, 960, 960};
inline constexpr Ort CopyrightTitel{1440, 120, 3900, 600};
inline constexpr Ort CopyrightTitelSchatten{1470, 150, 3900, 600};
inline constexpr Ort CopyrightSystem{1440, 750, 3900, 255};
inline constexpr Ort CopyrightHinweis{1440, 1005, 3900, 255};
inline constexpr Ort CopyrightKontakt{240, 1500, 5160, 255}; // the first of five lines
inline constexpr double CopyrightKontaktAbstand = 270;
inline constexpr double CopyrightLinieOben[] = {1380, 2880};
inline constexpr Ort CopyrightLinie{240, 0, 5160, 30};
inline constexpr Ort CopyrightFreeware{240, 3000, 1800, 255};
inline constexpr Ort CopyrightFreewareWort{2040, 2970, 2400, 300};
inline constexpr Ort KnopfOK{2400, 3795, 1200, 420};

} // namespace steinfall::geometrie
