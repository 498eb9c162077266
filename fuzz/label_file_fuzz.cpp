// Fuzz target: a label file of any kind (told apart by its first line) that
// cuts the segment of a 16-bit input, and the label output file made from it.
// Flag byte: bit 0 -v, bit 1 a label output file.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  run_label_file(split_flags(data, size), "in.lab", {});
  return 0;
}
