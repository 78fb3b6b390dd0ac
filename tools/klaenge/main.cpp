// steinfall-klaenge: synthesises the nine wave files the game plays.
//
//   steinfall-klaenge <ordner>
//
// The output is committed under assets/; run again after changing a sound.

#include "Klaenge.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <exception>

using namespace steinfall::bilder;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() != 2) {
        std::fprintf(stderr, "Aufruf: steinfall-klaenge <ordner>\n");
        return 2;
    }
    const QString ordner = argumente[1];
    try {
        if (!QDir().mkpath(ordner)) {
            throw std::runtime_error("kann Ordner nicht anlegen: " + ordner.toStdString());
        }
        const auto klaenge = AlleKlaenge();
        KlaengePruefen(klaenge);
        for (const Klang& k : klaenge) {
            WaveSchreiben(ordner + "/" + k.Datei, k.Proben);
        }
    } catch (const std::exception& fehler) {
        std::fprintf(stderr, "steinfall-klaenge: %s\n", fehler.what());
        return 1;
    }
    return 0;
}
