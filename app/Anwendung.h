#pragma once

namespace steinfall {

// Tells the desktop which entry belongs to the running window.
void AnwendungBenennen();

// The window's icon: the theme's, else the built-in one. Looking it up in
// the theme takes a few milliseconds, so it comes after the first frame.
void SymbolSetzen();

} // namespace steinfall
