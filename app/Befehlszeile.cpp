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

// The codes --sprache takes: German and every installed catalogue.
QString Sprachliste(const QString& trenner) {
    QStringList codes;
    for (const std::string& code : BekannteSprachen()) {
        codes << QString::fromStdString(code);
    }
    return codes.join(trenner);
}

QList<QCommandLineOption> Optionen() {
    return {
        {{QStringLiteral("h"), QStringLiteral("help")},
         // TRANSLATORS: --help, the description of an option
         Sprachtext("Zeigt diese Hilfe und endet.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         // TRANSLATORS: --help, the description of an option
         Sprachtext("Zeigt die Version und endet.")},
        {{QStringLiteral("sprache"), QStringLiteral("language")},
         // TRANSLATORS: --help, the description of --sprache; the codes it takes stand
         // left of it, as <de|en|...>
         Sprachtext("Spielt in der Sprache mit diesem Kürzel."),
         Sprachliste(QStringLiteral("|"))},
        {{QStringLiteral("originalgroesse"), QStringLiteral("original-size")},
         // TRANSLATORS: --help, the description of an option
         Sprachtext("Zeigt das Spiel in seiner ursprünglichen Größe (640 x 480 Punkte), "
                    "statt den Bildschirm zu füllen.")},
        {{QStringLiteral("geometrie"), QStringLiteral("geometry")},
         // TRANSLATORS: --help, the description of an option
         Sprachtext("Nennt die Lage des Spielbretts und der Knöpfe auf diesem Bildschirm "
                    "(für Tests) und endet.")},
    };
}

QString MitStrichen(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt's own help is English only; the game's speaks the game's language.
QString Hilfe(const QList<QCommandLineOption>& optionen) {
    // TRANSLATORS: --help, the head of the help; the options follow it
    QString text = Sprachtext("Aufruf: steinfall [Optionen]\n\n"
                              "Vier in einer Reihe gegen den Computer.\n\n"
                              "Optionen:\n");
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
    // TRANSLATORS: a command line error; %1 is what went wrong
    const QString zeile = Sprachtext("steinfall: %1 (siehe steinfall --help)\n").arg(text);
    std::fputs(zeile.toUtf8().constData(), stderr);
    return 2;
}

// The system's language, unless the command line names one; the help, an
// error and the game all speak the chosen one. Only the codes the help
// lists count, not a whole locale name.
std::optional<std::string> SpracheNehmen(const QCommandLineParser& parser) {
    const std::vector<std::string> bekannte = BekannteSprachen();
    const std::string name = parser.value(QStringLiteral("sprache")).toStdString();
    std::optional<std::string> sprache;
    if (std::find(bekannte.begin(), bekannte.end(), name) != bekannte.end()) {
        sprache = name;
    }
    SpracheWaehlen(sprache.value_or(SpracheDesSystems()));
    return sprache;
}

} // namespace

Befehlszeile BefehlszeileLesen(const QStringList& argumente) {
    QCommandLineParser parser;
    parser.addOptions(Optionen());
    const bool gelesen = parser.parse(argumente);
    const std::optional<std::string> sprache = SpracheNehmen(parser);
    // Read again: the help's texts are in the chosen language now.
    const QList<QCommandLineOption> optionen = Optionen();
    Befehlszeile ergebnis;
    if (!gelesen) {
        const QStringList unbekannt = parser.unknownOptionNames();
        ergebnis.Ende =
            Fehler(unbekannt.isEmpty()
                       ? parser.errorText()
                       // TRANSLATORS: a command line error; %1 is the option
                       : Sprachtext("unbekannte Option %1").arg(MitStrichen(unbekannt[0])));
    } else if (!parser.positionalArguments().isEmpty()) {
        ergebnis.Ende = Fehler(
            // TRANSLATORS: a command line error; %1 is the argument
            Sprachtext("unerwartetes Argument %1").arg(parser.positionalArguments()[0]));
    } else if (parser.isSet(QStringLiteral("sprache")) && !sprache) {
        ergebnis.Ende = Fehler(
            // TRANSLATORS: a command line error; %1 is the code given, %2 the known codes
            // separated by commas
            Sprachtext("unbekannte Sprache %1 (bekannt: %2)")
                .arg(parser.value(QStringLiteral("sprache")), Sprachliste(QStringLiteral(", "))));
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
