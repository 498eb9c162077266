// The conventions users expect around the two command lines: "--help" and
// "--version" as the only argument, on standard output with exit code 0.
#include <gtest/gtest.h>

#include "tests/docs/docs_support.h"

namespace {

// Runs the program with the one word in an empty folder, which must stay empty.
ProgramResult run_alone(const std::string& program, const std::string& word) {
  TempDir dir;
  const ProgramResult r = run_program(program, {word}, dir.path());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << program << " " << word << " wrote a file";
  EXPECT_EQ(r.code, 0) << program << " " << word;
  EXPECT_EQ(r.err, "") << program << " " << word;
  return r;
}

}  // namespace

TEST(Conventions, HelpAndVersionAsTheOnlyArgument) {
  const std::string sndconvHelp = run_program(SNDCONV_BIN, {"-h"}, ".").out;
  const std::string tonemakerHelp = run_program(TONEMAKER_BIN, {"-h"}, ".").out;
  ASSERT_NE(tonemakerHelp.find('\n'), std::string::npos);
  EXPECT_EQ(run_alone(SNDCONV_BIN, "--help").out, sndconvHelp);
  EXPECT_EQ(run_alone(SNDCONV_BIN, "--version").out, run_program(SNDCONV_BIN, {"-V"}, ".").out);
  EXPECT_EQ(run_alone(TONEMAKER_BIN, "--help").out, tonemakerHelp);
  EXPECT_EQ(run_alone(TONEMAKER_BIN, "--version").out, tonemakerHelp.substr(0, tonemakerHelp.find('\n') + 1));
}
