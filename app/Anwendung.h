#pragma once

namespace steinfall {

// Tells the desktop which entry and icon belong to the running window.
void AnwendungBenennen();

} // namespace steinfall
