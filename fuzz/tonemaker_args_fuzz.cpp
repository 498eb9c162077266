// Fuzz target: the tonemaker command line. Words come from the data; the output
// file lands in the work folder and is removed after the run. Files are held to
// 1 MiB, so a huge sample count ends with a write error instead of running on.
#include <unistd.h>

#include <cstdlib>

#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  if (chdir(work_dir().c_str()) != 0) abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args = words_of(data, size, 32);
  args.insert(args.begin(), "tonemaker");
  run_tonemaker(args);
  remove_other_files();
  return 0;
}
