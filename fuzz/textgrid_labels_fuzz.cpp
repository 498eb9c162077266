// Fuzz target: a Praat TextGrid, long or short text form, UTF-8 or UTF-16, as
// the label file of a 16-bit input, its tier chosen by name, number or not at all.
// Flag byte: bit 0 -v, bit 1 a label output file, bits 2 to 4 the -tier value.
#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const tiers[] = {nullptr, "1", "2", "3", "words", "phones", "mark", "0"};
  const FuzzInput in = split_flags(data, size);
  const char* tier = tiers[(in.flags >> 2) & 7];
  run_label_file(in, "in.TextGrid",
                 tier ? std::vector<std::string>{"-tier", tier} : std::vector<std::string>{});
  return 0;
}
