// Fuzz target: Float ASCII input ("%f" tokens), scaled and clipped.
// Flag byte: bit 0 -v, bit 1 -c 1000, bit 2 -S, bits 5-7 the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> options;
  if (in.flags & 2) options.insert(options.end(), {"-c", "1000"});
  if (in.flags & 4) options.push_back("-S");
  run_input_file(in, "in.fas", options);
  return 0;
}
