#include "core/Spiel.h"

#include "ai/Computerzug.h"

#include <cmath>

namespace steinfall {

namespace {

// The board's columns are 900 twips wide and begin 150 twips from the left
// edge of the board picture.
constexpr double SpaltenRand = 150.0;
constexpr double SpaltenBreite = 900.0;

// Picture number of the highlight stone that shows a line of four.
constexpr int SteinHervorgehoben = 3;

// Short waits while a found line is shown highlighted, and before the
// computer's stone is dropped.
constexpr int WartenReihe = 21;
constexpr int WartenComputer = 15;

} // namespace

Spiel::Spiel(Fenster& fenster, Zufallsquelle& zufall) : fenster_(fenster) {
    InitSprache(Txt);
    ki_.Stand = &Stand;
    ki_.Zufall = &zufall;
    ki_.Ereignisse = [this] { fenster_.EreignisseVerarbeiten(); };
}

void Spiel::NeuesSpiel() {
    // A falling stone or a thinking computer finishes first; the drop or the
    // end of the computer's turn starts the new game then.
    if (fenster_.Faellt()) {
        NeuesSpielAngefordert = true;
        return;
    }
    if (ComputerDenkt) {
        NeuesSpielAngefordert = true;
        return;
    }
    NeuesSpielAngefordert = false;
    fenster_.StatusSetzen(Txt.TxtKlicken);
    NeuStart = true;
    Stand.Zugzaehler = 0;
    fenster_.BrettbildLeeren();
    Stand.Brett.fill(Leer);
    ki_.BodenLegen();
    Stand.SpaltenStatus.fill(SpalteOffen);

    if (ComputerBeginnt) {
        Stand.AmZug = SteinComputer;
        ComputerZug();
        // The computer's turn cleared it; the game it started is still new.
        NeuStart = true;
    } else {
        Stand.AmZug = SteinSpieler;
        fenster_.ZeigerSetzen(Zeiger::Pfeil);
    }
}

void Spiel::picSpielfeld_MouseUp(int /*knopf*/, int /*umschalt*/, float x, float y) {
    if (fenster_.Faellt()) {
        return;
    }
    if (fenster_.StatusText() == Txt.TxtComputerUeberlegt) {
        return;
    }
    if (x < 0 || y < 0 || x > BrettbildBreite || y > BrettbildHoehe) {
        return;
    }
    // Margins count as the outer columns.
    const double versatz = std::nearbyint(static_cast<double>(x) - SpaltenRand);
    int spaltencode = SpaltencodeBasis + static_cast<int>(versatz / SpaltenBreite);
    if (spaltencode > SpaltencodeMax) {
        spaltencode = SpaltencodeMax;
    }

    if (Klickbelegt) {
        return;
    }
    Klickbelegt = true;
    fenster_.ZeigerSetzen(Zeiger::Sanduhr);
    NeuStart = false;

    const int status = Stand.SpaltenStatus[spaltencode - SpaltencodeBasis];
    if (status == SpalteOffen) {
        SteinEinwerfen(spaltencode);
        PruefeSieg(SiegerSpieler);
        PruefeVoll();
        if (!NeuStart) {
            Stand.AmZug = SteinComputer;
            ComputerZug();
        }
    } else if (status == SpalteVoll) {
        fenster_.StatusZeigen(false);
        fenster_.PlaySound("SCHNARCH.WAV");
        fenster_.Meldung(Txt.TxtSpalteVoll, Txt.TxtAufwachen, Symbol::Ausrufezeichen, Knoepfe::Ok);
        fenster_.StatusZeigen(true);
    }

    fenster_.ZeigerSetzen(Zeiger::Pfeil);
    Klickbelegt = false;
}

void Spiel::ComputerZug() {
    ComputerDenkt = true;
    fenster_.StatusSetzen(Txt.TxtComputerUeberlegt);
    NeuStart = false;
    Stand.Zugzaehler += 2;

    const Zahl16 spaltencode = ComputerEntscheiden(ki_).Spalte;

    ComputerPause(spaltencode);
    SteinEinwerfen(spaltencode);
    ZugAbschliessen();
    if (!NeuStart) {
        PruefeVoll();
    }

    fenster_.ZeigerSetzen(Zeiger::Pfeil);
    fenster_.StatusSetzen(Txt.TxtKlicken);
    ComputerDenkt = false;
    if (NeuesSpielAngefordert) {
        NeuesSpiel();
    }
}

void Spiel::ComputerPause(Zahl16 spaltencode) {
    if (Stand.SpaltenStatus[spaltencode - SpaltencodeBasis] != SpalteOffen) {
        return;
    }
    for (int i = 0; i < WartenComputer && !NeuesSpielAngefordert; ++i) {
        fenster_.Warten();
    }
}

void Spiel::ZugAbschliessen() {
    if (Stand.AmZug == SteinComputer) {
        if (VierInReihe() == 1) {
            PruefeSieg(SiegerComputer);
        }
        if (!NeuStart && Stand.AmZug == SteinComputer) {
            Stand.AmZug = SteinSpieler;
        }
    } else if (Stand.AmZug == SteinSpieler) {
        if (VierInReihe() == 1) {
            PruefeSieg(SiegerSpieler);
        }
        if (!NeuStart && Stand.AmZug == SteinSpieler) {
            Stand.AmZug = SteinComputer;
        }
    }
}

void Spiel::SteinEinwerfen(Zahl16 spaltencode) {
    const int amZug = Stand.AmZug;
    if (amZug != SteinSpieler && amZug != SteinComputer) {
        return;
    }

    int ziel = spaltencode - 150;
    for (int zelle = spaltencode - 143; zelle <= spaltencode - 115; zelle += 7) {
        if (Stand.Brett[zelle] != Leer || NeuStart) {
            break;
        }
        ziel = zelle;
        fenster_.EreignisseVerarbeiten();
        if (NeuStart) {
            break;
        }
    }
    // A new game began while the cell was being looked for: this stone
    // belongs to the old game, and writing it would put it on the new board.
    if (NeuStart) {
        return;
    }

    Stand.Brett[ziel] = amZug;
    if (AnimationAn) {
        fenster_.FallStarten(ziel, amZug);
    }

    // Sleep between events only while something falls; with the animation
    // off, one pass over the pending events is all there is.
    do {
        if (fenster_.Faellt()) {
            fenster_.AufEreignisWarten();
        } else {
            fenster_.EreignisseVerarbeiten();
        }
        if (NeuesSpielAngefordert) {
            fenster_.FallAnhalten();
            NeuesSpielAngefordert = false;
            NeuesSpiel();
            return;
        }
    } while (fenster_.Faellt());

    fenster_.PlaySound("KLACK.WAV");
    fenster_.SteinSetzen(ziel, amZug);
}

bool Spiel::ReiheVon(int start, int schritt) const {
    for (int k = 0; k < 4; ++k) {
        if (Stand.Brett[start + k * schritt] != Stand.AmZug) {
            return false;
        }
    }
    return true;
}

void Spiel::ReiheZeigen(int start, int schritt) {
    for (int k = 0; k < 4; ++k) {
        fenster_.SteinSetzen(start + k * schritt, SteinHervorgehoben);
    }
    for (int i = 0; i < WartenReihe; ++i) {
        fenster_.Warten();
    }
    for (int k = 0; k < 4; ++k) {
        fenster_.SteinSetzen(start + k * schritt, Stand.AmZug);
    }
    Sieggefunden = true;
}

bool Spiel::ReiheSuchen(int erste, int letzte, int abstand, int schritt) {
    for (int start = erste; start <= letzte; start += abstand) {
        if (ReiheVon(start, schritt)) {
            ReiheZeigen(start, schritt);
            return true;
        }
        fenster_.EreignisseVerarbeiten();
    }
    return false;
}

void Spiel::PruefeSieg(Zahl16 siegercode) {
    Sieggefunden = false;

    // Horizontal: per start column, its rows top first.
    for (int s = 0; s <= 3 && !Sieggefunden; ++s) {
        if (ReiheSuchen(s, s + 35, 7, 1)) {
            MeldungHorizontal(siegercode);
        }
    }
    if (!Sieggefunden && ReiheSuchen(0, 20, 1, 7)) {
        MeldungVertikal(siegercode);
    }
    // Diagonals: per start row, down to the right first, then down to the left.
    for (int b = 0; b <= 14 && !Sieggefunden; b += 7) {
        if (ReiheSuchen(b, b + 3, 1, 8) || ReiheSuchen(b + 3, b + 6, 1, 6)) {
            MeldungDiagonal(siegercode);
        }
    }
}

Zahl16 Spiel::VierInReihe() {
    FeldKopieren(ki_, Stand.Brett, Stand.AmZug);
    const Arbeitsbrett& feld = ki_.Arbeitsfeld;

    // Four cells from (zeile, spalte) in direction (dz, ds) all read 1.
    auto reihe = [&](int zeile, int spalte, int dz, int ds) {
        for (int k = 0; k < 4; ++k) {
            if (feld(zeile + k * dz, spalte + k * ds) != 1) {
                return false;
            }
        }
        return true;
    };

    bool gefunden = false;
    for (int zeile = 1; zeile <= 6 && !gefunden; ++zeile) {
        for (int spalte = 1; spalte <= 4 && !gefunden; ++spalte) {
            gefunden = reihe(zeile, spalte, 0, 1);
        }
    }
    for (int spalte = 1; spalte <= 7 && !gefunden; ++spalte) {
        for (int zeile = 1; zeile <= 3 && !gefunden; ++zeile) {
            gefunden = reihe(zeile, spalte, 1, 0);
        }
    }
    for (int zeile = 1; zeile <= 3 && !gefunden; ++zeile) {
        for (int spalte = 1; spalte <= 4 && !gefunden; ++spalte) {
            gefunden = reihe(zeile, spalte, 1, 1);
        }
    }
    for (int zeile = 6; zeile >= 4 && !gefunden; --zeile) {
        for (int spalte = 1; spalte <= 4 && !gefunden; ++spalte) {
            gefunden = reihe(zeile, spalte, -1, 1);
        }
    }
    return gefunden ? 1 : 0;
}

void Spiel::PruefeVoll() {
    Stand.VolleSpalten = 0;
    for (int spalte = 0; spalte < AnzahlSpalten; ++spalte) {
        if (Stand.Brett[spalte] != Leer) {
            Stand.SpaltenStatus[spalte] = SpalteVoll;
            ++Stand.VolleSpalten;
        }
        fenster_.EreignisseVerarbeiten();
    }
    if (!Sieggefunden && Stand.VolleSpalten > 6) {
        MeldungRemis();
    }
}

void Spiel::SpielEndeMelden(Zahl16 siegercode, const std::string& verloren,
                            const std::string& gewonnen) {
    fenster_.ZeigerSetzen(Zeiger::Pfeil);
    fenster_.StatusZeigen(false);
    if (siegercode == SiegerComputer) {
        fenster_.PlaySound("LACHEN.WAV");
        fenster_.Meldung(verloren, Txt.TxtNiederlage, Symbol::Ausrufezeichen, Knoepfe::Ok);
    } else {
        fenster_.PlaySound("KLATSCHN.WAV");
        fenster_.Meldung(gewonnen, Txt.TxtSieg, Symbol::Ausrufezeichen, Knoepfe::Ok);
    }
    fenster_.StatusZeigen(true);
    NeuesSpiel();
}

void Spiel::MeldungHorizontal(Zahl16 siegercode) {
    SpielEndeMelden(siegercode, Txt.TxtVerlorenHorizontal, Txt.TxtGewonnenHorizontal);
}

void Spiel::MeldungVertikal(Zahl16 siegercode) {
    SpielEndeMelden(siegercode, Txt.TxtVerlorenVertikal, Txt.TxtGewonnenVertikal);
}

void Spiel::MeldungDiagonal(Zahl16 siegercode) {
    SpielEndeMelden(siegercode, Txt.TxtVerlorenDiagonal, Txt.TxtGewonnenDiagonal);
}

void Spiel::MeldungRemis() {
    fenster_.StatusZeigen(false);
    fenster_.PlaySound("REMIS.WAV");
    fenster_.Meldung(Txt.TxtRemis, Txt.TxtUnentschieden, Symbol::Ausrufezeichen, Knoepfe::Ok);
    fenster_.StatusZeigen(true);
    NeuesSpiel();
}

} // namespace steinfall
