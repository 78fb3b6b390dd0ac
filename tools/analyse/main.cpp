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

constexpr const char* Hilfe =
    "Aufruf: steinfall-analyse [Optionen] < anfragen.jsonl\n"
    "\n"
    "Der Computerspieler von Steinfall ohne Fenster: liest je Zeile eine Anfrage\n"
    "als JSON von der Standardeingabe und schreibt je Zeile die Antwort.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     Zeigt diese Hilfe und endet.\n"
    "  -v, --version  Zeigt die Version und endet.\n";

constexpr const char* HilfeEnglisch =
    "Usage: steinfall-analyse [options] < requests.jsonl\n"
    "\n"
    "The computer player of Steinfall without a window: reads one request per\n"
    "line as JSON from standard input and writes one answer per line.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Shows this help and exits.\n"
    "  -v, --version  Shows the version and exits.\n";

} // namespace

int main(int argc, char** argv) {
    // The help and the errors speak the system's language, as the game does.
    steinfall::SpracheWaehlen(steinfall::SpracheDesSystems());
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::cout << steinfall::Sprachwahl(Hilfe, HilfeEnglisch);
            return 0;
        }
        if (argument == "-v" || argument == "--version") {
            std::cout << "steinfall-analyse " << steinfall::Version << '\n';
            return 0;
        }
        std::cerr << steinfall::Sprachwahl("steinfall-analyse: unbekanntes Argument ",
                                           "steinfall-analyse: unknown argument ")
                  << argument
                  << steinfall::Sprachwahl(" (siehe steinfall-analyse --help)\n",
                                           " (see steinfall-analyse --help)\n");
        return 2;
    }
    std::ios::sync_with_stdio(false);
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        std::cout << steinfall::analyse::AntwortZeile(zeile) << '\n' << std::flush;
    }
    return 0;
}
