// Fuzz target: an ESPS or SAM label file (told apart by its first line) that
// cuts the segment of a 16-bit input, and the label output file made from it.
// Flag byte: bit 0 -v, bit 1 a label output file.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string input = write_work_file("in.voc", std::string(4000, 1));
  const FuzzInput in = split_flags(data, size);
  std::vector<std::string> args = {"sndconv"};
  add_verbose(args, in.flags & 1);
  if (in.flags & 2) args.insert(args.end(), {"-lfo", work_dir() + "out.lab"});
  args.insert(args.end(), {"-lf", write_work_file("in.lab", in.data, in.size), input, "-"});
  run_sndconv(args);
  return 0;
}
