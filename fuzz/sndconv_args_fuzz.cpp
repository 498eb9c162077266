// Fuzz target: the sndconv command line. Words come from the data; names refer
// to the seed files of the work folder (inputs of every mode, label files,
// descriptions, a length file) or to new files there, which are removed after the run.
#include <unistd.h>

#include <cstdlib>

#include "fuzz/fuzz_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup();
  if (chdir(work_dir().c_str()) != 0) abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args = words_of(data, size, 48);
  args.insert(args.begin(), "sndconv");
  lay_seed_files();
  run_sndconv(args);
  remove_other_files();
  return 0;
}
