// A test fixture that runs the built sndconv in a fresh temporary folder and
// hands back its standard output, standard error and exit code.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

inline constexpr auto npos = std::string::npos;

class SndconvTest : public ::testing::Test {
 protected:
  TempDir dir;

  ProgramResult sndconv(const std::vector<std::string>& args, const std::string& input = "") {
    return run_program(SNDCONV_BIN, args, dir.path(), input);
  }
  // Runs and expects a normal end; returns standard output.
  std::string convert(const std::vector<std::string>& args, const std::string& input = "") {
    ProgramResult r = sndconv(args, input);
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    return r.out;
  }
};

// The report line of a run that delivered `n` samples at `seconds`.
inline std::string nsample_line(long n, double seconds) {
  char line[80];
  snprintf(line, sizeof line, "nsample   =  %10li, %10.2f sec\n", n, seconds);
  return line;
}
