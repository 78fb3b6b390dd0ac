// steinfall-bilder: writes every picture the game's windows use.
//
//   steinfall-bilder <ordner> [--vorschau <datei.png>]
//   steinfall-bilder <ordner> --massstab <faktor>
//
// The output is committed under assets/; run again after changing a picture.
// With --vorschau it also paints a game scene from the written files, with the
// game's raster operations, for a look by eye.

#include "Bilder.h"
#include "Symbol.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

using namespace steinfall::bilder;

namespace {

// The board and its stones at any scale, as the game draws them for a screen
// that no built set fits: for tests that compare the screen with them.
int BrettSatzSchreiben(const QString& ordner, double massstab) {
    if (!(massstab > 0) || !QDir().mkpath(ordner)) {
        std::fprintf(stderr, "steinfall-bilder: kein Ordner oder kein Maßstab\n");
        return 2;
    }
    const bool gut =
        BrettBild(massstab).save(ordner + "/brett.png") &&
        SteinBild(AusHex(FarbeSpieler), false, massstab).save(ordner + "/stein_spieler.png") &&
        SteinBild(AusHex(FarbeComputer), false, massstab).save(ordner + "/stein_computer.png") &&
        SteinMaske(massstab).save(ordner + "/stein_maske.png");
    return gut ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() == 4 && argumente[2] == "--massstab") {
        return BrettSatzSchreiben(argumente[1], argumente[3].toDouble());
    }
    if (argumente.size() != 2 && !(argumente.size() == 4 && argumente[2] == "--vorschau")) {
        std::fprintf(stderr, "Aufruf: steinfall-bilder <ordner> [--vorschau <datei.png> | "
                             "--massstab <faktor>]\n");
        return 2;
    }
    const QString ordner = argumente[1];
    try {
        if (!QDir().mkpath(ordner)) {
            throw std::runtime_error("kann Ordner nicht anlegen: " + ordner.toStdString());
        }
        SchriftenLaden();
        const auto bilder = AlleBilder();
        BilderPruefen(bilder);

        for (const auto& [name, bild] : bilder) {
            if (!bild.save(ordner + "/" + name, "PNG", 0)) {
                throw std::runtime_error("kann nicht schreiben: " + name.toStdString());
            }
        }
        SymboleSchreiben(ordner + "/icons");
        if (argumente.size() == 4) {
            VorschauZeichnen(ordner, argumente[3]);
        }
    } catch (const std::exception& fehler) {
        std::fprintf(stderr, "steinfall-bilder: %s\n", fehler.what());
        return 1;
    }
    return 0;
}
