// Fuzz target: an MS-wav or RF64 input, chunks before and after the format
// chunk, the coding it names, then its samples decoded.
// Flag byte: bit 0 -v, bit 1 -sw, bit 2 -S, bit 3 -br, bit 4 a start time and
// a scale, bits 5-7 the output.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> args = {"sndconv"};
  add_verbose(args, in.flags & 1);
  if (in.flags & 2) args.push_back("-sw");
  if (in.flags & 4) args.push_back("-S");
  if (in.flags & 8) args.push_back("-br");
  if (in.flags & 16) args.insert(args.end(), {"-at", "0.001", "-s", "0.5"});
  args.push_back(write_work_file("in.wav", in.data, in.size));
  args.push_back(output_choice(in.flags));
  run_sndconv(args);
  return 0;
}
