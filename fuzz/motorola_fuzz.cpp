// Fuzz target: MOTOROLA input, decimal tokens with leading zeros.
// Flag byte: bit 0 -v, bits 5-7 the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  run_input_file(in, "in.io", {});
  return 0;
}
