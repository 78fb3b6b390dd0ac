#include "app/Anwendung.h"
#include "app/Anzeige.h"
#include "app/Befehlszeile.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "app/Startmessung.h"
#include "ui/FesteGroesse.h"
#include "ui/frmHaupt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    steinfall::QtMeldungenFiltern();
    if (steinfall::NurAusgabe(argc, argv)) {
        const QCoreApplication ohneAnzeige(argc, argv);
        return steinfall::BefehlszeileLesen(QCoreApplication::arguments()).Ende.value_or(0);
    }
    if (!steinfall::AnzeigeErreichbar(argc, argv)) {
        // A bad option is named before the window system fails for want of
        // a display.
        const QCoreApplication ohneAnzeige(argc, argv);
        if (const auto ende = steinfall::BefehlszeileLesen(QCoreApplication::arguments()).Ende) {
            return *ende;
        }
    }
    steinfall::AnzeigeSuchen(argc, argv);
    QApplication app(argc, argv);
    steinfall::AnzeigeGefunden();
    // Qt has taken its own options (-platform, ...) out of the arguments.
    const steinfall::Befehlszeile befehl =
        steinfall::BefehlszeileLesen(QCoreApplication::arguments());
    if (befehl.Ende) {
        return *befehl.Ende;
    }
    steinfall::AnwendungBenennen();
    steinfall::FesteGroesseHalten(app);
    // Test harnesses that start the game through other programs ask for the
    // designed size in the environment.
    const bool original =
        befehl.Originalgroesse || qEnvironmentVariableIsSet("STEINFALL_ORIGINALGROESSE");
    if (befehl.Geometrie) {
        return steinfall::GeometrieAusgeben(original);
    }
    const std::unique_ptr<steinfall::frmHaupt> fenster = steinfall::Main(original);
    if (!fenster) {
        return 1; // the display check failed and has said why
    }
    steinfall::Startmessung::Beobachten(*fenster, steinfall::SymbolSetzen);
    return app.exec();
}
