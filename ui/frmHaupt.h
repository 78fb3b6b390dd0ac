#pragma once

#include "core/Computerspieler.h"
#include "core/Fenster.h"
#include "core/Spiel.h"
#include "ui/Bilder.h"
#include "ui/Brettbild.h"
#include "ui/Fall.h"
#include "ui/Gastgeber.h"
#include "ui/Klang.h"
#include "ui/Masstab.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QRadioButton;

namespace steinfall {

class Bildflaeche;
class Bildknopf;
class Kachelflaeche;
class Brettzugang;
class Kurzbefehle;
class frmAnleitung;
class frmCopyright;

// The game's only window: it fills the screen and shows the game area in its
// middle. It translates mouse, option and key events for the game flow
// `Spiel` and offers it the services of the Fenster: status line, pointer,
// board picture, falling stone, message boxes, sounds and waits.
class frmHaupt : public QWidget, public Fenster, public Gastgeber {
    Q_OBJECT
public:
    // The window plays against `computer` and keeps it as long as it lives.
    // The game area is drawn `faktor` times its designed size; the pictures
    // come in the resolution the screen needs for that.
    frmHaupt(const Bildsatz& bilder, std::unique_ptr<Computerspieler> computer, double faktor = 1,
             QWidget* eltern = nullptr);
    ~frmHaupt() override;

    // A picture button is held down (shared by all picture buttons, also
    // those of the instructions window).
    bool KnopfGedrueckt = false;

    Spiel& Spielablauf() { return spiel_; }
    Klang& Klaenge() { return klang_; }
    const Brettbild& Brett() const { return brettbild_; }
    const Bildsatz& Bilder() const override { return bilder_; }
    // Twips to logical pixels of the scaled layout, and to the pictures' pixels.
    const Masstab& Massstab() const override { return masstab_; }
    const Masstab& Bildmassstab() const override { return bildmasstab_; }
    double Faktor() const override { return faktor_; }
    const Brettzugang& Zugang() const { return *brettzugang_; }
    // The secondary windows once they have been opened, else null.
    frmAnleitung* Anleitung() const { return frmAnleitung_.get(); }
    frmCopyright* Copyright() const { return frmCopyright_.get(); }
    // The game area: board, status line, buttons and options.
    QWidget& Spielflaeche() const override;

    // While a side window is open, the game takes no input: the game area is
    // disabled (keeping its look), and activating the main window brings the
    // side window up again. Freigeben gives the game back.
    void Sperren(QWidget* nebenfenster) override;
    void Freigeben() override;
    // The rest of what the side windows take from it.
    QWidget& Hauptfenster() override { return *this; }
    bool& KnopfGehalten() override { return KnopfGedrueckt; }
    Fenster& Dienste() override { return *this; }

    void StatusSetzen(const std::string& text) override;
    std::string StatusText() const override;
    void StatusZeigen(bool sichtbar) override;
    void ZeigerSetzen(Zeiger zeiger) override;
    void BrettbildLeeren() override;
    void SteinSetzen(int position, int spieler) override;
    void SteinGelandet(int position, int spieler) override;
    void FallStarten(int ziel, int spieler) override;
    bool Faellt() const override { return fall_.Faellt(); }
    void FallAnhalten() override { fall_.FallAnhalten(); }
    Antwort Meldung(const std::string& text, const std::string& titel, Symbol symbol,
                    Knoepfe knoepfe) override;
    void PlaySound(const std::string& datei) override;
    void Warten() override;
    void EreignisseVerarbeiten() override;
    void AufEreignisWarten() override;

protected:
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    // The window manager's close button and Alt+F4 ask as "Beenden" does.
    void closeEvent(QCloseEvent* ereignis) override;
    // Ends the process at once, also from within a move.
    virtual void ProgrammBeenden();

private:
    void Form_Load();
    void ControlsAnlegen();
    void TastaturwegLegen();
    void Form_KeyPress(int keyAscii);
    void optStaerke_Click(int index);
    void optAnfangSp_Click(int index);
    // What the picture buttons do when released over themselves.
    void AnleitungOeffnen();
    void CopyrightOeffnen();
    void SpielBeenden();

    Masstab basis_;
    double faktor_;
    Masstab masstab_;
    Masstab bildmasstab_;
    Bildsatz bilder_;
    std::unique_ptr<Computerspieler> computer_;
    Spiel spiel_;
    Brettbild brettbild_;
    Fall fall_;
    Klang klang_;

    QWidget* picContainer_ = nullptr;
    Bildflaeche* picSpielfeld_ = nullptr;
    Kachelflaeche* picOptionen_ = nullptr; // its background the tiles
    // Keys, marker and screen reader of the board; owned by the board.
    Brettzugang* brettzugang_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    Bildknopf* picButtonNeuesSpiel_ = nullptr;
    Bildknopf* picButtonAnleitung_ = nullptr;
    Bildknopf* picButtonCopyright_ = nullptr;
    Bildknopf* picButtonExit_ = nullptr;
    std::array<QRadioButton*, 3> optAnfangSp_{}; // items 1, 2
    std::array<QRadioButton*, 5> optStaerke_{};  // items 1, 3, 4
    std::unique_ptr<Kurzbefehle> kurzbefehle_;
    bool tastenFilter_ = false;
    QWidget* offenesNebenfenster_ = nullptr;
    bool beendenGefragt_ = false;
    // Loaded on first use, then only hidden and shown.
    std::unique_ptr<frmAnleitung> frmAnleitung_;
    std::unique_ptr<frmCopyright> frmCopyright_;
};

} // namespace steinfall
