#pragma once

#include "core/Brett.h"
#include "ui/Masstab.h"

#include <QObject>
#include <QString>

#include <array>

class QKeyEvent;
class QWidget;

namespace steinfall {

class Bildflaeche;
class Spiel;

// The board for players without a mouse: the keys that drop stones, a
// column marker, and what a screen reader hears of the board. The board's
// name tells the last move and the marker's column; its description tells
// the stones the picture shows, column by column.
//
//     Brettzugang zugang(*picSpielfeld, spiel, masstab);
//     zugang.Taste(taste);            // "4": a stone into column 4
//     zugang.SteinGelandet(38, 1);    // name: "Spielbrett, Spieler: Spalte 4"
class Brettzugang : public QObject {
public:
    // `masstab` is the window's and lives as long as the board.
    Brettzugang(Bildflaeche& brett, Spiel& spiel, const Masstab& masstab);

    // A key the window sees before its controls. The digits 1 to 7 drop
    // whenever they arrive; the arrows, Return, Space and Down only while the
    // board has the focus. True when the key was the board's.
    bool Taste(const QKeyEvent& taste);

    // A mouse click on the board: the mouse player sees no marker.
    void MarkeVerbergen();

    // The marker's column (0..6) and whether it is drawn.
    int Marke() const { return marke_; }
    bool MarkeSichtbar() const;

    // The picture changed: emptied, or a stone painted into a cell.
    void BildGeleert();
    void SteinGemalt(int position, int spieler);
    // A dropped stone has landed: the move is told.
    void SteinGelandet(int position, int spieler);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void MarkeZeigen(int spalte);
    void Einwerfen(int spalte);
    void Benennen();
    void Beschreiben();

    Bildflaeche& brett_;
    Spiel& spiel_;
    const Masstab& masstab_;
    QWidget* rahmen_;
    int marke_ = AnzahlSpalten / 2;
    // The stones the picture shows (the highlight of a line is its side's
    // stone), so that the description never tells another board than the eye sees.
    std::array<int, AnzahlFelder> bild_{};
    QString zug_;
};

} // namespace steinfall
