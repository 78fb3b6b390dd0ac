#include "app/Befehlszeile.h"

#include "Kennung.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstring>

namespace steinfall {

namespace {

QList<QCommandLineOption> Optionen() {
    return {
        {{QStringLiteral("h"), QStringLiteral("help")},
         QStringLiteral("Zeigt diese Hilfe und endet.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QStringLiteral("Zeigt die Version und endet.")},
    };
}

QString MitStrichen(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt's own help is English; the game speaks German.
QString Hilfe(const QList<QCommandLineOption>& optionen) {
    QString text = QStringLiteral("Aufruf: steinfall [Optionen]\n\n"
                                  "Vier in einer Reihe gegen den Computer.\n\n"
                                  "Optionen:\n");
    for (const QCommandLineOption& option : optionen) {
        QStringList namen;
        for (const QString& name : option.names()) {
            namen << MitStrichen(name);
        }
        QString links = namen.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) {
            links += QStringLiteral(" <%1>").arg(option.valueName());
        }
        text += QStringLiteral("  %1  %2\n").arg(links, -18).arg(option.description());
    }
    return text;
}

int Fehler(const QString& text) {
    std::fprintf(stderr, "steinfall: %s (siehe steinfall --help)\n", text.toUtf8().constData());
    return 2;
}

} // namespace

Befehlszeile BefehlszeileLesen(const QStringList& argumente) {
    const QList<QCommandLineOption> optionen = Optionen();
    QCommandLineParser parser;
    parser.addOptions(optionen);
    Befehlszeile ergebnis;
    if (!parser.parse(argumente)) {
        const QStringList unbekannt = parser.unknownOptionNames();
        ergebnis.Ende =
            Fehler(unbekannt.isEmpty()
                       ? parser.errorText()
                       : QStringLiteral("unbekannte Option %1").arg(MitStrichen(unbekannt[0])));
    } else if (!parser.positionalArguments().isEmpty()) {
        ergebnis.Ende =
            Fehler(QStringLiteral("unerwartetes Argument %1").arg(parser.positionalArguments()[0]));
    } else if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(Hilfe(optionen).toUtf8().constData(), stdout);
        ergebnis.Ende = 0;
    } else if (parser.isSet(QStringLiteral("version"))) {
        std::printf("steinfall %s\n", Version);
        ergebnis.Ende = 0;
    }
    return ergebnis;
}

bool NurAusgabe(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* name : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], name) == 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace steinfall
