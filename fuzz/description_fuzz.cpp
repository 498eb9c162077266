// Fuzz target: a format description file, for the output ("-O", samples then
// written as it says) or the input ("-I", shown and refused). Flag byte: bit 0 -I.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string input = write_work_file("in.asc", std::string("1\n-2\n3.5\n"));
  const FuzzInput in = split_flags(data, size);
  const std::string description = write_work_file("desc", in.data, in.size);
  if (in.flags & 1)
    run_sndconv({"sndconv", "-s", "0.75", "-I", description, input, "-"});
  else
    run_sndconv({"sndconv", "-s", "0.75", "-O", description, input, work_dir() + "out.usr"});
  return 0;
}
