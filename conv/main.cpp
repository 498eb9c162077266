// sndconv: converts one file of sampled audio between the file modes.
// The whole program is sndconv_main; this only hands it the arguments.
#include "conv/sndconv.h"

int main(int argc, char** argv) { return sndconv_main(argc, argv); }
