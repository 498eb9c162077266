// The conversion run through the program: opening by mode, skip and segment,
// decimation, the limit, the sample transform, output names and the refusals.
#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

std::vector<int16_t> stage_ramp(int n, int start = 0) {
  std::vector<int16_t> v;
  for (int i = 0; i < n; ++i) v.push_back(static_cast<int16_t>(start + i));
  return v;
}

using RunStagesTest = SndconvTest;

TEST_F(RunStagesTest, StartTimeSkipsWholeFramesOfAllChannels) {
  std::vector<int16_t> input = stage_ramp(20000);
  dir.write("in.voc", le16_bytes(input));
  std::string out = convert({"-at", "0.5", "-nc", "2", "-l", "4", "in.voc", "out.voc"});
  EXPECT_NE(out.find("skip_size = 8000\n"), std::string::npos) << out;
  // Byte 16000 is sample 8000.
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{8000, 8001, 8002, 8003}));
  // -hs is not multiplied by the channel count and prints nothing.
  out = convert({"-hs", "10", "-nc", "2", "-l", "2", "in.voc", "out.voc"});
  EXPECT_EQ(out.find("skip_size"), std::string::npos);
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{10, 11}));
}

TEST_F(RunStagesTest, EndTimeBecomesTheSampleLimit) {
  dir.write("in.voc", le16_bytes(stage_ramp(10000)));
  std::string out = convert({"-at", "0.25", "-et", "1.0", "in.voc", "out.voc"});
  EXPECT_NE(out.find("skip_size = 2000\nmaxsample = 6000\n"), std::string::npos) << out;
  std::vector<int16_t> got = le16_samples(dir.read("out.voc"));
  ASSERT_EQ(got.size(), 6000u);
  EXPECT_EQ(got.front(), 2000);
  EXPECT_EQ(got.back(), 7999);

  ProgramResult empty = sndconv({"-at", "0.25", "-et", "0.25", "in.voc", "out.voc"});
  EXPECT_NE(empty.out.find("maxsample = 0\nExtracted segment has only length 0\n"), std::string::npos);
  EXPECT_EQ(empty.code, 1);
}

TEST_F(RunStagesTest, SkipWorksOnlyWhereTheInputCanSeek) {
  dir.write("in.asc", "1\n2\n");
  ProgramResult text = sndconv({"-hs", "1", "in.asc", "-"});
  EXPECT_NE(text.out.find("sorry! skipping in input mode ASCII not implemented\n"), std::string::npos);
  EXPECT_EQ(text.code, 1);
  ProgramResult pipe = sndconv({"-at", "0.001", "--", "-"}, "1\n2\n");
  EXPECT_NE(pipe.out.find("skip_size = 8\nsorry! skipping in input mode ASCII not implemented\n"),
            std::string::npos)
      << pipe.out;
  EXPECT_EQ(pipe.code, 1);
  EXPECT_EQ(sndconv({"-et", "0.00025", "in.asc", "-"}).code, 0);
  // A start time counts even below half a sample: text inputs refuse it.
  ProgramResult small = sndconv({"-at", "0.00001", "-et", "0.00025", "in.asc", "-"});
  EXPECT_NE(small.out.find("skip_size = 0\n"), std::string::npos) << small.out;
  EXPECT_EQ(small.code, 1);
  dir.write("in.voc", le16_bytes({1, 2}));
  ProgramResult negative = sndconv({"-hs", "-5", "in.voc", "-"});
  EXPECT_EQ(negative.err, "skip header: Invalid argument\n");
  EXPECT_EQ(negative.code, 1);
}

TEST_F(RunStagesTest, DecimationKeepsPositionsAcrossBlocks) {
  std::vector<int16_t> input = stage_ramp(2500);
  dir.write("in.voc", le16_bytes(input));
  std::string out = convert({"-v", "-inc", "3", "in.voc", "out.voc"});
  EXPECT_NE(out.find("cnt = 1000\nrest = 2 1002\n"), std::string::npos) << out;
  EXPECT_NE(out.find("cnt = 1000\nrest = 1 1001\n"), std::string::npos);
  EXPECT_NE(out.find("cnt = 500\nrest = 2 502\n"), std::string::npos);
  std::vector<int16_t> got = le16_samples(dir.read("out.voc"));
  ASSERT_EQ(got.size(), 834u);
  for (size_t k = 0; k < got.size(); ++k) ASSERT_EQ(got[k], static_cast<int16_t>(3 * k));
}

TEST_F(RunStagesTest, LimitCutsTheCrossingBlock) {
  dir.write("in.voc", le16_bytes(stage_ramp(3000)));
  std::string out = convert({"-v", "-l", "1500", "in.voc", "out.voc"});
  EXPECT_NE(out.find(nsample_line(1500, 1500.0 / 8000)), std::string::npos);
  // The third turn reads and then ends the loop.
  EXPECT_NE(out.find("cnt = 1000\ncnt = 1000\ncnt = 1000\nnsample"), std::string::npos) << out;
  EXPECT_EQ(le16_samples(dir.read("out.voc")), stage_ramp(1500));
  // The limit counts after decimation.
  convert({"-inc", "2", "-l", "700", "in.voc", "out.voc"});
  std::vector<int16_t> got = le16_samples(dir.read("out.voc"));
  ASSERT_EQ(got.size(), 700u);
  EXPECT_EQ(got.back(), 1398);
}

TEST_F(RunStagesTest, ScaleMeanAndClipFollowTheFloatRules) {
  dir.write("in.asc", "150\n-150\n20000\n-3\n");
  convert({"-c", "100", "-s", "1.0047", "in.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "100\n-100\n100\n-3\n");
  convert({"-c", "-100", "in.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "100\n100\n100\n100\n");
  // No saturation: 40000 wraps to -25536 while the statistics see 40000.
  std::string out = convert({"-s", "2", "in.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "300\n-300\n-25536\n-6\n");
  EXPECT_NE(out.find("max       =    40000.00\n"), std::string::npos) << out;
  // Truncation toward zero after the mean is subtracted.
  convert({"-m", "0.7", "in.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "149\n-150\n19999\n-3\n");
  // A huge factor leaves the 64-bit range: 0.
  convert({"-s", "1e30", "in.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "0\n0\n0\n0\n");
}

TEST_F(RunStagesTest, AsciiInputFollowsTheIntegerScan) {
  dir.write("in.asc", "010 0x10 -0X1f\t+7\n\n 70000");
  convert({"in.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "8\n16\n-31\n7\n4464\n");
  dir.write("bad.asc", "1.5\n2\n");
  ProgramResult bad = sndconv({"bad.asc", "out.asc"});
  EXPECT_EQ(bad.out,
            "bad.asc\nout.asc\ninmode = ASCII,   outmode = ASCII\n"
            "unrecognizable input in file bad.asc at value 1\n");
  EXPECT_EQ(bad.code, 1);
  // The run-wide count names the value across block borders.
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "1\n";
  dir.write("late.asc", many + "x\n");
  ProgramResult late = sndconv({"late.asc", "-"});
  EXPECT_NE(late.out.find("at value 1000\n"), std::string::npos);
}

TEST_F(RunStagesTest, HexTextRoundTrips) {
  dir.write("in.asc", "-1\n255\n-32768\n32767\n0\n");
  convert({"-xo", "in.asc", "hex.asc"});
  EXPECT_EQ(dir.read("hex.asc"), "ffffffff\nff\nffff8000\n7fff\n0\n");
  convert({"-xi", "hex.asc", "back.asc"});
  EXPECT_EQ(dir.read("back.asc"), dir.read("in.asc"));
  // Every token gets the 0x prefix, so a token of no hex digits still scans as 0.
  dir.write("odd.asc", "12 zz 1A\n");
  convert({"-xi", "odd.asc", "back.asc"});
  EXPECT_EQ(dir.read("back.asc"), "18\n0\n26\n");
}

TEST_F(RunStagesTest, EveryShortValueWritesAsPrintfDoes) {
  std::vector<int16_t> all;
  std::string decimal, hex;
  for (int v = -32768; v <= 32767; ++v) {
    all.push_back(static_cast<int16_t>(v));
    char line[16];
    snprintf(line, sizeof line, "%d\n", v);
    decimal += line;
    snprintf(line, sizeof line, "%x\n", static_cast<unsigned>(v));
    hex += line;
  }
  dir.write("all.voc", le16_bytes(all));
  convert({"-ns", "all.voc", "all.asc"});
  EXPECT_EQ(dir.read("all.asc"), decimal);
  convert({"-ns", "-xo", "all.voc", "all.asc"});
  EXPECT_EQ(dir.read("all.asc"), hex);
  // And both read back to the same samples.
  convert({"-ns", "-xi", "all.asc", "back.voc"});
  EXPECT_EQ(dir.read("back.voc"), dir.read("all.voc"));
}

TEST_F(RunStagesTest, TwelveBitAndGroupedValues) {
  dir.write("in.asc", "4095 2048 2047 -5 4096\n");
  convert({"-C", "in.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "-1\n-2048\n2047\n-5\n-2048\n");
  dir.write("pairs.asc", "1 2 3 4 5");
  convert({"-ai", "2", "pairs.asc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "2\n4\n");
}

TEST_F(RunStagesTest, LinearInputDropsAnOddByteAndSwaps) {
  dir.write("in.voc", std::string("\x01\x02\x03\x04\x05", 5));
  convert({"in.voc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "513\n1027\n");
  convert({"-sw", "in.voc", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "258\n772\n");
  dir.write("in.asc", std::to_string(0x1234) + "\n");
  convert({"in.asc", "out.voc"});
  EXPECT_EQ(dir.read("out.voc"), "\x34\x12");
  convert({"-swo", "in.asc", "out.voc"});
  EXPECT_EQ(dir.read("out.voc"), "\x12\x34");
}

TEST_F(RunStagesTest, StandardInputAndOutput) {
  // The samples take standard output; every text goes to standard error.
  ProgramResult r = sndconv({"--", "++"}, "3 -4\n5");
  EXPECT_EQ(r.out, "3\n-4\n5\n");
  EXPECT_EQ(r.err, "--\n++\ninmode = STDIN_A,   outmode = STDOUT_A\n" + nsample_line(3, 3 / 8000.0) +
                       "min       =       -4.00\nmax       =        5.00\nmean      =        1.33\n"
                       "energy    =     16.6667,  std =    3.85861\n");
  EXPECT_EQ(r.code, 0);
  dir.write("in.asc", "1 2");
  ProgramResult quiet = sndconv({"-LF", "n.txt", "in.asc", "++"});
  EXPECT_EQ(quiet.out, "1\n2\n");
  EXPECT_EQ(quiet.err, "2\n");
  EXPECT_EQ(dir.read("n.txt"), "2\n");
}

TEST_F(RunStagesTest, OutputNamesFromTheInputOrComposed) {
  std::filesystem::create_directory(dir.file("d"));
  std::filesystem::create_directory(dir.file("out"));
  dir.write("d/x.voc", le16_bytes({1, 2}));
  std::string out = convert({"d/x.voc", ".asc"});
  EXPECT_EQ(out.find("New outname"), std::string::npos);
  EXPECT_EQ(dir.read("d/x.asc"), "1\n2\n");

  out = convert({"-cm_tr", "abc", "-cm_id", "7", "d/x.voc", "out/.asc"});
  EXPECT_NE(out.find("New outname : out/abc#7.asc\n"), std::string::npos) << out;
  EXPECT_EQ(dir.read("out/abc#7.asc"), "1\n2\n");
  out = convert({"-cm", "d/x.voc", "y.asc"});
  EXPECT_NE(out.find("New outname : yunknown#0.asc\n"), std::string::npos) << out;

  ProgramResult noExtension = sndconv({"d/x.voc", ".ala"});
  EXPECT_NE(noExtension.out.find("EXTENSION_NAME: sorry! mode not implemented\n"), std::string::npos);
  EXPECT_EQ(noExtension.code, 1);
}

TEST_F(RunStagesTest, RefusedInputAndOutputModes) {
  dir.write("in.asc", "1\n");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"x.asm", "-"}, "sorry! Assembler is (up to now) a output only mode\n"},
      {{"x.au", "-"}, "sorry! input mode  SUN-Audio not implemented\n"},
      {{"-", "y.asc"}, "sorry! input mode  NONE not implemented\n"},
      {{"++", "y.asc"}, "sorry! input mode  STDOUT_A not implemented\n"},
      {{"x.mul", "y.asc"}, "sorry! input mode  multi channel not implemented\n"},
      {{"in.asc", "y.pcm"}, "sorry! output mode PCM not implemented\n"},
      {{"in.asc", "--"}, "sorry! output mode STDIN_A not implemented\n"},
      {{"in.asc", "y.nis"}, "sorry! output mode NIST not implemented\n"},
      {{"in.asc", "y.htk"}, "sorry! output mode HTK not implemented\n"},
      {{"in.asc", "y.dev"}, "sorry! output mode SPDCAR not implemented\n"},
      {{"in.asc", "y.mat"}, "sorry! output mode matlab not implemented\n"},
      {{"in.asc", "y.au"}, "sorry! output mode SUN-Audio not implemented\n"},
  };
  for (const Case& c : cases) {
    ProgramResult r = sndconv(c.args);
    EXPECT_EQ(r.code, 1) << c.message;
    ASSERT_GE(r.out.size(), c.message.size());
    EXPECT_EQ(r.out.substr(r.out.size() - c.message.size()), c.message);
  }
}

TEST_F(RunStagesTest, MotorolaOutputStopsAtTheFirstBlock) {
  dir.write("in.asc", "1\n");
  dir.write("out.io", "kept");
  ProgramResult r = sndconv({"in.asc", "out.io"});
  EXPECT_NE(r.out.find("Unknown output mode!\n"), std::string::npos);
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(dir.read("out.io"), "kept");
  dir.write("empty.asc", "");
  EXPECT_EQ(sndconv({"empty.asc", "new.io"}).code, 1);
  EXPECT_FALSE(dir.exists("new.io"));
}

TEST_F(RunStagesTest, FilesThatCannotBeOpenedOrWritten) {
  ProgramResult missing = sndconv({"none.asc", "out.voc"});
  EXPECT_EQ(missing.err, "none.asc: No such file or directory\n");
  EXPECT_EQ(missing.code, 1);
  EXPECT_FALSE(dir.exists("out.voc"));

  dir.write("in.asc", "1\n2\n");
  ProgramResult full = sndconv({"-o", "x.voc", "in.asc", "/dev/full"});
  EXPECT_EQ(full.err, "/dev/full: No space left on device\n");
  EXPECT_EQ(full.code, 1);
  ProgramResult fullText = sndconv({"-o", "x.asc", "in.asc", "/dev/full"});
  EXPECT_EQ(fullText.code, 1);

  std::filesystem::create_directory(dir.file("d.voc"));
  ProgramResult directory = sndconv({"d.voc", "out.asc"});
  EXPECT_EQ(directory.err, "d.voc: Is a directory\n");
  EXPECT_EQ(directory.code, 1);
  std::filesystem::create_directory(dir.file("t.asc"));
  EXPECT_EQ(sndconv({"t.asc", "out.asc"}).code, 1);
}

}  // namespace
