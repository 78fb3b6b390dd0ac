// Compiled with the core library's include path only: the computer player is
// out of its reach, so this must not compile.
#include "ai/Analyse.h"
#include "core/Spiel.h"
