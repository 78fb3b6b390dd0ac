#pragma once

#include <QString>

namespace steinfall {

// Where a wave file is read from: beside the program when it lies there (the
// build folder), otherwise in the installed data folder, found from the
// program's own folder so that any install prefix works.
QString KlangPfad(const QString& datei);

} // namespace steinfall
