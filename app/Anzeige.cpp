#include "app/Anzeige.h"

#include "app/Befehlszeile.h"
#include "ui/Sprachtext.h"

#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace steinfall {

namespace {

// A message held back, with copies of its context's strings.
struct Nachricht {
    QtMsgType Art;
    std::string Datei, Funktion, Kategorie;
    int Zeile;
    QString Text;
};

QStringList argumente_;
std::vector<Nachricht> zurueckgehalten_;
// Qt's threads may speak while the application object is made.
std::mutex sperre_;
QtMessageHandler vorher_ = nullptr;

// What the player set, so that a display that does not answer is named.
QString Gesetzt() {
    QStringList gesetzt;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            gesetzt << QStringLiteral("%1=%2").arg(QLatin1String(variable),
                                                   qEnvironmentVariable(variable));
        }
    }
    return gesetzt.join(QStringLiteral(", "));
}

[[noreturn]] void OhneAnzeigeEnden() {
    SpracheLesen(argumente_);
    const QString gesetzt = Gesetzt();
    const QString zeile =
        gesetzt.isEmpty()
            ? Sprachtext(
                  // TRANSLATORS: printed when the game finds no screen to show itself on
                  "steinfall: keine Anzeige gefunden (DISPLAY oder WAYLAND_DISPLAY setzen)\n")
            // TRANSLATORS: printed when the screen cannot be reached; %1 names the
            // variables that are set, such as DISPLAY=:5
            : Sprachtext("steinfall: keine Anzeige erreichbar (%1)\n").arg(gesetzt);
    std::fputs(zeile.toUtf8().constData(), stderr);
    std::fflush(nullptr);
    // Qt would abort once this handler returns.
    std::_Exit(1);
}

void Zurueckhalten(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtFatalMsg) {
        OhneAnzeigeEnden();
    }
    auto kopie = [](const char* zeichen) { return std::string(zeichen ? zeichen : ""); };
    const std::lock_guard<std::mutex> gesperrt(sperre_);
    zurueckgehalten_.push_back(
        {art, kopie(ort.file), kopie(ort.function), kopie(ort.category), ort.line, text});
}

} // namespace

void AnzeigeSuchen(int argc, char** argv) {
    for (int i = 0; i < argc; ++i) {
        argumente_ << QString::fromLocal8Bit(argv[i]);
    }
    vorher_ = qInstallMessageHandler(Zurueckhalten);
}

void AnzeigeGefunden() {
    qInstallMessageHandler(vorher_);
    const std::lock_guard<std::mutex> gesperrt(sperre_);
    for (const Nachricht& n : zurueckgehalten_) {
        const QMessageLogContext ort(n.Datei.c_str(), n.Zeile, n.Funktion.c_str(),
                                     n.Kategorie.c_str());
        vorher_(n.Art, ort, n.Text);
    }
    zurueckgehalten_.clear();
    argumente_.clear();
}

} // namespace steinfall
