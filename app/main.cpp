#include "app/Start.h"
#include "app/Startmessung.h"
#include "ui/frmHaupt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::unique_ptr<steinfall::frmHaupt> fenster = steinfall::Main();
    if (!fenster) {
        return 1; // the display check failed and has said why
    }
    steinfall::Startmessung::Beobachten(*fenster);
    return app.exec();
}
