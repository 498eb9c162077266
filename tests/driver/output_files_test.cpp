// The output stage through the program: no output over an input or over another
// output (standard output and standard input included), refusals before any file
// is touched, extensions replaced after the last '/', samples alone on a pipe.
#include "tests/driver/sndconv_fixture.h"

namespace {

class OutputFilesTest : public SndconvTest {
 protected:
  void SetUp() override { dir.write("in.voc", le16_bytes({5, -6, 7, -8})); }
  ProgramResult shell(const std::string& command) {
    return run_program("/bin/bash", {"-o", "pipefail", "-c", command}, dir.path());
  }
  const std::string sndconv_bin = SNDCONV_BIN;
};

TEST_F(OutputFilesTest, NoOutputOverAnInputOrAnotherOutput) {
  // Standard output appended to the input: nothing is printed into it.
  ProgramResult r = shell(sndconv_bin + " in.voc ++ >> in.voc");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "stdout: is also an input file\n");
  EXPECT_EQ(dir.read("in.voc"), le16_bytes({5, -6, 7, -8}));
  // Standard input that a composed name would empty.
  dir.write("yunknown#0.asc", "1\n2\n");
  r = shell(sndconv_bin + " -cm -- y.asc < 'yunknown#0.asc'");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "yunknown#0.asc: is also an input file\n");
  EXPECT_EQ(dir.read("yunknown#0.asc"), "1\n2\n");
  // Two outputs that are one file: neither a new nor an old one is touched.
  r = sndconv({"-lfo", "new.voc", "in.voc", "new.voc"});
  EXPECT_EQ(r.err, "new.voc: is also an output file\n");
  EXPECT_FALSE(dir.exists("new.voc"));
  dir.write("old.voc", "kept");
  r = sndconv({"-lfo", "./old.voc", "in.voc", "old.voc"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "./old.voc: is also an output file\n");
  EXPECT_EQ(dir.read("old.voc"), "kept");
  // The length file written at the end is checked with the outputs, before them.
  r = sndconv({"-LF", "old.voc", "in.voc", "old.voc"});
  EXPECT_EQ(r.err, "old.voc: is also an output file\n");
  EXPECT_EQ(dir.read("old.voc"), "kept");
}

TEST_F(OutputFilesTest, ExtensionsAreReplacedAfterTheLastSlash) {
  std::filesystem::create_directory(dir.file("run.d"));
  dir.write("run.d/rec", le16_bytes({1, 2}));
  convert({"-i", "x.voc", "run.d/rec", ".wav"});
  EXPECT_TRUE(dir.exists("run.d/rec.wav"));
  EXPECT_FALSE(dir.exists("run.wav"));
  convert({"-nc", "2", "-i", ".voc", "-o", ".mul", "run.d/rec", "run.d/st"});
  EXPECT_EQ(dir.read("run.d/st_c1.voc"), le16_bytes({2}));
  convert({"-cm_tr", "a", "-i", ".voc", "-o", ".voc", "run.d/rec", "run.d/x"});
  EXPECT_EQ(dir.read("run.d/xa#0.voc"), dir.read("run.d/rec"));
}

TEST_F(OutputFilesTest, SamplesOnStandardOutputAloneAndWavReadWholeFromAPipe) {
  const ProgramResult piped = shell(sndconv_bin + " -L in.voc ++ | " + sndconv_bin + " -L -- back.voc");
  EXPECT_EQ(piped.code, 0) << piped.err;
  EXPECT_EQ(piped.out, "4\n");
  EXPECT_EQ(dir.read("back.voc"), dir.read("in.voc"));
  const std::string wav = sndconv_bin + " -o .wav in.voc /dev/stdout 2>/dev/null | ";
  const std::string sox = find_program("sox");
  if (sox.empty()) GTEST_SKIP() << "sox is not installed";
  ProgramResult r = shell(wav + sox + " -t wav - -t raw -e signed -b 16 -L peer.raw");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(dir.read("peer.raw"), dir.read("in.voc"));
  r = shell(wav +
            "/usr/bin/python3 -c 'import sys,wave; w=wave.open(sys.stdin.buffer); "
            "sys.stdout.buffer.write(w.readframes(1 << 20))'");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, dir.read("in.voc"));
}

}  // namespace
