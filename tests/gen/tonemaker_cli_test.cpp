// Tests of tonemaker's command line, mostly end to end: usage hint, help, refused
// arguments, the output name rule, value reading, failing files, an in-process run.
#include <gtest/gtest.h>

#include "gen/tonemaker.h"
#include "tests/gen/tonemaker_run.h"

// The help text with every default value.
static const std::string defaultHelp =
    "*** Tamsel signal generator V1.3 ****\n"
    "USAGE: tonemaker [ opt ]  outname\n"
    "OPTIONS:\n"
    "   -v:    verbose mode \n"
    "   -fo:   float output \n"
    "   -a y   amplitude             D=2048.00\n"
    "   -f y   frequency             D=500.00\n"
    "   -f2 y  2nd freq. for sweep   D=500.00\n"
    "   -s y   sampling rate         D=8000.00\n"
    "   -n i   #samples              D=512\n"
    "   -nc i  #const F samples B/E  D=0\n"
    "   -nz i  #zero samples    B/E  D=0\n"
    "   -type                        D=sin\n"
    "    type :  rect, tri, imp, const\n"
    "    Default output:  tonemaker.asc\n";

TEST(TonemakerCli, NoArgumentsPrintsUsageHint) {
  ToneRun run = run_tone({});
  EXPECT_EQ(run.result.out, "use  tonemaker  -h for help\n");
  EXPECT_EQ(run.result.code, 0);
  EXPECT_FALSE(run.written);
}

TEST(TonemakerCli, HelpShowsSettingsGivenBeforeIt) {
  EXPECT_EQ(run_tone({"-?"}).result.out, defaultHelp);
  ToneRun run = run_tone({"-a", "100", "-h", "-zz", "out.asc"}, "out.asc");
  EXPECT_NE(run.result.out.find("   -a y   amplitude             D=100.00\n"), std::string::npos);
  EXPECT_EQ(run.result.code, 0);
  EXPECT_FALSE(run.written);
  // Counts beyond 32 bits saturate.
  EXPECT_NE(run_tone({"-n", "99999999999", "-h"}).result.out.find("#samples              D=2147483647\n"),
            std::string::npos);
  EXPECT_NE(run_tone({"-n", "-99999999999", "-h"}).result.out.find("#samples              D=-2147483648\n"),
            std::string::npos);
}

TEST(TonemakerCli, ArgumentNotUnderstoodStopsWithoutFile) {
  for (auto args : {std::vector<std::string>{"out.asc", "-f", "1000"}, {"-sin", "x"}}) {
    ToneRun run = run_tone(args, args[0]);
    EXPECT_EQ(run.result.out, "don't understand " + args[0] + "\n");
    EXPECT_EQ(run.result.code, 1);
    EXPECT_FALSE(run.written);
  }
}

TEST(TonemakerCli, ValueOptionAsLastArgument) {
  for (std::string option : {"-f", "-f2", "-nz"}) {
    ToneRun run = run_tone({"-v", option});
    EXPECT_EQ(run.result.out, "missing value for " + option + "\n");
    EXPECT_EQ(run.result.code, 1);
    EXPECT_FALSE(run.written);
  }
}

TEST(TonemakerCli, OutputNameIsAnUnknownLastArgument) {
  EXPECT_EQ(run_tone({"-f", "1000", "out.asc"}, "out.asc").lines.size(), 512u);
  EXPECT_EQ(run_tone({"-f", "1000"}).lines.size(), 512u);  // value, not a name
  EXPECT_TRUE(run_tone({"-x"}, "-x").written);
  EXPECT_TRUE(run_tone({"-n", "3", "-sin"}, "-sin").written);
  std::string longName(220, 'w');
  ToneRun run = run_tone({"-n", "2", longName}, longName);
  EXPECT_EQ(run.lines, (std::vector<std::string>{"0", "783"}));
}

TEST(TonemakerCli, ValuesAreReadAsLeadingNumbers) {
  EXPECT_EQ(run_tone({"-const", "-n", "2", "-a", "-5"}).lines, (std::vector<std::string>{"-5", "-5"}));
  EXPECT_EQ(run_tone({"-const", "-n", "2x", "-a", "1.5e1y"}).lines, (std::vector<std::string>{"15", "15"}));
  EXPECT_EQ(run_tone({"-const", "-n", "many", "-a", "loud"}).lines, std::vector<std::string>(512, "2048"));
  EXPECT_EQ(run_tone({"-const", "-n", "3", "-tri", "-const"}).lines, std::vector<std::string>(3, "2048"));
}

TEST(TonemakerCli, VerbosePrintsTheStartFrequency) {
  EXPECT_EQ(run_tone({"-v", "o"}).result.out, "frequency  = 500.000000\n");
  EXPECT_EQ(run_tone({"-f2", "200", "-f", "300.5", "-v", "o"}).result.out, "frequency  = 300.500000\n");
}

TEST(TonemakerCli, SamplingRateZeroIsRefused) {
  ToneRun run = run_tone({"-s", "0", "out.asc"}, "out.asc");
  EXPECT_EQ(run.result.out, "sampling rate must not be 0\n");
  EXPECT_EQ(run.result.code, 1);
  EXPECT_FALSE(run.written);
}

TEST(TonemakerCli, FileThatCannotBeWrittenFails) {
  for (std::string count : {"512", "300000"}) {  // fails at the close, and while writing
    ToneRun run = run_tone({"-n", count, "/dev/full"});
    EXPECT_EQ(run.result.code, 1);
    EXPECT_EQ(run.result.err, "/dev/full: No space left on device\n");
  }
  ToneRun run = run_tone({"no/such/dir.asc"});
  EXPECT_EQ(run.result.code, 2);
  EXPECT_EQ(run.result.err, "no/such/dir.asc: No such file or directory\n");
}

TEST(TonemakerCli, TerminationKeepsTheWholeLinesWritten) {
  TempDir dir;
  const std::string script =
      std::string(TONEMAKER_BIN) + " -const -a 7 -n 200000000 long.asc & sleep 0.3; kill -TERM $!; wait $!";
  const ProgramResult r = run_program("/bin/sh", {"-c", script}, dir.path());
  EXPECT_EQ(r.code, 143);
  EXPECT_EQ(r.err, "interrupted\n");
  const std::string text = dir.read("long.asc");
  ASSERT_FALSE(text.empty());
  EXPECT_LT(text.size(), 400000000u);
  EXPECT_EQ(text.find_first_not_of("7\n"), std::string::npos);
  EXPECT_EQ(text.size() % 2, 0u);
  EXPECT_EQ(text.back(), '\n');
}

TEST(TonemakerCli, RunsAsAFunction) {
  TempDir dir;
  std::string name = dir.file("c.asc");
  std::vector<std::string> words{"tonemaker", "-const", "-a", "-7.9", "-n", "3", name};
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  EXPECT_EQ(tonemaker_main(int(argv.size()), argv.data()), 0);
  EXPECT_EQ(dir.read("c.asc"), "-7\n-7\n-7\n");
}
