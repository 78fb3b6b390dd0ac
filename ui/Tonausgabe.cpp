#include "ui/Tonausgabe.h"

#include "Kennung.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace steinfall {

Tonausgabe* TonausgabeLaden() {
    static Tonausgabe* const ausgabe = []() -> Tonausgabe* {
        const QDir programm(QCoreApplication::applicationDirPath());
        for (const QString& ordner :
             {programm.path(), programm.filePath(QString::fromUtf8(ModulRelativ))}) {
            QLibrary modul(QDir::cleanPath(ordner + QStringLiteral("/libsteinfall-ton.so")));
            using Eintritt = Tonausgabe* (*)();
            if (modul.load()) {
                if (auto eintritt =
                        reinterpret_cast<Eintritt>(modul.resolve("SteinfallTonausgabe"))) {
                    return eintritt();
                }
            }
        }
        return nullptr;
    }();
    return ausgabe;
}

} // namespace steinfall
