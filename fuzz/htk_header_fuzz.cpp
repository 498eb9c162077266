// Fuzz target: an HTK input, its 12-byte header (byte order, parameter kind)
// and samples. Flag byte: bit 0 -v, bit 1 -sw, bit 2 a start time, bits 5-7
// the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> options;
  if (in.flags & 2) options.push_back("-sw");
  if (in.flags & 4) options.insert(options.end(), {"-at", "0.001"});
  run_input_file(in, "in.htk", options);
  return 0;
}
