// frmHaupt, the window's side: the side windows and the lock on the game
// while they are open, the way through the controls by keyboard, and the end
// of the program.

#include "ui/Bildflaeche.h"
#include "ui/Bildknopf.h"
#include "ui/frmAnleitung.h"
#include "ui/frmCopyright.h"
#include "ui/frmHaupt.h"

#include <QCloseEvent>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace steinfall {

namespace {

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

void frmHaupt::SpielBeenden() {
    beendenGefragt_ = true;
    const Antwort antwort = Meldung(spiel_.Txt().TxtBeenden, spiel_.Txt().TxtBeendenTitel,
                                    Symbol::Frage, Knoepfe::JaNein);
    beendenGefragt_ = false;
    if (antwort != Antwort::Nein) {
        // The program ends at once: a move still running neither plays on
        // nor sounds once the window is gone.
        hide();
        klang_.Anhalten();
        ProgrammBeenden();
    }
}

void frmHaupt::ProgrammBeenden() {
    std::fflush(nullptr);
    std::_Exit(0);
}

void frmHaupt::closeEvent(QCloseEvent* ereignis) {
    ereignis->ignore();
    // While a side window is open it answers; a second question waits.
    if (!picContainer_->isEnabled() || beendenGefragt_) {
        return;
    }
    PlaySound("KLICK.WAV");
    SpielBeenden();
}

QWidget& frmHaupt::Spielflaeche() const {
    return *picContainer_;
}

void frmHaupt::Sperren(QWidget* nebenfenster) {
    offenesNebenfenster_ = nebenfenster;
    picContainer_->setEnabled(false);
}

void frmHaupt::Freigeben() {
    offenesNebenfenster_ = nullptr;
    picContainer_->setEnabled(true);
    show();
    activateWindow();
}

void frmHaupt::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    // A click on the game behind a side window brings that window back, as
    // a disabled window would.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() && offenesNebenfenster_ &&
        offenesNebenfenster_->isVisible()) {
        offenesNebenfenster_->activateWindow();
        offenesNebenfenster_->raise();
    }
}

} // namespace steinfall
