#include "app/Start.h"

#include "ai/Regelspieler.h"
#include "ui/Bilder.h"
#include "ui/Sprachtext.h"
#include "ui/frmHaupt.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace steinfall {

Systemversion SystemversionAbfragen() {
    return {};
}

bool AnzeigeNormal(int dpiX, int dpiY) {
    return dpiX == 96 && dpiY == 96;
}

std::string SchriftgradText(const Systemversion& version) {
    std::string text = Sprachwahl("Sie haben eine benutzerdefinierte Schriftgröße unter\r\n"
                                  "Windows eingestellt.\r\n"
                                  "Steinfall kann allerdings nur mit eingestellter normaler\r\n"
                                  "Schriftgröße gestartet werden.",
                                  "You have set a custom font size in Windows.\r\n"
                                  "Steinfall can only be started with the normal\r\n"
                                  "font size.");
    if (version.Plattform != 1 || version.Major != 4) {
        return text;
    }
    if (version.Minor < 10) {
        text += Sprachwahl("\r\n\r\n"
                           "Unter Windows 95 können Sie die Schriftgröße\r\n"
                           "umstellen, indem Sie in der 'Systemsteuerung' auf 'Anzeige'\r\n"
                           "doppelklicken und unter der Lasche Einstellungen den\r\n"
                           "Schriftgrad 'Kleine Schriftarten' auswählen.",
                           "\r\n\r\n"
                           "On Windows 95, double-click 'Display' in the\r\n"
                           "'Control Panel' and choose 'Small Fonts' on the\r\n"
                           "'Settings' tab.");
    } else {
        text += Sprachwahl("\r\n\r\n"
                           "Unter Windows 98 können Sie die Schriftgröße\r\n"
                           "umstellen, indem Sie in der 'Systemsteuerung' auf 'Anzeige'\r\n"
                           "doppelklicken, unter der Lasche 'Einstellungen' den\r\n"
                           "Knopf 'Weitere Optionen' wählen und dort unter der Lasche\r\n"
                           "'Allgemein' die Schriftgröße in 'Kleine Schriftarten'\r\n"
                           "ändern.",
                           "\r\n\r\n"
                           "On Windows 98, double-click 'Display' in the\r\n"
                           "'Control Panel', click 'Advanced' on the 'Settings'\r\n"
                           "tab and set the font size to 'Small Fonts' on the\r\n"
                           "'General' tab.");
    }
    return text;
}

std::unique_ptr<frmHaupt> Main() {
    const QScreen& bildschirm = *QGuiApplication::primaryScreen();
    if (!AnzeigeNormal(qRound(bildschirm.logicalDotsPerInchX()),
                       qRound(bildschirm.logicalDotsPerInchY()))) {
        // The box shows lines, not line ends.
        const QString text = QString::fromStdString(SchriftgradText(SystemversionAbfragen()))
                                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(QMessageBox::Critical,
                        Sprachtext("Fehler (Falscher Schriftgrad) :", "Error (wrong font size)"),
                        text, QMessageBox::Ok);
        box.exec();
        return nullptr;
    }
    // The pictures for the screen's device pixel ratio; the layout stays in
    // logical pixels.
    auto fenster = std::make_unique<frmHaupt>(
        BilderLaden(QStringLiteral(":/bilder"), Bildfaktor(bildschirm.devicePixelRatio())),
        std::make_unique<Regelspieler>());
    fenster->show();
    return fenster;
}

} // namespace steinfall
