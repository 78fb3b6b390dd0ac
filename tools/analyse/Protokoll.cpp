#include "tools/analyse/Protokoll.h"

#include "core/Zufall.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace steinfall::analyse {

namespace {

[[noreturn]] void Fehler(const std::string& text) {
    throw Anfragefehler(text);
}

std::string Name(std::string_view schluessel) {
    std::string name;
    name.reserve(schluessel.size() + 2);
    name += '"';
    name += schluessel;
    name += '"';
    return name;
}

std::string Art(const Json& wert) {
    switch (wert.type()) {
    case Json::value_t::object:
        return "ein Objekt";
    case Json::value_t::array:
        return "eine Liste";
    case Json::value_t::string:
        return "eine Zeichenkette";
    case Json::value_t::boolean:
        return "ein Wahrheitswert";
    case Json::value_t::null:
        return "null";
    default:
        return "eine Zahl";
    }
}

// A value as it is shown in a message: a list or an object only by its kind,
// a single value as JSON text cut to a short prefix, so that no message
// grows with what the sender sent.
std::string Zeigen(const Json& wert) {
    if (wert.is_structured()) {
        return Art(wert);
    }
    constexpr std::size_t Hoechstens = 40;
    std::string text = wert.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() > Hoechstens) {
        std::size_t ende = Hoechstens;
        while ((static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80) {
            --ende; // never cut a character in two
        }
        text.resize(ende);
        text += "...";
    }
    return text;
}

// The deepest nesting of lists and objects in a line, counted on the raw
// text before anything recursive sees it; stops counting above `grenze`.
int Verschachtelung(std::string_view zeile, int grenze) {
    int tiefe = 0;
    int tiefste = 0;
    bool inText = false;
    bool maskiert = false;
    for (const char c : zeile) {
        if (inText) {
            if (maskiert) {
                maskiert = false;
            } else if (c == '\\') {
                maskiert = true;
            } else if (c == '"') {
                inText = false;
            }
        } else if (c == '"') {
            inText = true;
        } else if (c == '[' || c == '{') {
            tiefste = std::max(tiefste, ++tiefe);
            if (tiefste > grenze) {
                break;
            }
        } else if ((c == ']' || c == '}') && tiefe > 0) {
            --tiefe;
        }
    }
    return tiefste;
}

const Json& Eintrag(const Json& anfrage, std::string_view schluessel) {
    const auto it = anfrage.find(schluessel);
    if (it == anfrage.end()) {
        Fehler("Schlüssel " + Name(schluessel) + " fehlt");
    }
    return *it;
}

// An integer entry that `erlaubt` accepts; `regel` says which values those
// are. The message shows the value as it was sent.
template <typename Regel>
int GanzeZahl(const Json& anfrage, std::string_view schluessel, Regel erlaubt,
              const std::string& regel) {
    const Json& wert = Eintrag(anfrage, schluessel);
    if (!wert.is_number_integer()) {
        Fehler(Name(schluessel) + " muss eine ganze Zahl sein, ist aber " + Zeigen(wert));
    }
    const bool zuGross =
        wert.is_number_unsigned() &&
        wert.get<std::uint64_t>() > std::uint64_t(std::numeric_limits<std::int64_t>::max());
    if (zuGross || !erlaubt(wert.get<std::int64_t>())) {
        Fehler(Name(schluessel) + " ist " + Zeigen(wert) + ", " + regel);
    }
    return static_cast<int>(wert.get<std::int64_t>());
}

// The board text split into characters (UTF-8 sequences), so that the
// messages count and show what the sender wrote.
std::vector<std::string> Zeichen(const std::string& text) {
    std::vector<std::string> zeichen;
    for (const char c : text) {
        const bool folgebyte = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (folgebyte && !zeichen.empty()) {
            zeichen.back() += c;
        } else {
            zeichen.emplace_back(1, c);
        }
    }
    return zeichen;
}

std::string Feldname(int index) {
    return "Feld " + std::to_string(index) + " (Reihe " + std::to_string(index / AnzahlSpalten) +
           ", Spalte " + std::to_string(index % AnzahlSpalten) + ")";
}

Spielbrett BrettLesen(const Json& anfrage) {
    const Json& wert = Eintrag(anfrage, "Brett");
    if (!wert.is_string()) {
        Fehler("\"Brett\" muss eine Zeichenkette sein, ist aber " + Zeigen(wert));
    }
    const std::vector<std::string> zeichen = Zeichen(wert.get<std::string>());
    if (zeichen.size() != AnzahlFelder) {
        Fehler("\"Brett\" hat " + std::to_string(zeichen.size()) + " Zeichen statt 42");
    }

    Spielbrett brett{};
    for (int i = 0; i < AnzahlFelder; ++i) {
        const std::string& z = zeichen[i];
        if (z != "0" && z != "1" && z != "2") {
            Fehler("\"Brett\" hat an " + Feldname(i) + " das Zeichen " + Zeigen(Json(z)) +
                   "; erlaubt sind 0, 1 und 2");
        }
        brett[i] = z[0] - '0';
    }
    for (int i = 0; i + AnzahlSpalten < AnzahlFelder; ++i) {
        if (brett[i] != Leer && brett[i + AnzahlSpalten] == Leer) {
            Fehler("\"Brett\": der Stein an " + Feldname(i) + " steht über einem leeren Feld");
        }
    }
    return brett;
}

std::vector<double> ZufallLesen(const Json& anfrage) {
    const Json& wert = Eintrag(anfrage, "Zufall");
    if (!wert.is_array()) {
        Fehler("\"Zufall\" muss eine Liste von Zahlen sein, ist aber " + Zeigen(wert));
    }
    std::vector<double> folge;
    for (std::size_t i = 0; i < wert.size(); ++i) {
        const Json& zahl = wert[i];
        const std::string stelle = "\"Zufall\"[" + std::to_string(i) + "] ";
        if (!zahl.is_number()) {
            Fehler(stelle + "ist keine Zahl: " + Zeigen(zahl));
        }
        const double x = zahl.get<double>();
        if (!(x >= 0.0 && x < 1.0)) {
            Fehler(stelle + "ist " + Zeigen(zahl) + ", muss in [0, 1) liegen");
        }
        folge.push_back(x);
    }
    return folge;
}

Json FehlerAntwort(const std::string& text) {
    Json antwort = Json::object();
    antwort["Fehler"] = text;
    return antwort;
}

// Rows from the array's first declared row to its last, columns 1..7.
template <int E, int L> Json Zeilen(const Analysefeld<E, L>& feld) {
    Json zeilen = Json::array();
    for (int zeile = E; zeile <= L; ++zeile) {
        Json reihe = Json::array();
        for (int spalte = 1; spalte <= AnzahlSpalten; ++spalte) {
            reihe.push_back(static_cast<int>(feld(zeile, spalte)));
        }
        zeilen.push_back(std::move(reihe));
    }
    return zeilen;
}

} // namespace

Anfrage AnfrageLesen(std::string_view zeile) {
    if (zeile.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        Fehler("leere Zeile: erwartet wird eine Anfrage als JSON-Objekt");
    }
    // A request needs two levels; copying or printing a value recurses once
    // per level, so deeper lines are turned away before they are parsed.
    constexpr int TiefeGrenze = 16;
    if (Verschachtelung(zeile, TiefeGrenze) > TiefeGrenze) {
        Fehler("zu tief verschachtelt: mehr als " + std::to_string(TiefeGrenze) +
               " Ebenen von Listen und Objekten");
    }
    Json anfrage;
    try {
        anfrage = Json::parse(zeile);
    } catch (const Json::parse_error& f) {
        Fehler("kein gültiges JSON (Fehler bei Byte " + std::to_string(f.byte) + ")");
    } catch (const Json::exception&) {
        Fehler("kein gültiges JSON (eine Zahl liegt außerhalb des darstellbaren Bereichs)");
    }
    if (!anfrage.is_object()) {
        Fehler("die Anfrage muss ein JSON-Objekt sein, ist aber " + Art(anfrage));
    }

    Anfrage a;
    Spielstand& stand = a.Stand;
    stand.Brett = BrettLesen(anfrage);
    SpaltenAbleiten(stand);
    if (stand.VolleSpalten == AnzahlSpalten) {
        Fehler("\"Brett\" ist voll: keine Spalte ist mehr frei");
    }

    stand.Zugzaehler = GanzeZahl(
        anfrage, "Zugzaehler", [](std::int64_t z) { return z >= 2 && z <= 42 && z % 2 == 0; },
        "erlaubt sind die geraden Zahlen von 2 bis 42");
    // The strength travels as its number.
    stand.Spielstaerke = static_cast<Staerke>(GanzeZahl(
        anfrage, "Spielstaerke",
        [](std::int64_t s) { return s == Anfaenger || s == Experte || s == Profi; },
        "erlaubt sind 1, 3 und 4"));

    stand.AmZug = SteinComputer;
    a.Zufall = ZufallLesen(anfrage);
    return a;
}

Json AntwortBauen(const Analyse& a, const Entscheidung& e, std::size_t zufallVerbraucht) {
    Json antwort = Json::object();
    antwort["Spalte"] = static_cast<int>(e.Spalte);
    antwort["Schritt"] = e.Schritt;
    antwort["Durchlaeufe"] = e.Durchlaeufe;
    antwort["ZufallVerbraucht"] = zufallVerbraucht;
    antwort["Wahl"] = {{"Spalte", static_cast<int>(a.Wahl.Spalte)},
                       {"Wert", static_cast<int>(a.Wahl.Wert)}};
    antwort["Arbeitsfeld"] = Zeilen(a.Arbeitsfeld);
    antwort["WertComputer"] = Zeilen(a.WertComputer);
    antwort["WertSpieler"] = Zeilen(a.WertSpieler);
    antwort["DrohungComputer"] = Zeilen(a.DrohungComputer);
    antwort["DrohungSpieler"] = Zeilen(a.DrohungSpieler);
    antwort["VerbotHart"] = Zeilen(a.VerbotHart);
    antwort["VerbotWeich"] = Zeilen(a.VerbotWeich);
    antwort["Meiden"] = Zeilen(a.Meiden);
    antwort["MeidenLeicht"] = Zeilen(a.MeidenLeicht);
    return antwort;
}

Json Beantworten(std::string_view zeile) {
    Anfrage anfrage;
    try {
        anfrage = AnfrageLesen(zeile);
    } catch (const Anfragefehler& f) {
        return FehlerAntwort(f.what());
    } catch (const std::exception& f) {
        return FehlerAntwort(std::string("interner Fehler: ") + f.what());
    }

    FolgeZufall zufall(anfrage.Zufall);
    Analyse a;
    a.Stand = &anfrage.Stand;
    a.Zufall = &zufall;
    try {
        const Entscheidung e = ComputerEntscheiden(a);
        return AntwortBauen(a, e, zufall.Verbraucht());
    } catch (const ZufallErschoepft&) {
        return FehlerAntwort("\"Zufall\" hat zu wenige Zahlen: alle " +
                             std::to_string(anfrage.Zufall.size()) +
                             " verbraucht, der Computer braucht mehr");
    } catch (const std::exception& f) {
        return FehlerAntwort(std::string("interner Fehler: ") + f.what());
    }
}

std::string AntwortZeile(std::string_view zeile) {
    return Beantworten(zeile).dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace steinfall::analyse
