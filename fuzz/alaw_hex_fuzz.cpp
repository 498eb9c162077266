// Fuzz target: A-law hex input ("%x" tokens, low 8 bits), or mu-law hex.
// Flag byte: bit 0 -v, bit 1 -br, bit 2 mu-law hex, bits 5-7 the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> args = {"sndconv"};
  add_verbose(args, in.flags & 1);
  if (in.flags & 2) args.push_back("-br");
  args.push_back(write_work_file(in.flags & 4 ? "in.mhx" : "in.ahx", in.data, in.size));
  args.push_back(output_choice(in.flags));
  run_sndconv(args);
  return 0;
}
