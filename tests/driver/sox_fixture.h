// A test fixture for runs compared with sox, the peer that makes and reads the
// files: skipped with the reason where sox is not installed.
#pragma once
#include "tests/driver/sndconv_fixture.h"

class SoxTest : public SndconvTest {
 protected:
  std::string sox;

  void SetUp() override {
    sox = find_program("sox");
    if (sox.empty()) GTEST_SKIP() << "sox is not installed; these runs are compared with sox";
  }
  // Runs sox in the test folder; returns what it wrote on standard output.
  std::string run_sox(const std::vector<std::string>& args) {
    const ProgramResult r = run_program(sox, args, dir.path());
    EXPECT_EQ(r.code, 0) << "sox failed: " << r.err;
    return r.out;
  }
  // The samples of a file as sox reads them (16-bit), after the effects.
  std::vector<int16_t> as_sox_reads(const std::string& file, const std::vector<std::string>& effects = {}) {
    std::vector<std::string> args = {file, "-t", "raw", "-e", "signed-integer", "-b", "16", "-L", "-"};
    args.insert(args.end(), effects.begin(), effects.end());
    return le16_samples(run_sox(args));
  }
};
