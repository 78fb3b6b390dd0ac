#include "zeichnen/Zeichnung.h"

#include <QFontDatabase>

#include <stdexcept>

namespace steinfall::bilder {

namespace {

QString titel;
QString knopf;

QString Laden(const char* datei) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(datei));
    const QStringList familien = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || familien.isEmpty()) {
        throw std::runtime_error(std::string("Schrift fehlt (Paket fonts-dejavu-core): ") + datei);
    }
    return familien.front();
}

} // namespace

void SchriftenLaden() {
    titel = Laden("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf");
    knopf = Laden("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
}

QString SchriftTitel() {
    return titel;
}
QString SchriftKnopf() {
    return knopf;
}

} // namespace steinfall::bilder
