#include "app/Anwendung.h"

#include "Kennung.h"
#include "ui/Symbolquelle.h"

#include <QGuiApplication>
#include <QIcon>

#include <malloc.h>

namespace steinfall {

void AnwendungBenennen() {
    QGuiApplication::setApplicationVersion(QString::fromUtf8(Version));
    // On Wayland this is the window's app ID, matched to the desktop entry.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(AnwendungsId));
}

void SymbolSetzen() {
    // The built-in pictures are the installed icon's own; asking the icon
    // theme for them would load the theme's engines and every picture
    // plugin just for the same drawing.
    QGuiApplication::setWindowIcon(
        QIcon(new Symbolquelle(QStringLiteral(":/symbol/steinfall-%1.png"), {32, 64, 256})));
    // Handing the icon to the window system decodes and converts every size
    // of it, a burst that leaves about 0.8 MB of free pages inside the heap
    // (measured at 1920x1080): they go back to the system.
    malloc_trim(0);
}

} // namespace steinfall
