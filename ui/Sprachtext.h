#pragma once

#include "core/Sprache.h"

#include <QString>

#include <string>
#include <string_view>
#include <utility>

namespace steinfall {

// A window's text in the chosen language. The windows pick their few dozen
// texts the way the game's core picks its own, German and English side by
// side where the text is used, rather than through Qt's translation
// catalogs: one mechanism for the whole game, the German texts stay the
// source exactly as written, and an English text cannot go missing from a
// catalog unnoticed.
inline QString Sprachtext(const char* deutsch, const char* englisch) {
    return QString::fromUtf8(Sprachwahl(deutsch, englisch));
}

// Stand-in until the game's texts come from its gettext catalogue, which
// replaces this whole function: a text given in German only, in the chosen
// language. It knows the English of the picture buttons' five captions and
// leaves any other text German.
inline QString Sprachtext(const char* deutsch) {
    static constexpr std::pair<std::string_view, const char*> Englisch[] = {
        {"Neues Spiel", "New game"},
        {"Anleitung", "Instructions"},
        {"Info", "About"},
        {"Zur\u00fcck", "Back"},
        {"Beenden", "Quit"}};
    for (const auto& [de, en] : Englisch) {
        if (de == deutsch) {
            return QString::fromUtf8(Sprachwahl(deutsch, en));
        }
    }
    return QString::fromUtf8(deutsch);
}

// A text of the game as a window shows it: the game breaks lines with CR LF,
// a box shows lines, not line ends.
inline QString Zeilentext(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace steinfall
