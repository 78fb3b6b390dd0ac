#include "ui/Nebenfenster.h"

#include "ui/Bildflaeche.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace steinfall {

// A child of the main window with a window of its own. Qt marks only dialogs
// as transient for their parent, so the window manager keeps them above the
// game. Locking the game area instead of the whole main window leaves this
// window enabled.
Nebenfenster::Nebenfenster(Gastgeber& haupt, const QString& titel)
    : QWidget(&haupt.Hauptfenster(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowCloseButtonHint),
      haupt_(haupt) {
    setWindowTitle(titel);
    setFont(haupt.Hauptfenster().font());
}

void Nebenfenster::Zeigen() {
    // Once the window exists, its frame is known as far as it can be.
    winId();
    const QWidget& spielflaeche = haupt_.Spielflaeche();
    QRect ort = frameGeometry();
    ort.moveCenter(spielflaeche.mapToGlobal(spielflaeche.rect().center()));
    move(ort.topLeft());
    show();
    // Keys go here at once, also where no window manager activates new
    // windows.
    activateWindow();
    haupt_.Sperren(this);
}

void Nebenfenster::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Verlassen();
        break;
    default:
        QWidget::keyPressEvent(ereignis);
    }
}

void Nebenfenster::closeEvent(QCloseEvent* ereignis) {
    // Only the way back closes the window: it also gives the game back.
    ereignis->ignore();
    if (isVisible()) {
        Verlassen();
    }
}

void Nebenfenster::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    BildZeigen(maler, size(), bild_, ereignis->rect());
}

} // namespace steinfall
