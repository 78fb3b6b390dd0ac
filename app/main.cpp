#include "app/Startmessung.h"
#include "ui/Bilder.h"
#include "ui/frmHaupt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    steinfall::frmHaupt fenster(steinfall::BilderLaden(QStringLiteral(":/bilder")));
    steinfall::Startmessung::Beobachten(fenster);
    fenster.show();
    return app.exec();
}
