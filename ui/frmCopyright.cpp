#include "ui/frmCopyright.h"

#include "core/Fenster.h"
#include "core/Geometrie.h"
#include "ui/Bilder.h"
#include "ui/Bildflaeche.h"
#include "ui/Masstab.h"
#include "ui/Rasterop.h"
#include "ui/Skalierung.h"
#include "ui/Sprachtext.h"
#include "ui/Zugang.h"

#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace steinfall {

namespace {

namespace g = geometrie;

constexpr int NetzZeile = 3;
constexpr int PostZeile = 4;

// The maker's contact lines, items 0 to 4 of lblCR.
const char* const Kontakt[] = {
    "Morvell Software",        "Musterstraße 1",        "12345 Musterstadt",
    "https://www.example.org", "steinfall@example.org",
};

const QColor InfoFarbe(0xE0, 0xE0, 0xE0);

} // namespace

QString Verweis(int index, const QString& text) {
    if (index == NetzZeile) {
        return text;
    }
    if (index == PostZeile) {
        return QStringLiteral("mailto:") + text + QStringLiteral("?subject=Steinfall");
    }
    return {};
}

frmCopyright::frmCopyright(Gastgeber& haupt)
    // TRANSLATORS: window title of the about window
    : Nebenfenster(haupt, Sprachtext("Copyright")) {
    const Masstab& m = haupt.Massstab();
    setFixedSize(m.PixelX(g::Copyright.Breite), m.PixelY(g::Copyright.Hoehe));
    setAttribute(Qt::WA_OpaquePaintEvent);
    ControlsAnlegen();
    Form_Load();
}

void frmCopyright::ControlsAnlegen() {
    const Masstab& m = haupt_.Massstab();
    auto* picRahmen = new QFrame(this);
    picRahmen->setObjectName(QStringLiteral("picRahmen"));
    picRahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picRahmen->setLineWidth(Linienstaerke(haupt_.Faktor()));
    picRahmen->setGeometry(m.Rechteck(g::CopyrightRahmen));
    auto* picInfo = new QFrame(picRahmen);
    picInfo->setObjectName(QStringLiteral("picInfo"));
    picInfo->setGeometry(m.Rechteck(g::CopyrightInfo));
    picInfo->setAutoFillBackground(true);
    QPalette farben = picInfo->palette();
    farben.setColor(QPalette::Window, InfoFarbe);
    picInfo->setPalette(farben);

    auto* logo = new Bildflaeche(picInfo, &haupt_.Bilder().MorvellLogo);
    logo->setObjectName(QStringLiteral("MorvellLogo"));
    logo->setGeometry(m.Rechteck(g::CopyrightLogo));
    RolleSetzen(*logo, QAccessible::Graphic, QStringLiteral("Morvell Software"));

    auto label = [&](const QString& text, const char* name, QRect ort) {
        auto* lbl = new QLabel(text, picInfo);
        lbl->setObjectName(QString::fromLatin1(name));
        lbl->setGeometry(ort);
        return lbl;
    };
    QFont titel = font();
    titel.setPointSizeF(20 * haupt_.Faktor());
    titel.setBold(true);
    // Item 3 is the title's shadow, a little lower right and underneath.
    lblInfoTitel_[3] = label({}, "lblInfoTitel3", m.Rechteck(g::CopyrightTitelSchatten));
    lblInfoTitel_[0] = label({}, "lblInfoTitel0", m.Rechteck(g::CopyrightTitel));
    for (int i : {0, 3}) {
        lblInfoTitel_[i]->setFont(titel);
    }
    lblInfoTitel_[3]->setStyleSheet(QStringLiteral("color: #808080"));
    lblInfoTitel_[0]->setStyleSheet(QStringLiteral("color: #1f4fbf"));
    // TRANSLATORS: about window, the line under the title, within 260 pixels
    const QString system = Sprachtext("für Linux");
    lblInfoTitel_[1] = label(system, "lblInfoTitel1", m.Rechteck(g::CopyrightSystem));
    lblInfoTitel_[2] = label(QStringLiteral("Copyright © Morvell Software"), "lblInfoTitel2",
                             m.Rechteck(g::CopyrightHinweis));

    auto linie = [&](double oben) {
        auto* lin = new QFrame(picInfo);
        lin->setObjectName(QStringLiteral("linTrennlinie"));
        lin->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        lin->setLineWidth(Linienstaerke(haupt_.Faktor()));
        lin->setGeometry(m.Rechteck(g::CopyrightLinie.Links, oben, g::CopyrightLinie.Breite,
                                    g::CopyrightLinie.Hoehe));
    };
    linie(g::CopyrightLinieOben[0]);
    for (int i = 0; i < 5; ++i) {
        lblCR_[i] = label({}, "lblCR",
                          m.Rechteck(g::CopyrightKontakt.Links,
                                     g::CopyrightKontakt.Oben + g::CopyrightKontaktAbstand * i,
                                     g::CopyrightKontakt.Breite, g::CopyrightKontakt.Hoehe));
    }
    for (int i : {NetzZeile, PostZeile}) {
        // The links look like links and answer clicks.
        lblCR_[i]->setCursor(Qt::PointingHandCursor);
        lblCR_[i]->installEventFilter(this);
        RolleSetzen(*lblCR_[i], QAccessible::Link);
        // Reached by Tab too, opened by Return or Space or a screen reader,
        // and lit while they have the focus (a mouse click gives none).
        lblCR_[i]->setFocusPolicy(Qt::TabFocus);
        lblCR_[i]->setStyleSheet(
            QStringLiteral("QLabel { color: #0000c0; text-decoration: underline }"
                           " QLabel:focus { background: #c8d8f0 }"));
        DrueckenAnbieten(*lblCR_[i], [this, i] { lblCR_Click(i); });
    }
    linie(g::CopyrightLinieOben[1]);
    // TRANSLATORS: about window, left of the word FREEWARE, within 120 pixels
    label(Sprachtext("Dieses Produkt ist"), "lblRegTxt", m.Rechteck(g::CopyrightFreeware));
    QLabel* lblReg =
        label(QStringLiteral("FREEWARE"), "lblReg", m.Rechteck(g::CopyrightFreewareWort));
    QFont frei = font();
    frei.setBold(true);
    frei.setPointSizeF(11 * haupt_.Faktor());
    lblReg->setFont(frei);
    lblReg->setStyleSheet(QStringLiteral("color: #c00000"));

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(m.Rechteck(g::KnopfOK));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmCopyright::cmdOK_Click);
}

void frmCopyright::Form_Load() {
    // The background tile.
    const Masstab& m = haupt_.Bildmassstab();
    bild_ =
        QImage(m.PixelX(g::Copyright.Breite), m.PixelY(g::Copyright.Hoehe), QImage::Format_RGB32);
    Kacheln(bild_, m, haupt_.Bilder().HG);
    // The title and its shadow.
    lblInfoTitel_[0]->setText(QStringLiteral("Steinfall"));
    lblInfoTitel_[3]->setText(lblInfoTitel_[0]->text());
    // The contact lines.
    for (int i = 0; i < 5; ++i) {
        lblCR_[i]->setText(QString::fromUtf8(Kontakt[i]));
    }
}

bool frmCopyright::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        for (int i : {NetzZeile, PostZeile}) {
            if (objekt == lblCR_[i] &&
                (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space)) {
                lblCR_Click(i);
                return true;
            }
        }
    }
    if (ereignis->type() == QEvent::MouseButtonRelease) {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        for (int i = 0; i < 5; ++i) {
            if (objekt == lblCR_[i] && maus->button() == Qt::LeftButton &&
                lblCR_[i]->rect().contains(maus->position().toPoint())) {
                lblCR_Click(i);
            }
        }
    }
    return false;
}

void frmCopyright::lblCR_Click(int index) {
    const QString ziel = Verweis(index, lblCR_[index]->text());
    if (ziel.isEmpty()) {
        return;
    }
    // Arrow and hourglass while the system starts the browser or the mail program;
    // whether it managed is not looked at.
    setCursor(Qt::BusyCursor);
    lblCR_[index]->setCursor(Qt::BusyCursor);
    QDesktopServices::openUrl(QUrl(ziel));
    lblCR_[index]->setCursor(Qt::PointingHandCursor);
    unsetCursor();
}

void frmCopyright::cmdOK_Click() {
    haupt_.Dienste().PlaySound("KLICK.WAV");
    haupt_.Freigeben();
    hide();
}

void frmCopyright::showEvent(QShowEvent* ereignis) {
    Nebenfenster::showEvent(ereignis);
    // OK has the focus whenever the window opens, so that Return means OK;
    // the links come after it by Tab.
    cmdOK_->setFocus();
}

void frmCopyright::Verlassen() {
    cmdOK_->click();
}

} // namespace steinfall
