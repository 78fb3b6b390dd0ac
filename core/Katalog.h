#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace steinfall {

// A compiled gettext catalogue (.mo), read by the game itself for the case
// that the C library will not open it: glibc 2.41 reads no catalogue while
// the message locale is C or C.UTF-8, which is all a system without
// generated locales has.
class Katalog {
public:
    // The catalogue in `datei`; nothing when it cannot be read or is not a
    // catalogue. A damaged entry makes the whole file count as damaged.
    static std::optional<Katalog> Lesen(const std::string& datei);
    static std::optional<Katalog> AusInhalt(std::vector<char> inhalt);

    // The entries point into the file's contents, which move along with them.
    Katalog(Katalog&&) = default;
    Katalog& operator=(Katalog&&) = default;
    Katalog(const Katalog&) = delete;
    Katalog& operator=(const Katalog&) = delete;
    ~Katalog() = default;

    // The translation of `schluessel` (for a text with a context, as gettext
    // keys it: context, EOT, text); null when the catalogue lacks it.
    const char* Finden(std::string_view schluessel) const;
    // Every text with its translation, the header ("") among them.
    const std::unordered_map<std::string_view, const char*>& Eintraege() const {
        return eintraege_;
    }

private:
    Katalog() = default;

    std::vector<char> inhalt_;
    std::unordered_map<std::string_view, const char*> eintraege_;
};

} // namespace steinfall
