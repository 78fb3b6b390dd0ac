#include "ui/frmAnleitung.h"

#include "core/Fenster.h"
#include "core/Geometrie.h"
#include "ui/Bilder.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/Masstab.h"
#include "ui/Rasterop.h"
#include "ui/Skalierung.h"
#include "ui/Sprachtext.h"
#include "ui/Zugang.h"

#include <QFrame>
#include <QPlainTextEdit>

namespace steinfall {

// The instructions as one message, lines as laid out; a translation may
// break its lines anywhere, the box wraps them at its width.
const char* const AnleitungText = UebersetzungMerken(
    // TRANSLATORS: the instructions window's text, 520 x 310 pixels at the designed size
    // (about 17 lines). The German lines are laid out by hand; write paragraphs,
    // the box wraps them. The closing line must stay visible without scrolling.
    "     Bei Steinfall werfen Spieler und Computer abwechselnd jeweils\n"
    "     einen Stein in das Spielbrett ein.\n"
    "     Derjenige Spieler, der als erster eine Reihe mit vier Steinen in\n"
    "     vertikaler, horizontaler oder diagonaler Richtung gebildet hat,\n"
    "     gewinnt das Spiel.\n"
    "     Sind alle 42 Spielsteine eingeworfen, ohne daß ein Spieler eine\n"
    "     Reihe erreicht hat, endet die Partie mit einem Remis.\n"
    "\n"
    "     Ein Spielstein wird eingeworfen, indem man mit der Maus auf die\n"
    "     entsprechende Spalte des Spielbretts klickt.\n"
    "     Unter dem Spielfeld befindet sich eine Textzeile, die den\n"
    "     jeweiligen Status des Spiels angibt.\n"
    "\n"
    "     Links neben dem Spielbrett befindet sich eine Leiste mit\n"
    "     Einstellungsmöglichkeiten, die alle selbsterklärend sein sollten.\n"
    "\n"
    "     Wen der Sound nervt, der kann diesen mit der Taste 'S' an- und\n"
    "     abschalten.\n"
    "     Das Herunterfallen der Spielsteine läßt sich mit einem Druck auf\n"
    "     die Taste 'A' ein- bzw. ausschalten.\n"
    "\n"
    "\n"
    "     Viel Spaß beim Knobeln wünscht,\n"
    "\n"
    "     Morvell\n");

namespace {

namespace g = geometrie;

} // namespace

frmAnleitung::frmAnleitung(Gastgeber& haupt)
    : Nebenfenster(haupt, Sprachtext("Anleitung")), picAnleitung_(haupt.Bilder().Logo) {
    const Masstab& m = haupt.Massstab();
    setFixedSize(m.PixelX(g::Anleitung.Breite), m.PixelY(g::Anleitung.Hoehe));
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto* shRahmen = new QFrame(this);
    shRahmen->setObjectName(QStringLiteral("shRahmen"));
    shRahmen->setFrameShape(QFrame::Box);
    shRahmen->setLineWidth(Linienstaerke(haupt.Faktor()));
    shRahmen->setGeometry(m.Rechteck(g::AnleitungRahmen));

    txtAnleitung_ = new QPlainTextEdit(this);
    txtAnleitung_->setObjectName(QStringLiteral("txtAnleitung"));
    txtAnleitung_->setGeometry(m.Rechteck(g::AnleitungText));
    txtAnleitung_->setReadOnly(true);
    // The German text keeps its lines as laid out; a translation's paragraphs wrap.
    txtAnleitung_->setLineWrapMode(GewaehlteSprache() == Ursprache ? QPlainTextEdit::NoWrap
                                                                   : QPlainTextEdit::WidgetWidth);
    txtAnleitung_->setPlainText(Sprachtext(AnleitungText));

    picButtonZurueck_ = new Bildknopf(this, haupt.Bilder().KnopfZurueck, "picButtonZurueck",
                                      m.Rechteck(g::KnopfZurueck), m, haupt.KnopfGehalten(),
                                      haupt.Dienste(), [this] { Zurueckkehren(); });
    picButtonZurueck_->Beschriften(Knopftext(bilder::KnopfZurueck));
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
