#include "core/Sprache.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

constexpr Sprache De = Sprache::Deutsch;
constexpr Sprache En = Sprache::Englisch;

// LANGUAGE, LC_ALL, LC_MESSAGES and LANG as a shell would set them (null:
// unset), and the language the game then speaks.
TEST(Sprache, AusDerUmgebungWieGettext) {
    struct Fall {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Sprache erwartet;
    };
    const Fall faelle[] = {
        {nullptr, nullptr, nullptr, nullptr, De},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", En},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", De},
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", De},
        {nullptr, nullptr, nullptr, "C", De},
        {nullptr, nullptr, nullptr, "english", De},
        {"", "", "", "en_GB", En},                      // empty counts as unset
        {nullptr, "de_AT.UTF-8", "en_US", "en_US", De}, // LC_ALL first
        {nullptr, nullptr, "en_US", "de_DE", En},       // then LC_MESSAGES
        {"en", nullptr, nullptr, "de_DE.UTF-8", En},    // LANGUAGE before all
        {"fr:en_GB:de", nullptr, nullptr, "de_DE", En}, // its first known language
        {"fr:it", nullptr, nullptr, "en_US", En},       // none known: the locale
        {"en", nullptr, nullptr, "C.UTF-8", De},        // ignored under C
        {"en", "POSIX", nullptr, "en_US", De},
        {"en", nullptr, nullptr, nullptr, De},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(SpracheAusUmgebung(f.language, f.lcAll, f.lcMessages, f.lang), f.erwartet)
            << (f.language ? f.language : "-") << " " << (f.lcAll ? f.lcAll : "-") << " "
            << (f.lcMessages ? f.lcMessages : "-") << " " << (f.lang ? f.lang : "-");
    }
}

} // namespace
} // namespace steinfall
