// frmHaupt, the window's side: the lock on the game while a side window is
// open, and the end of the program.

#include "ui/frmHaupt.h"

#include <QCloseEvent>

#include <cstdio>
#include <cstdlib>

namespace steinfall {

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
