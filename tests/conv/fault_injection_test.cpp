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

TEST_F(FaultInjectionTest, FilesOfAStoppedRunAreClosed) {
  dir.write("in.asc", "1\n");
  std::filesystem::create_directory(dir.file("folder"));
  const long before = open_descriptors();
  const InProcessResult r = run_in_process({"-O", dir.file("folder"), dir.file("in.asc"), dir.file("out.usr")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(open_descriptors(), before);
}

// A shell runs the program, so that its standard streams can be a full device
// or a folder.
ProgramResult run_shell(const std::string& command, const std::string& dir) {
  return run_program("/bin/sh", {"-c", "exec " + command}, dir);
}

TEST_F(FaultInjectionTest, StandardOutputThatCannotBeWritten) {
  dir.write("in.asc", "1\n2\n");
  dir.write("in.nis", "NIST_1A\n   1024\nend_head\n" + std::string(1000, ' '));
  const std::string sndconv = SNDCONV_BIN;
  // The data stream of "++", the report, the count of -L, the -N display, the help.
  for (const std::string args : {"in.asc ++", "in.asc -", "-L in.asc -", "-N in.nis -", "-h"}) {
    ProgramResult r = run_shell(sndconv + " " + args + " > /dev/full", dir.path());
    EXPECT_EQ(r.err, "stdout: No space left on device\n") << args;
    EXPECT_EQ(r.code, 1) << args;
  }
}

TEST_F(FaultInjectionTest, FoldersAsInput) {
  dir.write("in.asc", "1\n");
  for (const char* name : {"d.wav", "d.nis", "d.htk", "d.sam", "d.mat"}) {
    std::filesystem::create_directory(dir.file(name));
    ProgramResult r = sndconv({name, "out.asc"});
    EXPECT_EQ(r.err, std::string(name) + ": Is a directory\n");
    EXPECT_EQ(r.code, 1) << name;
  }
  ProgramResult length = sndconv({"-LI", "d.wav", "in.asc", "-"});
  EXPECT_EQ(length.err, "d.wav: Is a directory\n");
  EXPECT_EQ(length.code, 1);
  ProgramResult input = run_shell(std::string(SNDCONV_BIN) + " -- out.asc < d.wav", dir.path());
  EXPECT_EQ(input.err, "stdin: Is a directory\n");
  EXPECT_EQ(input.code, 1);
}

}  // namespace
