#include "app/Befehlszeile.h"

#include "Kennung.h"
#include "core/Sprache.h"
#include "ui/Sprachtext.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace steinfall {

namespace {

QList<QCommandLineOption> Optionen() {
    return {
        {{QStringLiteral("h"), QStringLiteral("help")},
         Sprachtext("Zeigt diese Hilfe und endet.", "Shows this help and exits.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         Sprachtext("Zeigt die Version und endet.", "Shows the version and exits.")},
        {{QStringLiteral("sprache"), QStringLiteral("language")},
         Sprachtext("Spielt auf Deutsch (de) oder Englisch (en).",
                    "Plays in German (de) or English (en)."),
         QStringLiteral("de|en")},
        {{QStringLiteral("originalgroesse"), QStringLiteral("original-size")},
         Sprachtext("Zeigt das Spiel in seiner ursprünglichen Größe (640 x 480 Punkte), "
                    "statt den Bildschirm zu füllen.",
                    "Shows the game at its original size (640 x 480 pixels) instead of "
                    "filling the screen.")},
        {{QStringLiteral("geometrie"), QStringLiteral("geometry")},
         Sprachtext("Nennt die Lage des Spielbretts und der Knöpfe auf diesem Bildschirm "
                    "(für Tests) und endet.",
                    "Prints where the board and the buttons lie on this screen (for tests) "
                    "and exits.")},
    };
}

QString MitStrichen(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt's own help is English only; the game's speaks the game's language.
QString Hilfe(const QList<QCommandLineOption>& optionen) {
    QString text = Sprachtext("Aufruf: steinfall [Optionen]\n\n"
                              "Vier in einer Reihe gegen den Computer.\n\n"
                              "Optionen:\n",
                              "Usage: steinfall [options]\n\n"
                              "Four in a row against the computer.\n\n"
                              "Options:\n");
    // The descriptions in one column, right of the longest names.
    QStringList links;
    qsizetype breite = 0;
    for (const QCommandLineOption& option : optionen) {
        QStringList namen;
        for (const QString& name : option.names()) {
            namen << MitStrichen(name);
        }
        QString zeile = namen.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) {
            zeile += QStringLiteral(" <%1>").arg(option.valueName());
        }
        breite = std::max(breite, zeile.size());
        links << zeile;
    }
    for (qsizetype i = 0; i < optionen.size(); ++i) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(links[i], -static_cast<int>(breite))
                    .arg(optionen[i].description());
    }
    return text;
}

int Fehler(const QString& text) {
    const QString zeile = Sprachtext("steinfall: %1 (siehe steinfall --help)\n",
                                     "steinfall: %1 (see steinfall --help)\n")
                              .arg(text);
    std::fputs(zeile.toUtf8().constData(), stderr);
    return 2;
}

// The system's language, unless the command line names one; the help, an
// error and the game all speak the chosen one. Only the two names the help
// lists count, not a whole locale name.
std::optional<Sprache> SpracheNehmen(const QCommandLineParser& parser) {
    SpracheWaehlen(SpracheDesSystems());
    const QString name = parser.value(QStringLiteral("sprache"));
    const std::optional<Sprache> sprache =
        name == u"de" || name == u"en" ? SpracheAusName(name.toStdString()) : std::nullopt;
    if (sprache) {
        SpracheWaehlen(*sprache);
    }
    return sprache;
}

} // namespace

Befehlszeile BefehlszeileLesen(const QStringList& argumente) {
    QCommandLineParser parser;
    parser.addOptions(Optionen());
    const bool gelesen = parser.parse(argumente);
    const std::optional<Sprache> sprache = SpracheNehmen(parser);
    // Read again: the help's texts are in the chosen language now.
    const QList<QCommandLineOption> optionen = Optionen();
    Befehlszeile ergebnis;
    if (!gelesen) {
        const QStringList unbekannt = parser.unknownOptionNames();
        ergebnis.Ende =
            Fehler(unbekannt.isEmpty() ? parser.errorText()
                                       : Sprachtext("unbekannte Option %1", "unknown option %1")
                                             .arg(MitStrichen(unbekannt[0])));
    } else if (!parser.positionalArguments().isEmpty()) {
        ergebnis.Ende = Fehler(Sprachtext("unerwartetes Argument %1", "unexpected argument %1")
                                   .arg(parser.positionalArguments()[0]));
    } else if (parser.isSet(QStringLiteral("sprache")) && !sprache) {
        ergebnis.Ende = Fehler(
            Sprachtext("unbekannte Sprache %1 (de oder en)", "unknown language %1 (de or en)")
                .arg(parser.value(QStringLiteral("sprache"))));
    } else if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(Hilfe(optionen).toUtf8().constData(), stdout);
        ergebnis.Ende = 0;
    } else if (parser.isSet(QStringLiteral("version"))) {
        std::printf("steinfall %s\n", Version);
        ergebnis.Ende = 0;
    }
    ergebnis.Originalgroesse = parser.isSet(QStringLiteral("originalgroesse"));
    ergebnis.Geometrie = parser.isSet(QStringLiteral("geometrie"));
    return ergebnis;
}

void SpracheLesen(const QStringList& argumente) {
    QCommandLineParser parser;
    parser.addOptions(Optionen());
    // Unknown options, Qt's own among them, do not stop the parser.
    parser.parse(argumente);
    SpracheNehmen(parser);
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

bool AnzeigeErreichbar(int argc, char** argv) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace steinfall
