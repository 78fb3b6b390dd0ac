#pragma once

// A random user on the fake window: wherever the game lets events in, the
// user may click anywhere, ask for a new game or change an option; a fall
// lands before or after those events or behind a box, boxes are answered at
// random. After every step the rules of a sound game are checked. One seed,
// one sequence: Lauf() returns the first rule broken, Protokoll the events.

#include "tests/FakeFenster.h"

#include <array>
#include <cstdint>
#include <random>

namespace steinfall::test {

// The computer's random steps, drawn from a seed.
struct SaatZufall : Zufallsquelle {
    explicit SaatZufall(std::uint64_t saat) : G(saat) {}
    double Ziehen() override { return std::uniform_real_distribution<double>()(G); }
    std::mt19937_64 G;
};

class Verschraenkung : public FakeFenster {
    SaatZufall zufall_;
    Regelspieler ki_{zufall_};

public:
    explicit Verschraenkung(std::uint64_t saat) : zufall_(~saat), wuerfel_(saat) {}

    Spiel S{*this, ki_};
    SpielInnen I{S};
    std::string Fehler;              // the first rule broken
    std::array<int, 3> Spielenden{}; // boxes: won, lost, drawn

    std::string Lauf(int aktionen = 60) {
        dichte_ = std::array{0.5, 0.2, 0.05}[Wuerfeln(3)];
        S.SpielstaerkeSetzen(std::array{Anfaenger, Experte, Profi}[Wuerfeln(3)]);
        S.ComputerBeginntSetzen(Wuerfeln(2) == 0);
        S.AnimationSetzen(Wuerfeln(5) != 0);
        budget_ = aktionen;
        S.NeuesSpiel();
        if (Wuerfeln(2) == 0) {
            Aufstellen();
        }
        Pruefen(true);
        while (budget_ > 0 && Fehler.empty()) {
            --budget_;
            Handeln(true);
            Pruefen(true);
        }
        return Fehler;
    }

    void BrettbildLeeren() override {
        FakeFenster::BrettbildLeeren();
        bild_.fill(Leer);
        vorher_.fill(Leer);
        endeBoxen_ = 0;
        computerBegann_ = S.ComputerBeginnt();
    }
    void SteinSetzen(int position, int spieler) override {
        FakeFenster::SteinSetzen(position, spieler);
        bild_[position] = static_cast<Zahl16>(spieler);
    }
    void FallStarten(int ziel, int spieler) override {
        FakeFenster::FallStarten(ziel, spieler);
        Pruefen(false);
        restTakte_ = 1 + Wuerfeln(8);
    }
    Antwort Meldung(const std::string& text, const std::string& titel, Symbol,
                    Knoepfe knoepfe) override {
        Protokoll.push_back("Meldung:" + titel);
        if (faellt_ && Wuerfeln(2) == 0) {
            faellt_ = false; // the user answered after the stone had landed
        }
        if (text == S.Txt().TxtRemis || titel == S.Txt().TxtSieg ||
            titel == S.Txt().TxtNiederlage) {
            ++Spielenden[text == S.Txt().TxtRemis ? 2 : titel == S.Txt().TxtSieg ? 0 : 1];
            Regel(++endeBoxen_ == 1, "zweite Spielende-Meldung");
            const Zahl16 sieger = titel == S.Txt().TxtSieg ? SteinSpieler : SteinComputer;
            Regel(text == S.Txt().TxtRemis ? Voll() : Reihe(S.Stand().Brett, sieger),
                  "Meldung ohne Spielende");
        }
        const Antwort a = knoepfe == Knoepfe::Ok ? Antwort::Ok
                          : Wuerfeln(2) == 0     ? Antwort::Ja
                                                 : Antwort::Nein;
        Protokoll.push_back(a == Antwort::Nein ? "Antwort:Nein" : "Antwort:Ja/OK");
        return a;
    }
    void Warten() override { Einlass(); }
    // The computer's analysis lets events in thousands of times a move: a
    // user there acts as rarely as in the short loops of the rest.
    void EreignisseVerarbeiten() override {
        Einlass(S.ComputerDenkt() && Status == S.Txt().TxtComputerUeberlegt ? 0.001 : 1.0);
    }
    // One tick of the fall, before or after the events of the same batch.
    void AufEreignisWarten() override {
        const bool zuerstTakt = Wuerfeln(2) == 0;
        if (zuerstTakt) {
            Takt();
        }
        Einlass();
        if (!zuerstTakt) {
            Takt();
        }
    }

private:
    int Wuerfeln(int n) { return std::uniform_int_distribution<int>(0, n - 1)(wuerfel_); }

    void Einlass(double gewicht = 1.0) {
        Pruefen(false);
        if (budget_ > 0 && Fehler.empty() &&
            std::uniform_real_distribution<double>()(wuerfel_) < dichte_ * gewicht) {
            --budget_;
            Handeln(false);
            Pruefen(false);
        }
    }

    // One input of the user, as the main window would pass it on; mostly a
    // move when the game waits for the human.
    void Handeln(bool amZug) {
        const int w = Wuerfeln(amZug ? 40 : 20);
        if (w >= 20 || w < 10) {
            const auto x = static_cast<float>(Wuerfeln(7400) - 300);
            const auto y = static_cast<float>(Wuerfeln(5600) - 200);
            Protokoll.push_back("Aktion:Klick " + std::to_string(x) + " " + std::to_string(y));
            S.picSpielfeld_MouseUp(x, y);
        } else if (w < 13) {
            Protokoll.push_back("Aktion:Neues Spiel");
            S.NeuesSpiel();
        } else if (w < 15) {
            // The strength option: taken at once, no new game.
            S.SpielstaerkeSetzen(std::array{Anfaenger, Experte, Profi}[Wuerfeln(3)]);
            Protokoll.push_back("Aktion:Staerke " + std::to_string(S.Spielstaerke()));
        } else if (w < 17) {
            // Only a change of the checked option under "Wer beginnt ?"
            // reaches the window: the other side is taken at once, a new
            // game only after its question.
            Protokoll.push_back("Aktion:Anfang wechseln");
            PlaySound("WAHL.WAV");
            S.ComputerBeginntSetzen(!S.ComputerBeginnt());
            if (Meldung(S.Txt().TxtNeuesSpiel, S.Txt().TxtFrage, Symbol::Frage, Knoepfe::JaNein) ==
                Antwort::Ja) {
                S.NeuesSpiel();
            }
        } else {
            Protokoll.push_back("Aktion:Taste a");
            S.AnimationSetzen(!S.AnimationAn());
        }
    }

    void Regel(bool gilt, const char* regel) {
        if (!gilt && Fehler.empty()) {
            Fehler = regel;
            Protokoll.push_back(std::string("VERLETZT:") + regel);
        }
    }

    static bool Reihe(const Spielbrett& b, Zahl16 seite) {
        auto gleich = [&](int z, int s) {
            return z < 6 && s >= 0 && s < 7 && b[z * 7 + s] == seite;
        };
        for (int z = 0; z < 6; ++z) {
            for (int s = 0; s < 7; ++s) {
                for (const auto& [dz, ds] : {std::pair{0, 1}, {1, 0}, {1, 1}, {1, -1}}) {
                    if (gleich(z, s) && gleich(z + dz, s + ds) && gleich(z + 2 * dz, s + 2 * ds) &&
                        gleich(z + 3 * dz, s + 3 * ds)) {
                        return true;
                    }
                }
            }
        }
        return false;
    }
    // Half the sequences start in a random open position with the human to
    // move, so that games also end in the human's win or in a draw.
    void Aufstellen() {
        Spielbrett b{};
        const int steine = 2 * Wuerfeln(21) + (computerBegann_ ? 1 : 0);
        for (int n = 0, versuche = 0; n < steine; ++versuche) {
            const int z = Frei(b, Wuerfeln(7));
            if (versuche > 500) {
                return;
            }
            if (z < 0) {
                continue;
            }
            b[z] = (n % 2 == 0) == computerBegann_ ? SteinComputer : SteinSpieler;
            if (Reihe(b, b[z])) {
                b[z] = Leer;
                continue;
            }
            ++n;
        }
        I.Stand().Brett = bild_ = vorher_ = b;
        SpaltenAbleiten(I.Stand());
        I.Stand().Zugzaehler = 2 * ((steine + 1) / 2);
    }

    // The lowest free cell of a column, -1 when it is full.
    static int Frei(const Spielbrett& b, int spalte) {
        int z = 35 + spalte;
        while (z >= 0 && b[z] != Leer) {
            z -= 7;
        }
        return z;
    }
    bool Voll() const {
        return std::none_of(S.Stand().Brett.begin(), S.Stand().Brett.begin() + 7,
                            [](Zahl16 z) { return z == Leer; });
    }

    void Pruefen(bool ruhend) {
        const auto& b = S.Stand().Brett;
        int steine[3] = {0, 0, 0};
        for (int i = 0; i < AnzahlFelder; ++i) {
            ++steine[b[i]];
            Regel(i >= 35 || b[i] == Leer || b[i + 7] != Leer, "schwebender Stein");
            Regel(vorher_[i] == Leer || b[i] == vorher_[i], "Stein in volle Spalte");
        }
        vorher_ = b;
        const int vorsprung = computerBegann_ ? steine[2] - steine[1] : steine[1] - steine[2];
        Regel(vorsprung == 0 || vorsprung == 1, "falsche Steinzahlen");
        const int zaehler = S.Stand().Zugzaehler - 2 * steine[2];
        Regel(zaehler == 0 || (S.ComputerDenkt() && zaehler == 2), "Zugzaehler passt nicht");
        if (ruhend) {
            Regel(bild_ == b, "Brettbild ungleich Brett");
            Regel(S.Stand().AmZug == SteinSpieler && Status == S.Txt().TxtKlicken, "nicht am Zug");
            Regel(!S.ComputerDenkt() && !I.Klickbelegt() && !faellt_ && !I.NeuesSpielAngefordert(),
                  "Zug nicht beendet");
            Regel(!Reihe(b, SteinSpieler) && !Reihe(b, SteinComputer) && !Voll(),
                  "Spielende ohne Ende");
        }
    }

    std::mt19937_64 wuerfel_;
    double dichte_ = 0.1;
    int budget_ = 0;
    int endeBoxen_ = 0;
    bool computerBegann_ = false;
    Spielbrett bild_{};
    Spielbrett vorher_{};
};

} // namespace steinfall::test
