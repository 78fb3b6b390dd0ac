// steinfall-analyse: the computer player without a window. One JSON request
// per input line, one answer per output line, flushed at once so that a
// caller can talk to it line by line.

#include "tools/analyse/Protokoll.h"

#include "Kennung.h"
#include "core/Sprache.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* Hilfe = steinfall::UebersetzungMerken(
    // TRANSLATORS: steinfall-analyse --help
    "Aufruf: steinfall-analyse [Optionen] < anfragen.jsonl\n"
    "\n"
    "Der Computerspieler von Steinfall ohne Fenster: liest je Zeile eine Anfrage\n"
    "als JSON von der Standardeingabe und schreibt je Zeile die Antwort.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     Zeigt diese Hilfe und endet.\n"
    "  -v, --version  Zeigt die Version und endet.\n");

} // namespace

int main(int argc, char** argv) {
    // The help and the errors speak the system's language, as the game does.
    steinfall::SpracheWaehlen(steinfall::SpracheDesSystems());
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::cout << steinfall::Uebersetzung(Hilfe);
            return 0;
        }
        if (argument == "-v" || argument == "--version") {
            std::cout << "steinfall-analyse " << steinfall::Version << '\n';
            return 0;
        }
        std::cerr << steinfall::Einsetzen(steinfall::Uebersetzung(
                                              // TRANSLATORS: %1 is the unknown argument
                                              "steinfall-analyse: unbekanntes Argument %1 "
                                              "(siehe steinfall-analyse --help)\n"),
                                          argument);
        return 2;
    }
    std::ios::sync_with_stdio(false);
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        std::cout << steinfall::analyse::AntwortZeile(zeile) << '\n' << std::flush;
    }
    return 0;
}
