// Fuzz target: A-law hex input ("%x" tokens, low 8 bits), or mu-law hex.
// Flag byte: bit 0 -v, bit 1 -br, bit 2 mu-law hex, bits 5-7 the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> options;
  if (in.flags & 2) options.push_back("-br");
  run_input_file(in, in.flags & 4 ? "in.mhx" : "in.ahx", options);
  return 0;
}
