#pragma once

#include <QString>

namespace steinfall::bilder {

// Writes the application icon at every size the desktop's icon themes ask
// for ("steinfall-48.png", ...) into the folder: a corner of the blue board
// with four holes, three of them holding a red and two yellow stones.
// Throws std::runtime_error when it cannot write.
void SymboleSchreiben(const QString& ordner);

} // namespace steinfall::bilder
