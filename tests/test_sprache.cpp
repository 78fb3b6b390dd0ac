#include "core/Sprache.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

const std::string De = "de";
const std::string En = "en";
const std::string Fr = "fr";
// As if catalogues for English, French and Brazilian Portuguese were installed.
const std::vector<std::string> Bekannte = {"de", "en", "fr", "pt_BR"};

// LANGUAGE, LC_ALL, LC_MESSAGES and LANG as a shell would set them (null:
// unset), and the language the game then speaks.
TEST(Sprache, AusDerUmgebungWieGettext) {
    struct Fall {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {nullptr, nullptr, nullptr, nullptr, De},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", En},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", De},
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", Fr},
        {nullptr, nullptr, nullptr, "it_IT.UTF-8", De}, // no catalogue
        {nullptr, nullptr, nullptr, "pt_BR.UTF-8", "pt_BR"},
        {nullptr, nullptr, nullptr, "pt_PT.UTF-8", De}, // only the Brazilian one
        {"nl:fr_CA:en", nullptr, nullptr, "de_DE", Fr}, // the language of fr_CA
        {nullptr, nullptr, nullptr, "C", De},
        {nullptr, nullptr, nullptr, "english", De},
        {"", "", "", "en_GB", En},                      // empty counts as unset
        {nullptr, "de_AT.UTF-8", "en_US", "en_US", De}, // LC_ALL first
        {nullptr, nullptr, "en_US", "de_DE", En},       // then LC_MESSAGES
        {"en", nullptr, nullptr, "de_DE.UTF-8", En},    // LANGUAGE before all
        {"it:en_GB:de", nullptr, nullptr, "de_DE", En}, // its first known language
        {"it:nl", nullptr, nullptr, "en_US", En},       // none known: the locale
        {"en", nullptr, nullptr, "C.UTF-8", De},        // ignored under C
        {"en", "POSIX", nullptr, "en_US", De},
        {"en", nullptr, nullptr, nullptr, De},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(SpracheAusUmgebung(f.language, f.lcAll, f.lcMessages, f.lang, Bekannte),
                  f.erwartet)
            << (f.language ? f.language : "-") << " " << (f.lcAll ? f.lcAll : "-") << " "
            << (f.lcMessages ? f.lcMessages : "-") << " " << (f.lang ? f.lang : "-");
    }
}

} // namespace
} // namespace steinfall
