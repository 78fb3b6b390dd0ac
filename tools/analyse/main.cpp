// steinfall-analyse: the computer player without a window. One JSON request
// per input line, one answer per output line, flushed at once so that a
// caller can talk to it line by line.

#include "tools/analyse/Protokoll.h"

#include <iostream>
#include <string>

int main() {
    std::ios::sync_with_stdio(false);
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        std::cout << steinfall::analyse::AntwortZeile(zeile) << '\n' << std::flush;
    }
    return 0;
}
