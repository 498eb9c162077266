// Faults injected through the command line: outputs that cannot be written,
// inputs that are folders or cut short, oversized lines and names, values at the
// integer limits. Every run must end with its message and a defined exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "conv/sndconv.h"
#include "tests/conv/sndconv_fixture.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class FaultInjectionTest : public SndconvTest {};

struct InProcessResult {
  int code;
  std::string out;
};

// Runs sndconv_main in this process, for sweeps of many runs.
InProcessResult run_in_process(std::vector<std::string> args) {
  args.insert(args.begin(), "sndconv");
  std::vector<char*> argv;
  for (std::string& word : args) argv.push_back(word.data());
  argv.push_back(nullptr);
  CaptureStdout();
  const int code = sndconv_main(static_cast<int>(args.size()), argv.data());
  return {code, GetCapturedStdout()};
}

long open_descriptors() {
  const std::filesystem::directory_iterator entries("/proc/self/fd");
  return std::distance(begin(entries), end(entries));
}

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(FaultInjectionTest, FilesOfAStoppedRunAreClosed) {
  dir.write("in.asc", "1\n");
  std::filesystem::create_directory(dir.file("folder"));
  const int before = open_descriptors();
  const InProcessResult r = run_in_process({"-O", dir.file("folder"), dir.file("in.asc"), dir.file("out.usr")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(open_descriptors(), before);
}

}  // namespace
