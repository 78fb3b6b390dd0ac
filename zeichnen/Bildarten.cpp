#include "zeichnen/Bildarten.h"

#include "zeichnen/Zeichnung.h"

#include <algorithm>

namespace steinfall::bilder {

namespace {

template <const Knopfbeschriftung& K, bool Gedrueckt> QImage Knopf(double massstab, bool englisch) {
    return KnopfBild(QString::fromUtf8(englisch ? K.Englisch : K.Deutsch), K.Breite, Gedrueckt,
                     massstab);
}

template <std::uint32_t Grund, bool Leuchtend> QImage Stein(double massstab, bool) {
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
    {"brett", BrettBreite, BrettHoehe, false, [](double m, bool) { return BrettBild(m); }},
    {"stein_spieler", SteinGroesse, SteinGroesse, false, Stein<FarbeSpieler, false>},
    {"stein_computer", SteinGroesse, SteinGroesse, false, Stein<FarbeComputer, false>},
    {"stein_hervor", SteinGroesse, SteinGroesse, false, Stein<FarbeHervor, true>},
    {"stein_maske", SteinGroesse, SteinGroesse, false,
     [](double m, bool) { return SteinMaske(m); }},
    {"spalte_maske", SteinGroesse, SpaltenHoehe, false,
     [](double m, bool) { return SpaltenMaske(m); }},
    {"logo", LogoBreite, LogoHoehe, false, [](double m, bool) { return LogoBei(m).Logo; }},
    {"logo_maske", LogoBreite, LogoHoehe, false, [](double m, bool) { return LogoBei(m).Maske; }},
    {"hg", KachelGroesse, KachelGroesse, false,
     [](double m, bool) { return HintergrundSpielfeld(m); }},
    {"hg2", Kachel2Breite, Kachel2Hoehe, false,
     [](double m, bool) { return HintergrundOptionen(m); }},
    {"knopf_neues_spiel", KnopfNeuesSpiel.Breite, KnopfHoehe, true, Knopf<KnopfNeuesSpiel, false>},
    {"knopf_neues_spiel_gedrueckt", KnopfNeuesSpiel.Breite, KnopfHoehe, true,
     Knopf<KnopfNeuesSpiel, true>},
    {"knopf_anleitung", KnopfAnleitung.Breite, KnopfHoehe, true, Knopf<KnopfAnleitung, false>},
    {"knopf_anleitung_gedrueckt", KnopfAnleitung.Breite, KnopfHoehe, true,
     Knopf<KnopfAnleitung, true>},
    {"knopf_copyright", KnopfCopyright.Breite, KnopfHoehe, true, Knopf<KnopfCopyright, false>},
    {"knopf_copyright_gedrueckt", KnopfCopyright.Breite, KnopfHoehe, true,
     Knopf<KnopfCopyright, true>},
    {"knopf_beenden", KnopfBeenden.Breite, KnopfHoehe, true, Knopf<KnopfBeenden, false>},
    {"knopf_beenden_gedrueckt", KnopfBeenden.Breite, KnopfHoehe, true, Knopf<KnopfBeenden, true>},
    {"knopf_zurueck", KnopfZurueck.Breite, KnopfHoehe, true, Knopf<KnopfZurueck, false>},
    {"knopf_zurueck_gedrueckt", KnopfZurueck.Breite, KnopfHoehe, true, Knopf<KnopfZurueck, true>},
    {"morvell_logo", MorvellGroesse, MorvellGroesse, false,
     [](double m, bool) { return MorvellLogo(m); }},
}};

std::size_t DateienJeSatz() {
    const auto knoepfe =
        std::count_if(Bildarten.begin(), Bildarten.end(), [](const Bildart& a) { return a.Knopf; });
    return Bildarten.size() + static_cast<std::size_t>(knoepfe);
}

} // namespace steinfall::bilder
