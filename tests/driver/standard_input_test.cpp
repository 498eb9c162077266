// Standard input is an input like any other: an output, the length file or standard
// output that is the file standard input reads is refused before anything is written.
#include "tests/driver/sndconv_fixture.h"

namespace {

class StandardInputTest : public SndconvTest {
 protected:
  // Runs sndconv with standard input from in.asc and the redirections that follow.
  ProgramResult from_in_asc(const std::string& args, const std::string& redirections = "") {
    return run_program("/bin/sh", {"-c", std::string(SNDCONV_BIN) + " " + args + " < in.asc" + redirections},
                       dir.path());
  }
};

TEST_F(StandardInputTest, AnOutputThatIsStandardInputIsRefused) {
  dir.write("in.asc", "1\n2\n");
  ProgramResult r = from_in_asc("-- in.asc");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "in.asc: is also an input file\n");
  r = from_in_asc("-L -LF in.asc -- -");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out + r.err, "in.asc: is also an input file\n") << "refused before the count";
  // Refused before the names are echoed.
  r = from_in_asc("-- ++", " >> in.asc");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "stdout: is also an input file\n");
  EXPECT_EQ(dir.read("in.asc"), "1\n2\n");
}

}  // namespace
