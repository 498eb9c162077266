// "-split" through the program: every segment of a label file into its own file,
// each equal to sox's trim of it, from a file and from a pipe; what is refused
// before any output exists; a manifest of the cuts.
#include <filesystem>

#include "tests/driver/sox_fixture.h"

namespace {

// Three segments, a blank interval and a point label between them.
const char* const labels =
    "0.25\t0.5\tone\n0.5\t0.8\t \n0.8\t1.35\ttwo / three\n1.4\t1.4\tpoint\n\\\t120\t240\n1.5\t1.9\tfour\n";

class SplitTest : public SoxTest {
 protected:
  void SetUp() override {
    SoxTest::SetUp();
    if (IsSkipped()) return;
    run_sox({"-n", "-r", "16000", "-c", "2", "-b", "16", "in.wav", "synth", "2", "sine", "300-3000", "sine",
             "440"});
    dir.write("a.txt", labels);
    std::filesystem::create_directory(dir.file("cuts"));
  }
  void expect_cuts(const std::string& folder) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cuts = {
        {"in_0001_one.wav", {"trim", "0.25", "=0.5"}},
        {"in_0002_two _ three.wav", {"trim", "0.8", "=1.35"}},
        {"in_0003_four.wav", {"trim", "1.5", "=1.9"}}};
    for (const auto& [name, trim] : cuts)
      EXPECT_EQ(as_sox_reads(folder + "/" + name), as_sox_reads("in.wav", trim)) << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file(folder)), {}),
              3 + (folder == "cuts"));
  }
};

TEST_F(SplitTest, EverySegmentIntoItsOwnFileAsSoxTrimsIt) {
  const std::string out =
      convert({"-split", "-lf", "a.txt", "-manifest", "cuts/list.tsv", "in.wav", "cuts/%b_%n_%l.wav"});
  expect_cuts("cuts");
  EXPECT_EQ(dir.read("cuts/list.tsv"),
            "file\tlabel\tstart\tend\tfirst_frame\tframes\n"
            "cuts/in_0001_one.wav\tone\t0.250000\t0.500000\t4000\t4000\n"
            "cuts/in_0002_two _ three.wav\ttwo / three\t0.800000\t1.350000\t12800\t8800\n"
            "cuts/in_0003_four.wav\tfour\t1.500000\t1.900000\t24000\t6400\n");
  // One report for all segments together.
  EXPECT_NE(out.find(nsample_line(2 * (4000 + 8800 + 6400), 2 * (4000 + 8800 + 6400) / 16000.0)),
            std::string::npos)
      << out;
  // The same from a pipe, in one pass.
  std::filesystem::create_directory(dir.file("piped"));
  const ProgramResult r = run_program("/bin/sh",
                                      {"-c", std::string("cat in.wav | ") + SNDCONV_BIN +
                                                 " -split -lf a.txt -i .wav /dev/stdin piped/in_%n_%l.wav"},
                                      dir.path());
  EXPECT_EQ(r.code, 0) << r.err;
  expect_cuts("piped");
}

TEST_F(SplitTest, WhatCannotBeCutIsRefusedBeforeAnyOutput) {
  dir.write("overlap.txt", "0\t1\ta\n0.5\t1.5\tb\n");
  const ProgramResult piped =
      run_program("/bin/sh",
                  {"-c", std::string("cat in.wav | ") + SNDCONV_BIN +
                             " -split -lf overlap.txt -i .wav /dev/stdin cuts/%n.wav"},
                  dir.path());
  EXPECT_EQ(piped.code, 1);
  EXPECT_NE(piped.out.find("segments overlap; the input cannot be positioned\n"), std::string::npos)
      << piped.out;
  dir.write("same.txt", "0\t1\ta\n1\t1.5\t a \n");
  const ProgramResult same =
      sndconv({"-split", "-lf", "same.txt", "-manifest", "cuts/m.tsv", "in.wav", "cuts/%l.wav"});
  EXPECT_EQ(same.err, "cuts/a.wav: is also an output file\n");
  for (const char* option : {"-at", "-et", "-l", "-lfo"}) {
    const ProgramResult r = sndconv({option, "1", "-split", "-lf", "a.txt", "in.wav", "cuts/%n.wav"});
    EXPECT_EQ(r.out, std::string(option) + " can not be used with -split\n");
    EXPECT_EQ(r.code, 1);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.file("cuts")));
  // Overlapping segments of a file are cut as they stand.
  convert({"-split", "-lf", "overlap.txt", "in.wav", "cuts/%n.wav"});
  EXPECT_EQ(as_sox_reads("cuts/0002.wav"), as_sox_reads("in.wav", {"trim", "0.5", "=1.5"}));
}

TEST_F(SplitTest, StartsAfterTheEndOfTheInput) {
  dir.write("late.txt", "1.5\t2.5\tlong\n3\t4\tlate\n");
  const ProgramResult r = sndconv({"-split", "-lf", "late.txt", "in.wav", "cuts/%n.wav"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "segment cuts/0002.wav starts after the end of the input\n");
  EXPECT_EQ(as_sox_reads("cuts/0001.wav"), as_sox_reads("in.wav", {"trim", "1.5"}));
  EXPECT_FALSE(dir.exists("cuts/0002.wav"));
  const ProgramResult one = sndconv({"-at", "2.5", "in.wav", "late.wav"});
  EXPECT_EQ(one.code, 1);
  EXPECT_EQ(one.err, "start time 2.5 is after the end of the input\n");
  EXPECT_TRUE(as_sox_reads("late.wav").empty());
}

}  // namespace
