// sndconv: converts one file of sampled audio between the file modes.
// The whole program is sndconv_main; this only hands it the arguments.
#include <unistd.h>

#include <cstdio>

#include "driver/sndconv.h"

int main(int argc, char** argv) {
  // Samples written to standard output ("++") leave in large pieces when it is
  // a file or a pipe; a terminal keeps its usual line buffering.
  static char outputBuffer[1 << 16];
  if (!isatty(STDOUT_FILENO)) setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  return sndconv_main(argc, argv);
}
