// Fuzz target: ASCII input, decimal ("%hi") or hexadecimal ("-xi") tokens.
// Flag byte: bit 0 -v, bit 1 -xi, bit 2 -C, bits 3-4 "-ai" 1 to 4, bits 5-7 the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> options;
  if (in.flags & 2) options.push_back("-xi");
  if (in.flags & 4) options.push_back("-C");
  options.insert(options.end(), {"-ai", std::to_string(1 + ((in.flags >> 3) & 3))});
  run_input_file(in, "in.asc", options);
  return 0;
}
