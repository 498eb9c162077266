// Fuzz target: a NIST input: the length line, the "-N" display, the speaker id
// and transliteration copies, the fields (coding, sample size, byte format,
// channel count), the samples decoded. Flag byte: bit 0 -v, bit 1 -N, bit 2
// -sw, bit 3 -br, bit 4 a start time, bits 5-7 the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> options;
  if (in.flags & 2) options.push_back("-N");
  if (in.flags & 4) options.push_back("-sw");
  if (in.flags & 8) options.push_back("-br");
  if (in.flags & 16) options.insert(options.end(), {"-at", "0.001"});
  run_input_file(in, "in.nis", options);
  return 0;
}
