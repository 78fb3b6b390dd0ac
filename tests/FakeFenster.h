#pragma once
// A window for headless game-flow tests. It records every call as a readable
// line ("Status:...", "Stein:38:1", "Fall:38:1", "Meldung:Sieg", "Warten",
// ...), answers boxes with OK or Ja, lets a falling stone land after three
// waits, and runs injected events (`Bei`, `Wenn`) when the game lets them in.
#include "ai/Regelspieler.h"
#include "core/Fenster.h"
#include "core/Spiel.h"
#include "core/Texte.h"
#include "core/Zufall.h"
#include "tests/Stellungen.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace steinfall {

// The game flow's inside, for tests that drive single steps or set the flags
// of re-entrant paths.
struct SpielInnen {
    Spiel& S;
    Spielstand& Stand() { return S.stand_; }
    bool& NeuStart() { return S.NeuStart; }
    bool& Klickbelegt() { return S.Klickbelegt; }
    bool& Sieggefunden() { return S.Sieggefunden; }
    bool& NeuesSpielAngefordert() { return S.NeuesSpielAngefordert; }
    void ComputerZug() { S.ComputerZug(); }
    void ComputerPause(Spaltencode spaltencode) { S.ComputerPause(spaltencode); }
    void SteinEinwerfen(Spaltencode spaltencode) { S.SteinEinwerfen(spaltencode); }
    void PruefeSieg(Sieger sieger) { S.PruefeSieg(sieger); }
    Zahl16 VierInReihe() const { return S.VierInReihe(); }
    void PruefeVoll() { S.PruefeVoll(); }
};

} // namespace steinfall

namespace steinfall::test {

// Every draw the same value: the computer's random steps become repeatable.
struct FesterZufall : Zufallsquelle {
    double Ziehen() override { return 0.5; }
};

class FakeFenster : public Fenster {
public:
    struct Box {
        std::string Text; // the title is in the log line
        Symbol Icon;
        Knoepfe Tasten;
    };

    std::vector<std::string> Protokoll;
    std::vector<Box> Boxen;
    std::string Status;

    FakeFenster() { InitSprache(texte_); }

    // Runs `aktion` once, where the game lets events in (a wait, a pass over
    // the events or a tick of the fall) and `bedingung` holds.
    void Wenn(std::function<bool()> bedingung, std::function<void()> aktion) {
        geplant_.push_back({std::move(bedingung), std::move(aktion)});
    }
    // ... at the n-th (from 1) of the calls logged as `zeile`.
    void Bei(const std::string& zeile, int n, std::function<void()> aktion) {
        Wenn([this, zeile, n] { return Anzahl(zeile) == n; }, std::move(aktion));
    }

    // The recorded lines that start with one of the prefixes (all lines
    // without one), joined by spaces; a run of n equal lines reads "line*n".
    std::string Auszug(const std::vector<std::string>& praefixe = {}) const {
        std::vector<std::pair<std::string, int>> laeufe;
        for (const auto& zeile : Protokoll) {
            if (!praefixe.empty() &&
                std::none_of(praefixe.begin(), praefixe.end(),
                             [&](const std::string& p) { return zeile.starts_with(p); })) {
                continue;
            }
            if (!laeufe.empty() && laeufe.back().first == zeile) {
                ++laeufe.back().second;
            } else {
                laeufe.emplace_back(zeile, 1);
            }
        }
        std::string text;
        for (const auto& [zeile, n] : laeufe) {
            text += (text.empty() ? "" : " ") + zeile + (n > 1 ? "*" + std::to_string(n) : "");
        }
        return text;
    }
    int Anzahl(const std::string& zeile) const {
        return static_cast<int>(std::count(Protokoll.begin(), Protokoll.end(), zeile));
    }

    // The three status texts of a move by a short name.
    void StatusSetzen(const std::string& text) override {
        Protokoll.push_back("Status:" + (text == texte_.TxtKlicken             ? "Klicken"
                                         : text == texte_.TxtComputerUeberlegt ? "Ueberlegt"
                                         : text == texte_.TxtEinwerfen         ? "Einwerfen"
                                                                               : text));
        Status = text;
    }
    std::string StatusText() const override { return Status; }
    void StatusZeigen(bool sichtbar) override {
        Protokoll.push_back(sichtbar ? "Status gezeigt" : "Status verborgen");
    }
    void ZeigerSetzen(Zeiger zeiger) override {
        Protokoll.push_back(zeiger == Zeiger::Sanduhr ? "Zeiger:Sanduhr" : "Zeiger:Pfeil");
    }
    void BrettbildLeeren() override { Protokoll.push_back("Brettbild leer"); }
    void SteinSetzen(int position, int spieler) override {
        Protokoll.push_back("Stein:" + std::to_string(position) + ":" + std::to_string(spieler));
    }
    void SteinGelandet(int position, int spieler) override {
        Protokoll.push_back("Gelandet:" + std::to_string(position) + ":" + std::to_string(spieler));
    }
    void FallStarten(int ziel, int spieler) override {
        Protokoll.push_back("Fall:" + std::to_string(ziel) + ":" + std::to_string(spieler));
        Status = texte_.TxtEinwerfen;
        faellt_ = true;
        restTakte_ = 3;
    }
    bool Faellt() const override { return faellt_; }
    void FallAnhalten() override {
        Protokoll.push_back("FallAnhalten");
        faellt_ = false;
    }
    Antwort Meldung(const std::string& text, const std::string& titel, Symbol symbol,
                    Knoepfe knoepfe) override {
        Protokoll.push_back("Meldung:" + titel);
        Boxen.push_back({text, symbol, knoepfe});
        // The fall's timer runs on behind the box: the stone has landed by
        // the time the user answers.
        faellt_ = false;
        return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Ja;
    }
    void PlaySound(const std::string& datei) override { Protokoll.push_back("Sound:" + datei); }
    void Warten() override {
        Protokoll.push_back("Warten");
        Ausloesen();
    }
    void EreignisseVerarbeiten() override {
        Protokoll.push_back("Ereignisse");
        Ausloesen();
    }
    // Each wait is one timer tick of a running fall.
    void AufEreignisWarten() override {
        Protokoll.push_back("AufEreignis");
        Ausloesen();
        Takt();
    }

protected:
    void Takt() {
        if (faellt_ && --restTakte_ <= 0) {
            faellt_ = false;
        }
    }
    bool faellt_ = false;
    int restTakte_ = 0;

private:
    struct Geplant {
        std::function<bool()> Bedingung;
        std::function<void()> Aktion;
        bool Erledigt = false;
    };

    void Ausloesen() {
        // By index: an action may process events itself and schedule more.
        for (std::size_t i = 0; i < geplant_.size(); ++i) {
            if (!geplant_[i].Erledigt && geplant_[i].Bedingung()) {
                geplant_[i].Erledigt = true;
                const auto aktion = geplant_[i].Aktion;
                aktion();
            }
        }
    }

    Texte texte_;
    std::vector<Geplant> geplant_;
};

// A game on a fake window: started, then put into the given position with
// the human to move, the log emptied.
struct Testspiel {
    FakeFenster F;
    FesterZufall Z;
    Regelspieler K{Z};
    Spiel S{F, K};
    SpielInnen I{S};

    explicit Testspiel(const std::array<std::string, 6>& bild = {".......", ".......", ".......",
                                                                 ".......", ".......", "......."}) {
        S.NeuesSpiel();
        I.Stand().Brett = BrettAus(bild);
        SpaltenAbleiten(I.Stand());
        F.Protokoll.clear();
    }

    // X of the middle of a column (0..6), in twips.
    static float X(int spalte) { return 600.0f + 900.0f * static_cast<float>(spalte); }
    void Klick(int spalte) { S.picSpielfeld_MouseUp(X(spalte), 2000.0f); }
    int Steine() const {
        return static_cast<int>(std::count_if(S.Stand().Brett.begin(), S.Stand().Brett.end(),
                                              [](Zahl16 z) { return z != Leer; }));
    }
};

} // namespace steinfall::test
