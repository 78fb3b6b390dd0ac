#pragma once

// The request and answer lines of steinfall-analyse: one JSON object per line
// in, one per line out. An invalid request is answered with
// {"Fehler": "<what is wrong>"}.

#include "ai/Analyse.h"
#include "ai/Computerzug.h"
#include "core/Brett.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace steinfall::analyse {

// Keeps the keys in the order they are written.
using Json = nlohmann::ordered_json;

// A valid request: the game state as the decision loop sees it (AmZug 2,
// SpaltenStatus and VolleSpalten derived from the board) and the draws.
struct Anfrage {
    Spielstand Stand;
    std::vector<double> Zufall;
};

// An invalid request; the message names the problem.
class Anfragefehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses and checks one request line. Throws Anfragefehler.
Anfrage AnfrageLesen(std::string_view zeile);

// The answer object for a finished decision: column, step, loop runs, draws
// used, the choice record and every array over its declared rows.
Json AntwortBauen(const Analyse& a, const Entscheidung& e, std::size_t zufallVerbraucht);

// One request line to its answer object (a Fehler object for a bad request).
Json Beantworten(std::string_view zeile);

// The same as one output line, without the line break.
std::string AntwortZeile(std::string_view zeile);

} // namespace steinfall::analyse
