#include "core/Katalog.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace steinfall {

namespace {

constexpr std::uint32_t Kennung = 0x950412de;
constexpr std::uint32_t KennungVertauscht = 0xde120495;
constexpr std::size_t KopfLaenge = 28;

struct Leser {
    const std::vector<char>& inhalt;
    bool vertauscht;

    std::optional<std::uint32_t> Wort(std::size_t stelle) const {
        if (stelle > inhalt.size() || inhalt.size() - stelle < 4) {
            return std::nullopt;
        }
        std::uint32_t wert = 0;
        std::memcpy(&wert, inhalt.data() + stelle, 4);
        return vertauscht ? __builtin_bswap32(wert) : wert;
    }

    // Entry `i` of the table at `tabelle`: a length and an offset, behind
    // which the text and its closing NUL must lie inside the file.
    std::optional<std::size_t> Text(std::uint32_t tabelle, std::uint32_t i) const {
        const std::size_t stelle = std::size_t{tabelle} + std::size_t{i} * 8;
        const auto laenge = Wort(stelle);
        const auto anfang = Wort(stelle + 4);
        if (!laenge || !anfang || std::size_t{*anfang} + *laenge >= inhalt.size() ||
            inhalt[std::size_t{*anfang} + *laenge] != '\0') {
            return std::nullopt;
        }
        return *anfang;
    }
};

} // namespace

std::optional<Katalog> Katalog::Lesen(const std::string& datei) {
    // A folder opens as a stream, too, but reading it fails.
    std::error_code fehler;
    const auto groesse = std::filesystem::file_size(datei, fehler);
    std::ifstream ein(datei, std::ios::binary);
    if (fehler || !ein) {
        return std::nullopt;
    }
    std::vector<char> inhalt(groesse);
    if (!ein.read(inhalt.data(), static_cast<std::streamsize>(groesse))) {
        return std::nullopt;
    }
    return AusInhalt(std::move(inhalt));
}

std::optional<Katalog> Katalog::AusInhalt(std::vector<char> inhalt) {
    Katalog katalog;
    katalog.inhalt_ = std::move(inhalt);
    const std::vector<char>& daten = katalog.inhalt_;
    if (daten.size() < KopfLaenge) {
        return std::nullopt;
    }
    const auto kennung = Leser{daten, false}.Wort(0);
    if (kennung != Kennung && kennung != KennungVertauscht) {
        return std::nullopt;
    }
    const Leser leser{daten, kennung == KennungVertauscht};
    // Revision 0 is what msgfmt writes; later major revisions may be laid
    // out otherwise. Minor revision 1 only adds tables this reader skips.
    const auto revision = leser.Wort(4);
    const auto anzahl = leser.Wort(8);
    const auto urtexte = leser.Wort(12);
    const auto uebersetzungen = leser.Wort(16);
    if (!revision || (*revision >> 16) != 0 || !anzahl || !urtexte || !uebersetzungen) {
        return std::nullopt;
    }
    for (std::uint32_t i = 0; i < *anzahl; ++i) {
        const auto urtext = leser.Text(*urtexte, i);
        const auto uebersetzung = leser.Text(*uebersetzungen, i);
        if (!urtext || !uebersetzung) {
            return std::nullopt;
        }
        // A plural entry holds its forms one after another; the first of
        // each is the text and its translation.
        katalog.eintraege_.emplace(std::string_view(daten.data() + *urtext),
                                   daten.data() + *uebersetzung);
    }
    return katalog;
}

const char* Katalog::Finden(std::string_view schluessel) const {
    const auto eintrag = eintraege_.find(schluessel);
    return eintrag == eintraege_.end() ? nullptr : eintrag->second;
}

} // namespace steinfall
