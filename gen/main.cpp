// tonemaker: writes a synthetic test signal as text, one value a line.
// The whole program is tonemaker_main; this only hands it the arguments.
#include "gen/tonemaker.h"

int main(int argc, char** argv) { return tonemaker_main(argc, argv); }
