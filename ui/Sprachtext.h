#pragma once

#include "core/Sprache.h"

#include <QString>

#include <string>

namespace steinfall {

// A window's text in the chosen language, through the same gettext
// catalogue as the core's texts rather than Qt's own translation system:
// one mechanism for the whole game, and the German texts stay the source
// exactly as written.
inline QString Sprachtext(const char* deutsch) {
    return QString::fromUtf8(Uebersetzung(deutsch));
}

// A word that means different things in different places.
inline QString SprachtextIm(const char* zusammenhang, const char* deutsch) {
    return QString::fromUtf8(UebersetzungIm(zusammenhang, deutsch));
}

// A text of the game as a window shows it: the game breaks lines with CR LF,
// a box shows lines, not line ends.
inline QString Zeilentext(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace steinfall
