#include "ui/FesteGroesse.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace steinfall {

namespace {

// A Wayland compositor may suggest another size when a window becomes active
// (Weston 14's kiosk shell suggests the whole output for a dialog), and Qt
// 6.8 takes the suggestion although the window has named its one size as
// its minimum and maximum: the window's contents then sit in a corner of a
// window as large as the screen. The window takes its own size back.
class Waechter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Resize && objekt->isWidgetType()) {
            auto* fenster = static_cast<QWidget*>(objekt);
            const QSize fest = fenster->minimumSize();
            if (fenster->isWindow() && fest == fenster->maximumSize() && !fest.isEmpty() &&
                fenster->size() != fest) {
                fenster->resize(fest);
            }
        }
        return false;
    }
};

} // namespace

void FesteGroesseHalten(QApplication& anwendung) {
    anwendung.installEventFilter(new Waechter(&anwendung));
}

} // namespace steinfall
