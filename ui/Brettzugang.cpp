#include "ui/Brettzugang.h"

#include "core/Geometrie.h"
#include "core/Spiel.h"
#include "ui/Bildflaeche.h"
#include "ui/Sprachtext.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace steinfall {

namespace {

namespace g = geometrie;

// The marker frames the column's holes with a margin, in twips: 120 around
// the stones, which leaves the gap between two columns' frames open.
constexpr double RahmenRand = 120.0;
constexpr double RahmenStrich = 30.0;
constexpr double RahmenRundung = 150.0;
const QColor RahmenFarbe(255, 255, 255, 190);

// A light frame around one column, drawn over the board. The mouse goes
// through it to the board.
class Spaltenrahmen : public QWidget {
public:
    Spaltenrahmen(QWidget* brett, const Masstab& masstab) : QWidget(brett), masstab_(masstab) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.setRenderHint(QPainter::Antialiasing);
        const double strich = masstab_.PixelX(RahmenStrich);
        const double rundung = masstab_.PixelX(RahmenRundung);
        maler.setPen(QPen(RahmenFarbe, strich));
        const double halb = strich / 2;
        maler.drawRoundedRect(QRectF(rect()).adjusted(halb, halb, -halb, -halb), rundung, rundung);
    }

private:
    const Masstab& masstab_;
};

bool Abwaerts(int taste) {
    return taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space ||
           taste == Qt::Key_Down;
}

} // namespace

Brettzugang::Brettzugang(Bildflaeche& brett, Spiel& spiel, const Masstab& masstab)
    : QObject(&brett), brett_(brett), spiel_(spiel), masstab_(masstab),
      rahmen_(new Spaltenrahmen(&brett, masstab)) {
    // First in the Tab chain and taken by a click, so that the arrows of a
    // clicked option group do not stay with the options.
    brett_.setFocusPolicy(Qt::StrongFocus);
    brett_.installEventFilter(this);
    Benennen();
    Beschreiben();
}

bool Brettzugang::Taste(const QKeyEvent& taste) {
    if (taste.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const int key = taste.key();
    // The digits of the main row and of the keypad both arrive as Key_1..Key_7.
    if (key >= Qt::Key_1 && key < Qt::Key_1 + AnzahlSpalten) {
        if (!taste.isAutoRepeat()) {
            Einwerfen(key - Qt::Key_1);
        }
        return true;
    }
    if (brett_.window()->focusWidget() != &brett_) {
        return false;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        const int schritt = key == Qt::Key_Left ? AnzahlSpalten - 1 : 1;
        MarkeZeigen((marke_ + schritt) % AnzahlSpalten);
        return true;
    }
    if (Abwaerts(key)) {
        // A held key drops one stone, not a column full.
        if (!taste.isAutoRepeat()) {
            Einwerfen(marke_);
        }
        return true;
    }
    return false;
}

bool Brettzugang::MarkeSichtbar() const {
    return !rahmen_->isHidden();
}

void Brettzugang::MarkeZeigen(int spalte) {
    marke_ = spalte;
    const double oben = g::SteinOben(0) - RahmenRand;
    const double unten = g::SteinOben(g::Zeilen - 1) + g::SteinGroesse + RahmenRand;
    rahmen_->setGeometry(masstab_.Rechteck(g::SteinLinks(spalte) - RahmenRand, oben,
                                           g::SteinGroesse + 2 * RahmenRand, unten - oben));
    rahmen_->show();
    Benennen();
}

void Brettzugang::MarkeVerbergen() {
    rahmen_->hide();
    Benennen();
}

// The same choice as a click into the column: every rule of a click holds.
// The marker shows where the stone went.
void Brettzugang::Einwerfen(int spalte) {
    MarkeZeigen(spalte);
    spiel_.SpalteGewaehlt(SpaltencodeVon(spalte + 1));
}

bool Brettzugang::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == &brett_ &&
        (ereignis->type() == QEvent::FocusIn || ereignis->type() == QEvent::FocusOut)) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        const bool tab = grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason;
        // Reached by Tab the board shows where a key would drop; left by Tab
        // or a click elsewhere it hides the marker. A box opened meanwhile
        // leaves it as it is.
        if (ereignis->type() == QEvent::FocusIn && tab) {
            MarkeZeigen(marke_);
        } else if (ereignis->type() == QEvent::FocusOut && (tab || grund == Qt::MouseFocusReason)) {
            MarkeVerbergen();
        }
    }
    return false;
}

void Brettzugang::BildGeleert() {
    bild_.fill(Leer);
    zug_.clear();
    Benennen();
    Beschreiben();
}

void Brettzugang::SteinGemalt(int position, int spieler) {
    if (spieler == SteinSpieler || spieler == SteinComputer) {
        bild_[position] = spieler;
    }
    Beschreiben();
}

void Brettzugang::SteinGelandet(int position, int spieler) {
    const int spalte = position % AnzahlSpalten + 1;
    if (spieler == SteinSpieler) {
        // TRANSLATORS: a screen reader's words after the player's move; %1 is the column
        zug_ = Sprachtext("Spieler: Spalte %1").arg(spalte);
    } else {
        // TRANSLATORS: a screen reader's words after the computer's move; %1 is the column
        zug_ = Sprachtext("Computer: Spalte %1").arg(spalte);
    }
    Benennen();
}

// A screen reader speaks a change of the focused board's name: the last
// move and the marker live there, the status line stays as the eye sees it.
void Brettzugang::Benennen() {
    // TRANSLATORS: the board's name for a screen reader; the last move and the
    // selected column follow it, each after a comma
    QString name = Sprachtext("Spielbrett");
    if (!zug_.isEmpty()) {
        name += QStringLiteral(", ") + zug_;
    }
    if (MarkeSichtbar()) {
        // TRANSLATORS: a screen reader's words for the column chosen by keyboard
        name += QStringLiteral(", ") + Sprachtext("Auswahl: Spalte %1").arg(marke_ + 1);
    }
    if (name != brett_.accessibleName()) {
        brett_.setAccessibleName(name);
    }
}

// Column by column from the bottom up, as the stones fall. Sent only when it
// changed: the flash of a line repaints stones without changing the board.
void Brettzugang::Beschreiben() {
    QStringList spalten;
    for (int spalte = 0; spalte < AnzahlSpalten; ++spalte) {
        QStringList steine;
        for (int zeile = AnzahlZeilen - 1; zeile >= 0; --zeile) {
            const int stein = bild_[zeile * AnzahlSpalten + spalte];
            if (stein != Leer) {
                // TRANSLATORS: a screen reader's word for a stone of the player, listed
                // with commas in "Spalte %1: %2"
                steine << (stein == SteinSpieler ? SprachtextIm("Vorlesen", "Spieler")
                                                 // TRANSLATORS: the same for the computer's
                                                 : SprachtextIm("Vorlesen", "Computer"));
            }
        }
        // TRANSLATORS: a screen reader's words for one column of the board: %1 its number,
        // %2 its stones from the bottom up, or the word for an empty column
        spalten << Sprachtext("Spalte %1: %2")
                       .arg(spalte + 1)
                       .arg(steine.isEmpty()
                                ? // TRANSLATORS: a screen reader's word for a column without stones
                                Sprachtext("leer")
                                : steine.join(u", "));
    }
    const QString beschreibung = spalten.join(u"; ");
    if (beschreibung != brett_.accessibleDescription()) {
        brett_.setAccessibleDescription(beschreibung);
    }
}

} // namespace steinfall
