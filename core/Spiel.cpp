#include "core/Spiel.h"

#include <algorithm>
#include <cmath>

namespace steinfall {

namespace {

// Picture number of the highlight stone that shows a line of four.
constexpr int SteinHervorgehoben = 3;

// Stones in a winning line.
constexpr int ReihenLaenge = 4;

// Short waits while a found line is shown highlighted, and before the
// computer's stone is dropped.
constexpr int WartenReihe = 21;
constexpr int WartenComputer = 15;

} // namespace

Spiel::Spiel(Fenster& fenster, Computerspieler& computer) : fenster_(fenster), computer_(computer) {
    InitSprache(txt_);
}

void Spiel::NeuesSpiel() {
    // A falling stone or a thinking computer finishes first; the drop or the
    // end of the computer's turn starts the new game then.
    if (fenster_.Faellt()) {
        NeuesSpielAngefordert = true;
        return;
    }
    if (computerDenkt_) {
        NeuesSpielAngefordert = true;
        return;
    }
    // A finished game ends with its line shown and its box, never inside the flash.
    if (reiheBlinkt_) {
        NeuesSpielAngefordert = true;
        return;
    }
    NeuesSpielAngefordert = false;
    fenster_.StatusSetzen(txt_.TxtKlicken);
    NeuStart = true;
    stand_.Zugzaehler = 0;
    fenster_.BrettbildLeeren();
    stand_.Brett.fill(Leer);
    stand_.SpaltenStatus.fill(SpalteOffen);

    if (computerBeginnt_) {
        stand_.AmZug = SteinComputer;
        ComputerZug();
        // The computer's turn cleared it; the game it started is still new.
        NeuStart = true;
    } else {
        stand_.AmZug = SteinSpieler;
        fenster_.ZeigerSetzen(Zeiger::Pfeil);
    }
}

void Spiel::picSpielfeld_MouseUp(float x, float y) {
    // Outside the board nothing happens. The falling and status-line checks
    // follow in SpalteGewaehlt; all three only read, so which comes first
    // is not seen.
    const geometrie::Ort& bild = geometrie::Spielfeld;
    if (x < 0 || y < 0 || x > bild.Breite || y > bild.Hoehe) {
        return;
    }
    // Margins count as the outer columns.
    const double versatz = std::nearbyint(static_cast<double>(x) - geometrie::SpaltenRand);
    SpalteGewaehlt(SpaltencodeVon(
        std::min(1 + static_cast<int>(versatz / geometrie::SpaltenBreite), AnzahlSpalten)));
}

void Spiel::SpalteGewaehlt(Spaltencode spaltencode) {
    if (fenster_.Faellt()) {
        return;
    }
    if (fenster_.StatusText() == txt_.TxtComputerUeberlegt) {
        return;
    }
    // Ignored while the computer thinks, also when its turn began outside a click.
    if (computerDenkt_) {
        return;
    }
    if (Klickbelegt) {
        return;
    }
    Klickbelegt = true;
    fenster_.ZeigerSetzen(Zeiger::Sanduhr);
    NeuStart = false;

    const Spaltenzustand status = stand_.SpaltenStatus[spaltencode - SpaltencodeBasis];
    if (status == SpalteOffen) {
        SteinEinwerfen(spaltencode);
        PruefeSieg(SiegerSpieler);
        PruefeVoll();
        if (!NeuStart) {
            stand_.AmZug = SteinComputer;
            ComputerZug();
        }
    } else if (status == SpalteVoll) {
        fenster_.StatusZeigen(false);
        fenster_.PlaySound("SCHNARCH.WAV");
        fenster_.Meldung(txt_.TxtSpalteVoll, txt_.TxtAufwachen, Symbol::Ausrufezeichen,
                         Knoepfe::Ok);
        fenster_.StatusZeigen(true);
    }

    fenster_.ZeigerSetzen(Zeiger::Pfeil);
    Klickbelegt = false;
}

void Spiel::ComputerZug() {
    computerDenkt_ = true;
    fenster_.StatusSetzen(txt_.TxtComputerUeberlegt);
    NeuStart = false;
    stand_.Zugzaehler += 2;

    const Spaltencode spaltencode =
        computer_.SpalteWaehlen(stand_, [this] { fenster_.EreignisseVerarbeiten(); });

    ComputerPause(spaltencode);
    SteinEinwerfen(spaltencode);
    ZugAbschliessen();
    if (!NeuStart) {
        PruefeVoll();
    }

    fenster_.ZeigerSetzen(Zeiger::Pfeil);
    fenster_.StatusSetzen(txt_.TxtKlicken);
    computerDenkt_ = false;
    if (NeuesSpielAngefordert) {
        NeuesSpiel();
    }
}

void Spiel::ComputerPause(Spaltencode spaltencode) {
    if (stand_.SpaltenStatus[spaltencode - SpaltencodeBasis] != SpalteOffen) {
        return;
    }
    for (int i = 0; i < WartenComputer && !NeuesSpielAngefordert; ++i) {
        fenster_.Warten();
    }
}

void Spiel::ZugAbschliessen() {
    if (stand_.AmZug == SteinComputer) {
        if (VierInReihe() == 1) {
            PruefeSieg(SiegerComputer);
        }
        if (!NeuStart && stand_.AmZug == SteinComputer) {
            stand_.AmZug = SteinSpieler;
        }
    } else if (stand_.AmZug == SteinSpieler) {
        if (VierInReihe() == 1) {
            PruefeSieg(SiegerSpieler);
        }
        if (!NeuStart && stand_.AmZug == SteinSpieler) {
            stand_.AmZug = SteinComputer;
        }
    }
}

void Spiel::SteinEinwerfen(Spaltencode spaltencode) {
    const Seite amZug = stand_.AmZug;
    if (amZug != SteinSpieler && amZug != SteinComputer) {
        return;
    }

    // From the column's top cell down to its bottom cell: the last empty one.
    const int oben = spaltencode - SpaltencodeBasis;
    const int unten = oben + (AnzahlZeilen - 1) * AnzahlSpalten;
    int ziel = oben;
    for (int zelle = oben + AnzahlSpalten; zelle <= unten; zelle += AnzahlSpalten) {
        if (stand_.Brett[zelle] != Leer || NeuStart) {
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

    stand_.Brett[ziel] = amZug;
    if (animationAn_) {
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
    // A new game began while the stone fell: it lands in no game and makes no sound.
    if (NeuStart) {
        return;
    }

    fenster_.PlaySound("KLACK.WAV");
    fenster_.SteinSetzen(ziel, amZug);
    fenster_.SteinGelandet(ziel, amZug);
}

bool Spiel::ReiheVon(int start, int schritt) const {
    for (int k = 0; k < ReihenLaenge; ++k) {
        if (stand_.Brett[start + k * schritt] != stand_.AmZug) {
            return false;
        }
    }
    return true;
}

void Spiel::ReiheZeigen(int start, int schritt) {
    for (int k = 0; k < ReihenLaenge; ++k) {
        fenster_.SteinSetzen(start + k * schritt, SteinHervorgehoben);
    }
    reiheBlinkt_ = true;
    for (int i = 0; i < WartenReihe; ++i) {
        fenster_.Warten();
    }
    reiheBlinkt_ = false;
    for (int k = 0; k < ReihenLaenge; ++k) {
        fenster_.SteinSetzen(start + k * schritt, stand_.AmZug);
    }
    Sieggefunden = true;
}

Spiel::Reihe Spiel::ReiheFinden(const std::function<void()>& nachFehlstart,
                                const std::function<bool()>& abbrechen) const {
    Reihe fund;
    // Tries the start cells erste, erste + abstand, ... up to letzte.
    auto suchen = [&](Richtung art, int erste, int letzte, int abstand, int schritt) {
        for (int start = erste; start <= letzte; start += abstand) {
            if (ReiheVon(start, schritt)) {
                fund = {art, start, schritt};
                return true;
            }
            nachFehlstart();
        }
        return false;
    };

    // Horizontal: per start column, its rows top first.
    for (int s = 0; s <= 3 && !abbrechen(); ++s) {
        if (suchen(Richtung::Horizontal, s, s + 35, 7, 1)) {
            return fund;
        }
    }
    if (!abbrechen() && suchen(Richtung::Vertikal, 0, 20, 1, 7)) {
        return fund;
    }
    // Diagonals: per start row, down to the right first, then down to the left.
    for (int b = 0; b <= 14 && !abbrechen(); b += 7) {
        if (suchen(Richtung::Diagonal, b, b + 3, 1, 8) ||
            suchen(Richtung::Diagonal, b + 3, b + 6, 1, 6)) {
            return fund;
        }
    }
    return fund;
}

void Spiel::PruefeSieg(Sieger sieger) {
    Sieggefunden = false;
    // A game that ended inside the scan's events ends the scan.
    const Reihe reihe =
        ReiheFinden([this] { fenster_.EreignisseVerarbeiten(); }, [this] { return Sieggefunden; });
    if (reihe.Art == Richtung::Keine) {
        return;
    }
    ReiheZeigen(reihe.Start, reihe.Schritt);
    switch (reihe.Art) {
    case Richtung::Horizontal:
        MeldungHorizontal(sieger);
        break;
    case Richtung::Vertikal:
        MeldungVertikal(sieger);
        break;
    default:
        MeldungDiagonal(sieger);
        break;
    }
}

Zahl16 Spiel::VierInReihe() const {
    const Reihe reihe = ReiheFinden([] {}, [] { return false; });
    return reihe.Art == Richtung::Keine ? 0 : 1;
}

void Spiel::PruefeVoll() {
    const bool neuVorher = NeuStart;
    VolleSpaltenZaehlen(stand_, [this] { fenster_.EreignisseVerarbeiten(); });
    // A game replaced during the scan is not announced as drawn.
    if (!Sieggefunden && NeuStart == neuVorher && stand_.VolleSpalten == AnzahlSpalten) {
        MeldungRemis();
    }
}

void Spiel::SpielEndeMelden(Sieger siegercode, const std::string& verloren,
                            const std::string& gewonnen) {
    fenster_.ZeigerSetzen(Zeiger::Pfeil);
    fenster_.StatusZeigen(false);
    if (siegercode == SiegerComputer) {
        fenster_.PlaySound("LACHEN.WAV");
        fenster_.Meldung(verloren, txt_.TxtNiederlage, Symbol::Ausrufezeichen, Knoepfe::Ok);
    } else {
        fenster_.PlaySound("KLATSCHN.WAV");
        fenster_.Meldung(gewonnen, txt_.TxtSieg, Symbol::Ausrufezeichen, Knoepfe::Ok);
    }
    fenster_.StatusZeigen(true);
    NeuesSpiel();
}

void Spiel::MeldungHorizontal(Sieger siegercode) {
    SpielEndeMelden(siegercode, txt_.TxtVerlorenHorizontal, txt_.TxtGewonnenHorizontal);
}

void Spiel::MeldungVertikal(Sieger siegercode) {
    SpielEndeMelden(siegercode, txt_.TxtVerlorenVertikal, txt_.TxtGewonnenVertikal);
}

void Spiel::MeldungDiagonal(Sieger siegercode) {
    SpielEndeMelden(siegercode, txt_.TxtVerlorenDiagonal, txt_.TxtGewonnenDiagonal);
}

void Spiel::MeldungRemis() {
    fenster_.StatusZeigen(false);
    fenster_.PlaySound("REMIS.WAV");
    fenster_.Meldung(txt_.TxtRemis, txt_.TxtUnentschieden, Symbol::Ausrufezeichen, Knoepfe::Ok);
    fenster_.StatusZeigen(true);
    NeuesSpiel();
}

} // namespace steinfall
