#include "zeichnen/Bildarten.h"

#include "zeichnen/Zeichnung.h"

namespace steinfall::bilder {

namespace {

template <const Knopfbeschriftung& K, bool Gedrueckt>
QImage Knopf(double massstab, const QString& text) {
    return KnopfBild(text, K.Breite, Gedrueckt, massstab);
}

template <std::uint32_t Grund, bool Leuchtend> QImage Stein(double massstab, const QString&) {
    return SteinBild(AusHex(Grund), Leuchtend, massstab);
}

// The logo and its mask come from one drawing: the second one drawn at the
// same scale reuses it.
const LogoBilder& LogoBei(double massstab) {
    static double gezeichnet = 0;
    static LogoBilder logo;
    if (gezeichnet != massstab) {
        logo = Logo(massstab);
        gezeichnet = massstab;
    }
    return logo;
}

} // namespace

const std::array<Bildart, 21> Bildarten = {{
    {"brett", BrettBreite, BrettHoehe, nullptr,
     [](double m, const QString&) { return BrettBild(m); }},
    {"stein_spieler", SteinGroesse, SteinGroesse, nullptr, Stein<FarbeSpieler, false>},
    {"stein_computer", SteinGroesse, SteinGroesse, nullptr, Stein<FarbeComputer, false>},
    {"stein_hervor", SteinGroesse, SteinGroesse, nullptr, Stein<FarbeHervor, true>},
    {"stein_maske", SteinGroesse, SteinGroesse, nullptr,
     [](double m, const QString&) { return SteinMaske(m); }},
    {"spalte_maske", SteinGroesse, SpaltenHoehe, nullptr,
     [](double m, const QString&) { return SpaltenMaske(m); }},
    {"logo", LogoBreite, LogoHoehe, nullptr,
     [](double m, const QString&) { return LogoBei(m).Logo; }},
    {"logo_maske", LogoBreite, LogoHoehe, nullptr,
     [](double m, const QString&) { return LogoBei(m).Maske; }},
    {"hg", KachelGroesse, KachelGroesse, nullptr,
     [](double m, const QString&) { return HintergrundSpielfeld(m); }},
    {"hg2", Kachel2Breite, Kachel2Hoehe, nullptr,
     [](double m, const QString&) { return HintergrundOptionen(m); }},
    {"knopf_neues_spiel", KnopfNeuesSpiel.Breite, KnopfHoehe, &KnopfNeuesSpiel,
     Knopf<KnopfNeuesSpiel, false>},
    {"knopf_neues_spiel_gedrueckt", KnopfNeuesSpiel.Breite, KnopfHoehe, &KnopfNeuesSpiel,
     Knopf<KnopfNeuesSpiel, true>},
    {"knopf_anleitung", KnopfAnleitung.Breite, KnopfHoehe, &KnopfAnleitung,
     Knopf<KnopfAnleitung, false>},
    {"knopf_anleitung_gedrueckt", KnopfAnleitung.Breite, KnopfHoehe, &KnopfAnleitung,
     Knopf<KnopfAnleitung, true>},
    {"knopf_copyright", KnopfCopyright.Breite, KnopfHoehe, &KnopfCopyright,
     Knopf<KnopfCopyright, false>},
    {"knopf_copyright_gedrueckt", KnopfCopyright.Breite, KnopfHoehe, &KnopfCopyright,
     Knopf<KnopfCopyright, true>},
    {"knopf_beenden", KnopfBeenden.Breite, KnopfHoehe, &KnopfBeenden, Knopf<KnopfBeenden, false>},
    {"knopf_beenden_gedrueckt", KnopfBeenden.Breite, KnopfHoehe, &KnopfBeenden,
     Knopf<KnopfBeenden, true>},
    {"knopf_zurueck", KnopfZurueck.Breite, KnopfHoehe, &KnopfZurueck, Knopf<KnopfZurueck, false>},
    {"knopf_zurueck_gedrueckt", KnopfZurueck.Breite, KnopfHoehe, &KnopfZurueck,
     Knopf<KnopfZurueck, true>},
    {"morvell_logo", MorvellGroesse, MorvellGroesse, nullptr,
     [](double m, const QString&) { return MorvellLogo(m); }},
}};

} // namespace steinfall::bilder
