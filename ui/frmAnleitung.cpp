#include "ui/frmAnleitung.h"

#include "core/Fenster.h"
#include "core/Geometrie.h"
#include "ui/Bilder.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/Masstab.h"
#include "ui/Rasterop.h"
#include "ui/Sprachtext.h"
#include "ui/Zugang.h"

#include <QFrame>
#include <QPlainTextEdit>

namespace steinfall {

const char* const AnleitungText =
    "     Bei Steinfall werfen Spieler und Computer abwechselnd jeweils\r\n"
    "     einen Stein in das Spielbrett ein.\r\n"
    "     Derjenige Spieler, der als erster eine Reihe mit vier Steinen in\r\n"
    "     vertikaler, horizontaler oder diagonaler Richtung gebildet hat,\r\n"
    "     gewinnt das Spiel.\r\n"
    "     Sind alle 42 Spielsteine eingeworfen, ohne daß ein Spieler eine\r\n"
    "     Reihe erreicht hat, endet die Partie mit einem Remis.\r\n"
    "\r\n"
    "     Ein Spielstein wird eingeworfen, indem man mit der Maus auf die\r\n"
    "     entsprechende Spalte des Spielbretts klickt.\r\n"
    "     Unter dem Spielfeld befindet sich eine Textzeile, die den\r\n"
    "     jeweiligen Status des Spiels angibt.\r\n"
    "\r\n"
    "     Links neben dem Spielbrett befindet sich eine Leiste mit\r\n"
    "     Einstellungsmöglichkeiten, die alle selbsterklärend sein sollten.\r\n"
    "\r\n"
    "     Wen der Sound nervt, der kann diesen mit der Taste 'S' an- und\r\n"
    "     abschalten.\r\n"
    "     Das Herunterfallen der Spielsteine läßt sich mit einem Druck auf\r\n"
    "     die Taste 'A' ein- bzw. ausschalten.\r\n"
    "\r\n"
    "\r\n"
    "     Viel Spaß beim Knobeln wünscht,\r\n"
    "\r\n"
    "     Morvell\r\n";

// The same in English, as paragraphs: the box wraps them at its width.
const char* const AnleitungTextEnglisch =
    "In Steinfall, you and the computer take turns dropping a piece into the board. Whoever "
    "first gets four pieces in a row, vertically, horizontally or diagonally, wins the game. If "
    "all 42 pieces have been dropped and nobody has a row of four, the game ends in a draw.\r\n"
    "\r\n"
    "To drop a piece, click the column of the board where you want it to go. The line of text "
    "below the board tells you what is happening in the game.\r\n"
    "\r\n"
    "To the left of the board is a panel of settings, which should all explain themselves.\r\n"
    "\r\n"
    "If the sound gets on your nerves, press 'S' to turn it off and on again. Press 'A' to turn "
    "the falling of the pieces off and on.\r\n"
    "\r\n"
    "\r\n"
    "Have fun puzzling it out,\r\n"
    "\r\n"
    "Morvell\r\n";

namespace {

namespace g = geometrie;

} // namespace

frmAnleitung::frmAnleitung(Gastgeber& haupt)
    : Nebenfenster(haupt, Sprachtext("Anleitung", "Instructions")),
      picAnleitung_(haupt.Bilder().Logo) {
    const Masstab& m = haupt.Massstab();
    setFixedSize(m.PixelX(g::Anleitung.Breite), m.PixelY(g::Anleitung.Hoehe));
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto* shRahmen = new QFrame(this);
    shRahmen->setObjectName(QStringLiteral("shRahmen"));
    shRahmen->setFrameShape(QFrame::Box);
    shRahmen->setGeometry(m.Rechteck(g::AnleitungRahmen));

    txtAnleitung_ = new QPlainTextEdit(this);
    txtAnleitung_->setObjectName(QStringLiteral("txtAnleitung"));
    txtAnleitung_->setGeometry(m.Rechteck(g::AnleitungText));
    txtAnleitung_->setReadOnly(true);
    // The German text keeps its lines as laid out; the English paragraphs wrap.
    txtAnleitung_->setLineWrapMode(GewaehlteSprache() == Sprache::Englisch
                                       ? QPlainTextEdit::WidgetWidth
                                       : QPlainTextEdit::NoWrap);
    txtAnleitung_->setPlainText(Zeilentext(Sprachwahl(AnleitungText, AnleitungTextEnglisch)));

    picButtonZurueck_ = new Bildknopf(this, haupt.Bilder().KnopfZurueck, "picButtonZurueck",
                                      m.Rechteck(g::KnopfZurueck), m, haupt.KnopfGehalten(),
                                      haupt.Dienste(), [this] { Zurueckkehren(); });
    picButtonZurueck_->Beschriften(Sprachtext("Zurück", "Back"));
    txtAnleitung_->setAccessibleName(windowTitle());
    Form_Load();
}

void frmAnleitung::Form_Load() {
    // Painted at the pictures' resolution.
    const Masstab& m = haupt_.Bildmassstab();
    const QImage& maske = haupt_.Bilder().LogoMaske;
    const double logoBreite = picAnleitung_.width() * m.TwipsProPixelX;
    const double logoHoehe = picAnleitung_.height() * m.TwipsProPixelY;
    // The logo white outside its shape.
    BitBlt(picAnleitung_, m, 0, 0, logoBreite, logoHoehe, maske, 0, 0, Rasterop::SrcPaint);
    // The background tile.
    bild_ =
        QImage(m.PixelX(g::Anleitung.Breite), m.PixelY(g::Anleitung.Hoehe), QImage::Format_RGB32);
    Kacheln(bild_, m, haupt_.Bilder().HG);
    // The logo with a transparent surround.
    BitBlt(bild_, m, g::AnleitungLogo.Links, g::AnleitungLogo.Oben, logoBreite, logoHoehe, maske, 0,
           0, Rasterop::MergePaint);
    BitBlt(bild_, m, g::AnleitungLogo.Links, g::AnleitungLogo.Oben, logoBreite, logoHoehe,
           picAnleitung_, 0, 0, Rasterop::SrcAnd);
}

void frmAnleitung::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    // The game is locked while this window is open: it comes up again only
    // by being shown.
    Form_Activate();
}

void frmAnleitung::Form_Activate() {
    // From the first line, nothing selected.
    QTextCursor anfang = txtAnleitung_->textCursor();
    anfang.setPosition(0);
    txtAnleitung_->setTextCursor(anfang);
    txtAnleitung_->ensureCursorVisible();
}

void frmAnleitung::Verlassen() {
    picButtonZurueck_->Ausloesen();
}

void frmAnleitung::Zurueckkehren() {
    haupt_.Freigeben();
    hide();
}

} // namespace steinfall
