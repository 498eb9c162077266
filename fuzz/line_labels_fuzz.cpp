// Fuzz target: the rest of an Audacity label track (tab-separated seconds and
// text, point labels, "\" frequency lines) or of an HTK label file (100 ns units,
// "///"), after a first line of that kind, as the label file of a 16-bit input.
// Flag byte: bit 0 -v, bit 1 a label output file, bit 2 HTK instead of Audacity.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in = split_flags(data, size);
  std::string file = in.flags & 4 ? "0 5000 first\n" : "0.000000\t0.000500\tfirst\n";
  file.append(reinterpret_cast<const char*>(in.data), in.size);
  in.data = reinterpret_cast<const uint8_t*>(file.data());
  in.size = file.size();
  run_label_file(in, "labels.txt", {});
  return 0;
}
