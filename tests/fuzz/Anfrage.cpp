// libFuzzer target for the analysis tool's request path: whatever a line
// holds, it gets exactly one answer line, either {"Fehler": short text} or a
// full answer naming a free column. Anything else aborts, and so do the
// sanitizers.

#include "tools/analyse/Protokoll.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using steinfall::analyse::Json;

namespace {

void Pruefen(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    // The tool reads line by line, so a line never holds a line break.
    std::string_view zeile(reinterpret_cast<const char*>(daten), groesse);
    zeile = zeile.substr(0, zeile.find('\n'));

    const std::string text = steinfall::analyse::AntwortZeile(zeile);
    Pruefen(text.find('\n') == std::string::npos);
    const Json antwort = Json::parse(text);
    if (antwort.contains("Fehler")) {
        const std::string meldung = antwort["Fehler"].get<std::string>();
        Pruefen(antwort.size() == 1 && meldung.size() < 200);
        Pruefen(meldung.rfind("interner Fehler", 0) == std::string::npos);
        return 0;
    }
    // A valid request: its board is 42 plain characters, the column free.
    const int spalte = antwort.at("Spalte").get<int>() - 150;
    Pruefen(spalte >= 0 && spalte < 7);
    Pruefen(Json::parse(zeile).at("Brett").get<std::string>()[spalte] == '0');
    return 0;
}
