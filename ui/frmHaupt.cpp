#include "ui/frmHaupt.h"

#include "core/Geometrie.h"
#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/Brettzugang.h"
#include "ui/Kurzbefehle.h"
#include "ui/Rasterop.h"
#include "ui/Skalierung.h"
#include "ui/Spielbereich.h"
#include "ui/Sprachtext.h"
#include "ui/Warten.h"
#include "ui/Zugang.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <vector>

namespace steinfall {

namespace {

namespace g = geometrie;

const QColor ContainerFarbe(0xE0, 0xE0, 0xE0);
const QColor OptionenFarbe(0xC0, 0xC0, 0xC0);

// An opaque control in one colour.
void Hintergrund(QWidget& control, const QColor& farbe) {
    control.setAutoFillBackground(true);
    QPalette farben = control.palette();
    farben.setColor(QPalette::Window, farbe);
    control.setPalette(farben);
}

// Tab enters an option group at its chosen option and leaves it from there;
// the arrow keys choose within the group.
void GruppeFuehren(const std::vector<QRadioButton*>& gruppe) {
    auto fuehren = [gruppe] {
        for (QRadioButton* option : gruppe) {
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    fuehren();
    for (QRadioButton* option : gruppe) {
        QObject::connect(option, &QRadioButton::toggled, option, fuehren);
    }
}

} // namespace

frmHaupt::frmHaupt(const Bildsatz& bilder, std::unique_ptr<Computerspieler> computer, double faktor,
                   QWidget* eltern)
    : QWidget(eltern, Qt::FramelessWindowHint),
      basis_(Masstab::VomBildschirm(*QGuiApplication::primaryScreen())), faktor_(faktor),
      masstab_(basis_.Fein(faktor)), bildmasstab_(basis_.Fein(bilder.Faktor)), bilder_(bilder),
      computer_(std::move(computer)), spiel_(*this, *computer_), brettbild_(bilder, bildmasstab_),
      fall_(brettbild_) {
    setWindowTitle(QStringLiteral("Steinfall"));
    ControlsAnlegen();
    Form_Load();
}

frmHaupt::~frmHaupt() = default;

void frmHaupt::ControlsAnlegen() {
    QFont schrift = font();
    schrift.setPointSizeF(8 * faktor_);
    setFont(schrift);
    Skalieren(faktor_);
    // Disabled while the instructions or about window is open, the window
    // only refuses input: it keeps its look.
    QPalette farben = palette();
    for (int rolle = 0; rolle < QPalette::NColorRoles; ++rolle) {
        const auto r = static_cast<QPalette::ColorRole>(rolle);
        farben.setColor(QPalette::Disabled, r, farben.color(QPalette::Active, r));
    }
    setPalette(farben);

    const Masstab& m = masstab_;
    auto bildflaeche = [](QWidget* eltern, const QImage* bild, const char* name, QRect ort) {
        auto* flaeche = new Bildflaeche(eltern, bild);
        flaeche->setObjectName(QString::fromLatin1(name));
        flaeche->setGeometry(ort);
        return flaeche;
    };

    // Composed at the pictures' resolution, laid out in logical pixels.
    const Masstab& fein = bildmasstab_;
    // Its tiles and the logo with a transparent surround.
    picContainer_ = new Spielbereich(
        this, bilder_.HG, bilder_.Logo, bilder_.LogoMaske,
        QPoint(fein.PixelX(g::Logo.Links), fein.PixelY(g::Logo.Oben)),
        QSize(fein.PixelX(g::Spielbereich.Breite), fein.PixelY(g::Spielbereich.Hoehe)));
    picContainer_->setObjectName(QStringLiteral("picContainer"));
    picContainer_->setGeometry(m.Rechteck(g::Spielbereich));
    picSpielfeld_ =
        bildflaeche(picContainer_, &brettbild_.Bild(), "picSpielfeld", m.Rechteck(g::Spielfeld));

    RolleSetzen(*picSpielfeld_, QAccessible::Graphic);
    brettzugang_ = new Brettzugang(*picSpielfeld_, spiel_, masstab_);
    lblStatus_ = new QLabel(picContainer_);
    // Before its first text: a text change makes Qt fix the label's role.
    RolleSetzen(*lblStatus_, QAccessible::StatusBar);
    lblStatus_->setText(QStringLiteral("---"));
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setGeometry(m.Rechteck(g::Status));
    Hintergrund(*lblStatus_, ContainerFarbe);

    // One press-and-release logic for the four; only the action differs.
    auto bildknopf = [&](const std::array<QImage, 2>& bild, const char* name, QRect ort,
                         std::function<void()> aktion) {
        return new Bildknopf(picContainer_, bild, name, ort, m, KnopfGedrueckt, *this,
                             std::move(aktion));
    };
    picButtonNeuesSpiel_ =
        bildknopf(bilder_.KnopfNeuesSpiel, "picButtonNeuesSpiel", m.Rechteck(g::KnopfNeuesSpiel),
                  [this] { spiel_.NeuesSpiel(); });
    picButtonAnleitung_ = bildknopf(bilder_.KnopfAnleitung, "picButtonAnleitung",
                                    m.Rechteck(g::KnopfAnleitung), [this] { AnleitungOeffnen(); });
    picButtonCopyright_ = bildknopf(bilder_.KnopfCopyright, "picButtonCopyright",
                                    m.Rechteck(g::KnopfCopyright), [this] { CopyrightOeffnen(); });
    picButtonExit_ = bildknopf(bilder_.KnopfBeenden, "picButtonExit", m.Rechteck(g::KnopfBeenden),
                               [this] { SpielBeenden(); });
    picButtonNeuesSpiel_->Beschriften(Knopftext(bilder::KnopfNeuesSpiel));
    picButtonAnleitung_->Beschriften(Knopftext(bilder::KnopfAnleitung));
    picButtonCopyright_->Beschriften(Knopftext(bilder::KnopfCopyright));
    picButtonExit_->Beschriften(Knopftext(bilder::KnopfBeenden));
    kurzbefehle_ = std::make_unique<Kurzbefehle>(*picButtonNeuesSpiel_, *picButtonAnleitung_,
                                                 *picButtonCopyright_, *picButtonExit_);

    picOptionen_ = new Kachelflaeche(
        picContainer_, QSize(fein.PixelX(g::Optionen.Breite), fein.PixelY(g::Optionen.Hoehe)),
        OptionenFarbe);
    picOptionen_->setObjectName(QStringLiteral("picOptionen"));
    picOptionen_->setGeometry(m.Rechteck(g::Optionen));

    auto rahmen = [&](const QString& titel, const char* name, QRect ort) {
        auto* fr = new QGroupBox(titel, picOptionen_);
        fr->setObjectName(QString::fromLatin1(name));
        fr->setGeometry(ort);
        Hintergrund(*fr, OptionenFarbe);
        return fr;
    };
    auto option = [&](QGroupBox* fr, const QString& text, const char* name, const g::Ort& ort) {
        auto* opt = new QRadioButton(text, fr);
        opt->setObjectName(QString::fromLatin1(name));
        opt->setGeometry(m.Rechteck(ort));
        return opt;
    };
    // The captions' room at the designed size: a frame's caption its 97
    // pixels, an option's caption 81 pixels with its round button.
    // TRANSLATORS: frame caption, within 97 pixels at the designed size
    const QString anfang = Sprachtext("Wer beginnt ?");
    // TRANSLATORS: option caption (the player begins), within 81 pixels with its round button
    const QString spieler = Sprachtext("Spieler");
    // TRANSLATORS: option caption (the computer begins), within 81 pixels with its round button
    const QString computer = Sprachtext("Computer");
    // TRANSLATORS: frame caption, within 97 pixels at the designed size
    const QString staerke = Sprachtext("Spielstärke :");
    // TRANSLATORS: option caption, within 81 pixels with its round button
    const QString anfaenger = Sprachtext("Anfänger");
    // TRANSLATORS: option caption, within 81 pixels with its round button
    const QString experte = Sprachtext("Experte");
    // TRANSLATORS: option caption, within 81 pixels with its round button
    const QString profi = Sprachtext("Profi");
    auto* frAnfang = rahmen(anfang, "frAnfang", m.Rechteck(g::RahmenAnfang));
    optAnfangSp_[1] = option(frAnfang, spieler, "optAnfangSp1", g::OptionSpieler);
    optAnfangSp_[2] = option(frAnfang, computer, "optAnfangSp2", g::OptionComputer);
    auto* frSpielstaerke = rahmen(staerke, "frSpielstaerke", m.Rechteck(g::RahmenSpielstaerke));
    optStaerke_[1] = option(frSpielstaerke, anfaenger, "optStaerke1", g::OptionAnfaenger);
    optStaerke_[3] = option(frSpielstaerke, experte, "optStaerke3", g::OptionExperte);
    optStaerke_[4] = option(frSpielstaerke, profi, "optStaerke4", g::OptionProfi);
    optAnfangSp_[1]->setChecked(true);
    optStaerke_[3]->setChecked(true);

    // Wired after the defaults are set: only the user's choice plays a sound.
    for (int i : {1, 2}) {
        connect(optAnfangSp_[i], &QRadioButton::toggled, this, [this, i](bool gewaehlt) {
            if (gewaehlt) {
                optAnfangSp_Click(i);
            }
        });
    }
    for (int i : {1, 3, 4}) {
        connect(optStaerke_[i], &QRadioButton::toggled, this, [this, i](bool gewaehlt) {
            if (gewaehlt) {
                optStaerke_Click(i);
            }
        });
    }
    // Any button drops a stone; button and shift state are not looked at.
    connect(picSpielfeld_, &Bildflaeche::MouseUp, this, [this](int, int, QPointF pixel) {
        brettzugang_->MarkeVerbergen();
        spiel_.picSpielfeld_MouseUp(static_cast<float>(pixel.x() * masstab_.TwipsProPixelX),
                                    static_cast<float>(pixel.y() * masstab_.TwipsProPixelY));
    });
    connect(&fall_, &Fall::Gemalt, picSpielfeld_, qOverload<>(&QWidget::update));
    TastaturwegLegen();
}

void frmHaupt::TastaturwegLegen() {
    // Reading order: the board, the buttons above the options, the option
    // groups, "Beenden" at the bottom right. The board joins once it takes
    // the focus.
    const std::vector<QWidget*> weg = {picSpielfeld_,
                                       &picButtonNeuesSpiel_->Item(0),
                                       &picButtonAnleitung_->Item(0),
                                       &picButtonCopyright_->Item(0),
                                       optAnfangSp_[1],
                                       optAnfangSp_[2],
                                       optStaerke_[1],
                                       optStaerke_[3],
                                       optStaerke_[4],
                                       &picButtonExit_->Item(0)};
    for (std::size_t i = 1; i < weg.size(); ++i) {
        QWidget::setTabOrder(weg[i - 1], weg[i]);
    }
    GruppeFuehren({optAnfangSp_[1], optAnfangSp_[2]});
    GruppeFuehren({optStaerke_[1], optStaerke_[3], optStaerke_[4]});
    // The first focus lies where a stray Space or Return does nothing: on
    // the board once it takes the focus, else on the chosen starting side.
    if (picSpielfeld_->focusPolicy() & Qt::TabFocus) {
        picSpielfeld_->setFocus();
    } else {
        optAnfangSp_[1]->setFocus();
    }
}

void frmHaupt::Form_Load() {
    // Pictures are painted at their own resolution; the window is laid out
    // in logical pixels.
    const Masstab& m = bildmasstab_;
    // The stones white outside their discs. The game area paints its tiles
    // and the logo itself (Spielbereich).
    brettbild_.SteineMaskieren();
    // The whole screen, the game area in its middle. Without a window
    // manager nobody else would size the window; with one, only the
    // full-screen state puts it above the panels (Wayland ignores the
    // position altogether).
    const QRect bildschirm = QGuiApplication::primaryScreen()->geometry();
    setGeometry(bildschirm);
    setWindowState(windowState() | Qt::WindowFullScreen);
    const Masstab& l = masstab_;
    picContainer_->move(
        l.PixelX((bildschirm.width() * l.TwipsProPixelX - g::Spielbereich.Breite) / 2),
        l.PixelY((bildschirm.height() * l.TwipsProPixelY - g::Spielbereich.Hoehe) / 2));
    // The options panel's background tiles.
    picOptionen_->KachelnLegen(m, bilder_.HG2);
    // The texts were filled when the game flow was made.
    // No button is held down; the game flow starts with its flags cleared.
    KnopfGedrueckt = false;
    // The defaults: "Experte", sound and animation on, then the first game.
    spiel_.SpielstaerkeSetzen(Experte);
    klang_.TonAn = true;
    spiel_.AnimationSetzen(true);
    spiel_.NeuesSpiel();
}

void frmHaupt::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    // The window's handle sees every key before the focused control does.
    if (!tastenFilter_ && windowHandle()) {
        windowHandle()->installEventFilter(this);
        tastenFilter_ = true;
    }
}

bool frmHaupt::eventFilter(QObject* objekt, QEvent* ereignis) {
    // A locked game takes no keys, even when its window has the focus.
    if (objekt == windowHandle() && ereignis->type() == QEvent::KeyPress &&
        picContainer_->isEnabled()) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        // Shortcuts and the board's keys act and stop there.
        if (kurzbefehle_->Taste(*taste) || brettzugang_->Taste(*taste)) {
            return true;
        }
        const QString text = taste->text();
        if (text.size() == 1) {
            Form_KeyPress(text.at(0).unicode());
        }
    }
    return false; // the key goes on to the controls unchanged
}

void frmHaupt::Form_KeyPress(int keyAscii) {
    if (keyAscii == 's' || keyAscii == 'S') {
        klang_.TonAn = !klang_.TonAn;
    } else if (keyAscii == 'A' || keyAscii == 'a') {
        spiel_.AnimationSetzen(!spiel_.AnimationAn());
    }
}

// The option's index is its strength.
void frmHaupt::optStaerke_Click(int index) {
    PlaySound("WAHL.WAV");
    spiel_.SpielstaerkeSetzen(static_cast<Staerke>(index));
}

// Index 2 is "Computer".
void frmHaupt::optAnfangSp_Click(int index) {
    PlaySound("WAHL.WAV");
    spiel_.ComputerBeginntSetzen(index == 2);
    if (Meldung(spiel_.Txt().TxtNeuesSpiel, spiel_.Txt().TxtFrage, Symbol::Frage,
                Knoepfe::JaNein) == Antwort::Ja) {
        spiel_.NeuesSpiel();
    }
}

void frmHaupt::AnleitungOeffnen() {
    if (!frmAnleitung_) {
        frmAnleitung_ = std::make_unique<frmAnleitung>(*this);
    }
    frmAnleitung_->Zeigen();
    PlaySound("ANLEITUN.WAV");
}

void frmHaupt::CopyrightOeffnen() {
    if (!frmCopyright_) {
        frmCopyright_ = std::make_unique<frmCopyright>(*this);
    }
    frmCopyright_->Zeigen();
    PlaySound("TADA.WAV");
}

void frmHaupt::StatusSetzen(const std::string& text) {
    lblStatus_->setText(Zeilentext(text));
}

std::string frmHaupt::StatusText() const {
    return lblStatus_->text().toStdString();
}

void frmHaupt::StatusZeigen(bool sichtbar) {
    lblStatus_->setVisible(sichtbar);
}

void frmHaupt::ZeigerSetzen(Zeiger zeiger) {
    setCursor(zeiger == Zeiger::Sanduhr ? Qt::WaitCursor : Qt::ArrowCursor);
}

void frmHaupt::BrettbildLeeren() {
    brettbild_.Leeren();
    picSpielfeld_->update();
    // The description follows the picture, not the game's board: a new game
    // empties the picture first, and the old game must not be told meanwhile.
    brettzugang_->BildGeleert();
}

void frmHaupt::SteinSetzen(int position, int spieler) {
    brettbild_.SteinSetzen(position, spieler);
    picSpielfeld_->update();
    brettzugang_->SteinGemalt(position, spieler);
}

void frmHaupt::SteinGelandet(int position, int spieler) {
    brettzugang_->SteinGelandet(position, spieler);
}

void frmHaupt::FallStarten(int ziel, int spieler) {
    StatusSetzen(spiel_.Txt().TxtEinwerfen);
    fall_.FallStarten(ziel, spieler);
}

Antwort frmHaupt::Meldung(const std::string& text, const std::string& titel, Symbol symbol,
                          Knoepfe knoepfe) {
    const QMessageBox::Icon icon = symbol == Symbol::Frage   ? QMessageBox::Question
                                   : symbol == Symbol::Stopp ? QMessageBox::Critical
                                                             : QMessageBox::Warning;
    QMessageBox box(icon, Zeilentext(titel), Zeilentext(text), QMessageBox::NoButton, this);
    // A window of its own does not take the game's font: it scales with the game.
    box.setFont(font());
    if (knoepfe == Knoepfe::JaNein) {
        // TRANSLATORS: message box button; & marks the key that presses it
        box.addButton(QMessageBox::Yes)->setText(Sprachtext("&Ja"));
        // TRANSLATORS: message box button; & marks the key that presses it
        box.addButton(QMessageBox::No)->setText(Sprachtext("&Nein"));
    } else {
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    box.exec();
    const QAbstractButton* geklickt = box.clickedButton();
    if (geklickt == box.button(QMessageBox::Yes)) {
        return Antwort::Ja;
    }
    if (geklickt == box.button(QMessageBox::No) || knoepfe == Knoepfe::JaNein) {
        return Antwort::Nein;
    }
    return Antwort::Ok;
}

void frmHaupt::PlaySound(const std::string& datei) {
    klang_.PlaySound(datei);
}

void frmHaupt::Warten() {
    steinfall::Warten();
}

void frmHaupt::EreignisseVerarbeiten() {
    QCoreApplication::processEvents();
}

void frmHaupt::AufEreignisWarten() {
    steinfall::AufEreignisWarten();
}

} // namespace steinfall
