#include "app/Meldungen.h"

#include <QString>
#include <QtGlobal>

namespace steinfall {

namespace {

QtMessageHandler weiter_ = nullptr;

void Filtern(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtWarningMsg && text.startsWith(QLatin1String("Detected locale \"")) &&
        text.contains(QLatin1String("which is not UTF-8"))) {
        return;
    }
    weiter_(art, ort, text);
}

} // namespace

void QtMeldungenFiltern() {
    weiter_ = qInstallMessageHandler(Filtern);
}

} // namespace steinfall
