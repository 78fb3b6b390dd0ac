#include "app/Anwendung.h"
#include "app/Befehlszeile.h"
#include "app/Start.h"
#include "app/Startmessung.h"
#include "ui/frmHaupt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (steinfall::NurAusgabe(argc, argv)) {
        const QCoreApplication ohneAnzeige(argc, argv);
        return steinfall::BefehlszeileLesen(QCoreApplication::arguments()).Ende.value_or(0);
    }
    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, ...) out of the arguments.
    if (const auto ende = steinfall::BefehlszeileLesen(QCoreApplication::arguments()).Ende) {
        return *ende;
    }
    steinfall::AnwendungBenennen();
    const std::unique_ptr<steinfall::frmHaupt> fenster = steinfall::Main();
    if (!fenster) {
        return 1; // the display check failed and has said why
    }
    steinfall::Startmessung::Beobachten(*fenster);
    return app.exec();
}
