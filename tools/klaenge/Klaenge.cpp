#include "Klaenge.h"

#include "zeichnen/Raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace steinfall::bilder {

namespace {

constexpr double Pi2 = 2 * std::numbers::pi;
constexpr double Dt = 1.0 / Abtastrate;

std::vector<double> Stille(double sekunden) {
    return std::vector<double>(static_cast<std::size_t>(std::ceil(sekunden * Abtastrate)));
}

double Zeit(std::size_t i) {
    return static_cast<double>(i) * Dt;
}

// Second-order filter (the usual audio cookbook forms).
struct Filter {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double operator()(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

Filter Bandpass(double frequenz, double guete) {
    const double w = Pi2 * frequenz * Dt;
    const double alpha = std::sin(w) / (2 * guete);
    const double a0 = 1 + alpha;
    Filter f;
    f.b0 = alpha / a0;
    f.b1 = 0;
    f.b2 = -alpha / a0;
    f.a1 = -2 * std::cos(w) / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Filter Tiefpass(double frequenz, double guete = 0.7071) {
    const double w = Pi2 * frequenz * Dt;
    const double alpha = std::sin(w) / (2 * guete);
    const double c = std::cos(w);
    const double a0 = 1 + alpha;
    Filter f;
    f.b0 = (1 - c) / 2 / a0;
    f.b1 = (1 - c) / a0;
    f.b2 = (1 - c) / 2 / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

void Normieren(std::vector<double>& v, double spitze) {
    double m = 0;
    for (double x : v) {
        m = std::max(m, std::abs(x));
    }
    if (m > 0) {
        for (double& x : v) {
            x *= spitze / m;
        }
    }
}

// Raised-cosine fades at both ends, so no sound starts or stops with a jump.
void Blenden(std::vector<double>& v, double ein, double aus) {
    const auto n = v.size();
    const auto nEin = static_cast<std::size_t>(ein * Abtastrate);
    const auto nAus = static_cast<std::size_t>(aus * Abtastrate);
    for (std::size_t i = 0; i < nEin && i < n; ++i) {
        v[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / nEin);
    }
    for (std::size_t i = 0; i < nAus && i < n; ++i) {
        v[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / nAus);
    }
}

struct Mode {
    double frequenz;
    double staerke;
    double abklingen; // seconds to 1/e
};

// Struck body: decaying partials plus a short filtered noise hit.
std::vector<double> Schlag(double dauer, const std::vector<Mode>& moden, double rauschen,
                           double rauschAbklingen, double rauschFrequenz, std::uint64_t saat) {
    Zufallsfolge zufall(saat);
    std::vector<double> phasen;
    for (std::size_t m = 0; m < moden.size(); ++m) {
        phasen.push_back(zufall.Gleich(0, Pi2));
    }
    Filter band = Bandpass(rauschFrequenz, 0.8);
    auto v = Stille(dauer);
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double t = Zeit(i);
        double s = 0;
        for (std::size_t m = 0; m < moden.size(); ++m) {
            s += moden[m].staerke * std::exp(-t / moden[m].abklingen) *
                 std::sin(Pi2 * moden[m].frequenz * t + phasen[m]);
        }
        s += rauschen * std::exp(-t / rauschAbklingen) * band(zufall.Vorzeichen()) * 4;
        v[i] = s * (1 - std::exp(-t / 0.0004));
    }
    return v;
}

std::vector<double> Klack() {
    auto v = Schlag(0.13,
                    {{205, 0.55, 0.022},
                     {960, 1.0, 0.016},
                     {1730, 0.65, 0.011},
                     {2890, 0.42, 0.0065},
                     {4150, 0.25, 0.004}},
                    0.5, 0.0025, 3000, 0x4B4C41434BULL);
    Normieren(v, 0.75);
    return v;
}

std::vector<double> Klick() {
    auto v = Schlag(0.05, {{1800, 0.3, 0.004}, {3400, 1.0, 0.0022}, {5600, 0.5, 0.0012}}, 0.3,
                    0.0008, 4500, 0x4B4C49434BULL);
    Normieren(v, 0.4);
    return v;
}

// A short sine blip gliding upwards.
std::vector<double> Wahl() {
    auto v = Stille(0.09);
    double phase = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double t = Zeit(i);
        const double f = 660 + 440 * (1 - std::exp(-t / 0.015));
        phase += Pi2 * f * Dt;
        const double huelle = Glatt(0, 0.006, t) * std::exp(-std::max(0.0, t - 0.006) / 0.022);
        v[i] = huelle * (std::sin(phase) + 0.15 * std::sin(2 * phase));
    }
    Normieren(v, 0.45);
    return v;
}

// A mallet tone with the overtones of a wooden bar.
void Ton(std::vector<double>& v, double beginn, double f, double staerke,
         const std::vector<Mode>& teiltoene) {
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double t = Zeit(i) - beginn;
        if (t < 0) {
            continue;
        }
        double s = 0;
        for (const Mode& m : teiltoene) {
            s += m.staerke * std::exp(-t / m.abklingen) * std::sin(Pi2 * f * m.frequenz * t);
        }
        v[i] += staerke * Glatt(0, 0.004, t) * s;
    }
}

std::vector<double> Remis() {
    auto v = Stille(1.0);
    const std::vector<Mode> holz = {
        {1, 1.0, 0.45}, {2, 0.12, 0.2}, {3, 0.06, 0.12}, {4, 0.2, 0.08}};
    Ton(v, 0.0, 587.33, 1.0, holz);
    Ton(v, 0.33, 440.0, 1.0, holz);
    Normieren(v, 0.6);
    Blenden(v, 0.001, 0.12);
    return v;
}

std::vector<double> Anleitung() {
    auto v = Stille(0.75);
    const std::vector<Mode> glocke = {
        {1, 1.0, 0.35}, {2.0, 0.3, 0.18}, {2.76, 0.18, 0.09}, {5.4, 0.07, 0.04}};
    const double noten[] = {523.25, 659.26, 783.99, 1046.5};
    for (int n = 0; n < 4; ++n) {
        Ton(v, 0.075 * n, noten[n], 0.8 + 0.07 * n, glocke);
    }
    Normieren(v, 0.55);
    Blenden(v, 0.001, 0.08);
    return v;
}

// "Ha-ha-ha": a voice from harmonics shaped by the formants of an "a",
// each syllable opened by a breath of noise.
std::vector<double> Lachen() {
    auto v = Stille(0.95);
    Zufallsfolge zufall(0x4C414348454EULL);
    struct Formant {
        double f, breite, staerke;
    };
    const Formant a[] = {{800, 110, 1.0}, {1250, 130, 0.55}, {2600, 220, 0.25}, {3300, 300, 0.12}};
    const double beginn[] = {0.0, 0.19, 0.38, 0.57};
    const double dauer[] = {0.15, 0.15, 0.15, 0.30};
    const double grund[] = {300, 285, 270, 250};
    for (int silbe = 0; silbe < 4; ++silbe) {
        Filter hauch1 = Bandpass(1300, 1.0);
        Filter hauch2 = Bandpass(2600, 2.0);
        Filter hauchTief = Tiefpass(3500);
        std::vector<double> phasen(24, 0.0);
        for (std::size_t i = 0; i < v.size(); ++i) {
            const double t = Zeit(i) - beginn[silbe];
            if (t < 0 || t > dauer[silbe] + 0.08) {
                continue;
            }
            const double h = Glatt(0, 0.015, t) * (1 - Glatt(0.02, 0.06, t));
            v[i] += 0.25 * h *
                    hauchTief(hauch1(zufall.Vorzeichen()) + 0.5 * hauch2(zufall.Vorzeichen()));

            const double stimme =
                Glatt(0.03, 0.05, t) * (1 - Glatt(dauer[silbe] - 0.03, dauer[silbe] + 0.05, t));
            const double f0 =
                grund[silbe] * (1 - 0.12 * t / dauer[silbe]) * (1 + 0.01 * std::sin(Pi2 * 6 * t));
            double s = 0;
            for (std::size_t k = 1; k <= phasen.size(); ++k) {
                const double fk = f0 * static_cast<double>(k);
                phasen[k - 1] += Pi2 * fk * Dt;
                if (fk > 5000) {
                    continue;
                }
                double amp = 0.04 / static_cast<double>(k);
                for (const Formant& fo : a) {
                    const double abw = (fk - fo.f) / (fo.breite / 2);
                    amp += fo.staerke / (1 + abw * abw);
                }
                s += amp * std::sin(phasen[k - 1]);
            }
            v[i] += 0.25 * stimme * s;
        }
    }
    Normieren(v, 0.7);
    Blenden(v, 0.002, 0.03);
    return v;
}

// Applause: many short filtered noise claps, thick in the middle.
std::vector<double> Klatschen() {
    auto v = Stille(1.3);
    Zufallsfolge zufall(0x4B4C41545343484EULL);
    auto dichte = [](double t) { return Glatt(0, 0.12, t) * (1 - Glatt(0.75, 1.25, t)); };
    double t = 0;
    while (true) {
        t += -std::log(1 - zufall.Gleich()) / 70.0;
        if (t > 1.25) {
            break;
        }
        if (zufall.Gleich() > dichte(t)) {
            continue;
        }
        const double staerke = zufall.Gleich(0.4, 1.0);
        Filter band = Bandpass(zufall.Gleich(900, 2200), zufall.Gleich(1.2, 2.5));
        const double abklingen = zufall.Gleich(0.005, 0.010);
        const auto start = static_cast<std::size_t>(t * Abtastrate);
        for (std::size_t i = 0;
             i < static_cast<std::size_t>(0.05 * Abtastrate) && start + i < v.size(); ++i) {
            const double u = Zeit(i);
            v[start + i] += staerke * (1 - std::exp(-u / 0.0005)) * std::exp(-u / abklingen) *
                            band(zufall.Vorzeichen());
        }
    }
    Filter teppich = Bandpass(1500, 0.7);
    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i] += 0.06 * dichte(Zeit(i)) * teppich(zufall.Vorzeichen());
    }
    Normieren(v, 0.75);
    Blenden(v, 0.002, 0.05);
    return v;
}

// A snore: low rumbling noise, rattled by the soft palate, swelling up.
std::vector<double> Schnarchen() {
    auto v = Stille(1.25);
    Zufallsfolge zufall(0x5343484E41524348ULL);
    Filter tief = Tiefpass(700);
    Filter koerper = Bandpass(380, 2.0);
    Filter rauschTief = Tiefpass(450);
    double phase = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double t = Zeit(i);
        phase += Pi2 * (24 + 8 * t / 1.25) * Dt;
        const double flattern = std::pow(0.5 + 0.5 * std::cos(phase), 4);
        const double rauschen = rauschTief(zufall.Vorzeichen());
        const double quelle = 0.55 * rauschen * (0.3 + 0.7 * flattern) * 4 + (flattern - 0.27);
        const double s = tief(quelle) + 0.8 * koerper(quelle);
        const double huelle = std::pow(Glatt(0, 0.9, t), 1.5) * (1 - Glatt(0.95, 1.25, t));
        v[i] = huelle * s;
    }
    Normieren(v, 0.7);
    Blenden(v, 0.005, 0.02);
    return v;
}

// One brass-like note: harmonics whose brightness opens with the attack.
void Blech(std::vector<double>& v, double f, double beginn, double ende, double staerke,
           Zufallsfolge& zufall) {
    f *= 1 + 0.0015 * zufall.Vorzeichen();
    std::vector<double> phasen(16);
    for (double& p : phasen) {
        p = zufall.Gleich(0, Pi2);
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double t = Zeit(i) - beginn;
        if (t < 0 || Zeit(i) > ende + 0.08) {
            continue;
        }
        const double hell = 1 - std::exp(-t / 0.035);
        const double vibrato = 1 + 0.005 * Glatt(0.2, 0.4, t) * std::sin(Pi2 * 5.5 * t);
        const double einsatz = Glatt(0, 0.012, t) * (1 + 0.25 * std::exp(-t / 0.04));
        const double schluss = 1 - Glatt(ende, ende + 0.06, Zeit(i));
        double s = 0;
        for (std::size_t k = 1; k <= phasen.size(); ++k) {
            const double fk = f * vibrato * static_cast<double>(k);
            phasen[k - 1] += Pi2 * fk * Dt;
            if (fk > 8000) {
                continue;
            }
            s += std::exp(-(static_cast<double>(k) - 1) * (0.95 - 0.5 * hell)) *
                 std::sin(phasen[k - 1]);
        }
        v[i] += staerke * einsatz * schluss * s;
    }
}

std::vector<double> Tada() {
    auto v = Stille(1.25);
    Zufallsfolge zufall(0x54414441ULL);
    for (double f : {392.0, 493.88, 587.33, 783.99}) {
        Blech(v, f, 0.0, 0.15, 1.0, zufall);
    }
    for (double f : {261.63, 523.25, 659.26, 783.99, 1046.5}) {
        Blech(v, f, 0.21, 1.3, f < 300 ? 0.8 : 1.0, zufall);
    }
    // The long chord dies away over its last half second.
    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i] *= 1 - Glatt(0.7, 1.25, Zeit(i)) * 0.999;
    }
    Normieren(v, 0.75);
    Blenden(v, 0.001, 0.02);
    return v;
}

} // namespace

std::vector<Klang> AlleKlaenge() {
    std::vector<Klang> k;
    k.push_back({QStringLiteral("KLACK.WAV"), Klack()});
    k.push_back({QStringLiteral("LACHEN.WAV"), Lachen()});
    k.push_back({QStringLiteral("KLATSCHN.WAV"), Klatschen()});
    k.push_back({QStringLiteral("REMIS.WAV"), Remis()});
    k.push_back({QStringLiteral("SCHNARCH.WAV"), Schnarchen()});
    k.push_back({QStringLiteral("WAHL.WAV"), Wahl()});
    k.push_back({QStringLiteral("KLICK.WAV"), Klick()});
    k.push_back({QStringLiteral("ANLEITUN.WAV"), Anleitung()});
    k.push_back({QStringLiteral("TADA.WAV"), Tada()});
    for (Klang& klang : k) {
        Blenden(klang.Proben, 0.001, 0.005);
    }
    return k;
}

void KlaengePruefen(const std::vector<Klang>& klaenge) {
    std::size_t bytes = 0;
    for (const Klang& k : klaenge) {
        const double dauer = static_cast<double>(k.Proben.size()) / Abtastrate;
        auto verlangen = [&k](bool erfuellt, const char* regel) {
            if (!erfuellt) {
                throw std::runtime_error(k.Datei.toStdString() + ": " + regel);
            }
        };
        verlangen(dauer >= 0.05 && dauer <= 1.5, "Dauer nicht zwischen 0,05 und 1,5 s");
        verlangen(std::abs(k.Proben.front()) < 0.002 && std::abs(k.Proben.back()) < 0.002,
                  "beginnt oder endet mit einem Sprung");
        for (double p : k.Proben) {
            verlangen(std::isfinite(p) && std::abs(p) <= 0.9, "zu laut oder ungueltig");
        }
        bytes += 44 + 2 * k.Proben.size();
    }
    if (klaenge.size() != 9 || bytes > 350 * 1024) {
        throw std::runtime_error("Klaenge: Anzahl oder Gesamtgroesse stimmt nicht");
    }
}

} // namespace steinfall::bilder
