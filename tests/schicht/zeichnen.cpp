// Compiled with the drawing library's include path only: the windows draw
// with it, so they are out of its reach and this must not compile.
#include "ui/Bilder.h"
#include "zeichnen/Zeichnung.h"
