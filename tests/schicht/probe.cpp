// Compiled with the core library's include path only: the computer player is
// out of its reach, so this must not compile.
#include "core/Spiel.h"
#include "ai/Analyse.h"
