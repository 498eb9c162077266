// The block readers of the A-law, A-law hex, mu-law hex, float text, PCM,
// Speechdat-Car and MOTOROLA inputs, through the program (each run writes ASCII).

#include <filesystem>

#include "core/stop.h"
#include "formats/dispatch.h"
#include "formats/registry.h"
#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/g711_values.h"

namespace {

using ReadersTest = SndconvTest;

std::string repeated(const std::string& token, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += token + "\n";
  return text;
}

TEST_F(ReadersTest, AlawBytesDecodeToG711Values) {
  std::string bytes;
  std::vector<int> expected;
  for (unsigned code = 0; code < 256; ++code) {
    bytes.push_back(static_cast<char>(code));
    expected.push_back(alaw_value(code));
  }
  dir.write("in.ala", bytes);
  convert({"in.ala", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), ascii_lines(expected));
  dir.write("in.ala", std::string("\xD5\x55\xAA\x2A\x80\x00\xFC\xFF\x7F", 9));
  convert({"in.ala", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), ascii_lines({1, -1, 4032, -4032, 688, -688, 102, 106, -106}));
}

TEST_F(ReadersTest, AlawPairExchangeLeavesAnOddLastByte) {
  // 999 bytes fill one short block; 1999 bytes a full block and a short one.
  for (int n : {999, 1999}) {
    std::string bytes;
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<char>((i * 7) & 0xFF));
    std::vector<int> expected;
    for (int i = 0; i < n; ++i) {
      const int partner = (i ^ 1) < n ? (i ^ 1) : i;
      expected.push_back(alaw_value(static_cast<uint8_t>(bytes[partner])));
    }
    dir.write("in.ala", bytes);
    std::string out = convert({"-v", "-sw", "in.ala", "out.asc"});
    EXPECT_EQ(dir.read("out.asc"), ascii_lines(expected)) << n;
    EXPECT_NE(out.find(n == 999 ? "cnt = 999\ncnt = 0\n" : "cnt = 1000\ncnt = 999\ncnt = 0\n"),
              std::string::npos);
  }
}

TEST_F(ReadersTest, AlawBitReversal) {
  dir.write("in.ala", "\xAB");
  convert({"-br", "in.ala", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "1\n");
  // Exchanged first, then reversed: 2A AB -> AB 2A -> D5 54.
  dir.write("in.ala", "\x2A\xAB");
  convert({"-sw", "-br", "in.ala", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "1\n-3\n");
}

TEST_F(ReadersTest, AlawHexUsesTheLowEightBits) {
  dir.write("in.ahx", "D5 55\n1D5\td5 0xd5");
  std::string out = convert({"-v", "in.ahx", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "1\n-1\n1\n1\n1\n");
  EXPECT_NE(out.find("11010101\n01010101\n11010101\n11010101\n11010101\ncnt = 5\n"), std::string::npos)
      << out;
  // The bits are shown after the reversal.
  dir.write("in.ahx", "AB\n");
  out = convert({"-v", "-br", "in.ahx", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "1\n");
  EXPECT_NE(out.find("11010101\ncnt = 1\n"), std::string::npos) << out;
}

TEST_F(ReadersTest, TextStopsNameTheValuesAcceptedBefore) {
  // The 1001st value is bad: the first block was written and stays.
  dir.write("in.ahx", repeated("D5", 1000) + "zz\n");
  ProgramResult late = sndconv({"in.ahx", "out.asc"});
  EXPECT_TRUE(late.out.ends_with("unrecognizable input in file in.ahx at line 1000\n")) << late.out;
  EXPECT_EQ(late.code, 1);
  EXPECT_EQ(dir.read("out.asc"), repeated("1", 1000));
  // Each value is scanned where the previous one stopped.
  dir.write("in.ahx", "D5G 55");
  ProgramResult glued = sndconv({"in.ahx", "-"});
  EXPECT_TRUE(glued.out.ends_with("at line 1\n")) << glued.out;
  dir.write("in.fas", "1.0 2 abc");
  ProgramResult text = sndconv({"in.fas", "-"});
  EXPECT_TRUE(text.out.ends_with("unrecognizable input in file in.fas at line 2\n")) << text.out;
  EXPECT_EQ(text.code, 1);
}

TEST_F(ReadersTest, TextEndingAtTheThousandthValue) {
  const std::pair<std::string, std::string> cases[] = {{"in.ahx", "D5"}, {"in.fas", "0.5"}, {"in.io", "007"}};
  for (const auto& [name, token] : cases) {
    for (const std::string& tail : {std::string(""), std::string("\n \n")}) {
      std::string text = repeated(token, 1000);
      text.pop_back();
      dir.write(name, text + tail);
      std::string out = convert({"-v", name, "-"});
      EXPECT_NE(out.find("cnt = 1000\ncnt = 0\n" + nsample_line(1000, 0.125)), std::string::npos)
          << name << out;
    }
  }
}

TEST_F(ReadersTest, FloatTextKeepsFractions) {
  dir.write("in.fas", "1.5 -2.25\n3.75 .5e0");
  std::string out = convert({"-s", "2", "in.fas", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "3\n-4\n7\n1\n");
  EXPECT_NE(out.find("min       =       -4.50\nmax       =        7.50\nmean      =        1.75\n"),
            std::string::npos)
      << out;
}

TEST_F(ReadersTest, PcmIsMostSignificantByteFirst) {
  dir.write("in.pcm", "\x01\x02\x03");
  convert({"in.pcm", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "258\n");
  convert({"-sw", "in.pcm", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "258\n");
}

TEST_F(ReadersTest, SpdcarWordsLoseTheirOffset) {
  dir.write("in.dev", le16_bytes({0, -32768, -1}) + "\x07");
  convert({"in.dev", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "-32768\n0\n32767\n");
  dir.write("in.dev", std::string("\x80\x00\x00\x01\xFF\xFE", 6));
  convert({"-sw", "in.dev", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "0\n-32767\n32766\n");
}

TEST_F(ReadersTest, MotorolaLeadingZerosReadAsDecimal) {
  const std::string longToken = std::string(300, '0') + "5";
  dir.write("in.io", "0012 -0012 000 -000 +012 70000\n0 -05 -12 -0 " + longToken + " -12abc");
  convert({"in.io", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), ascii_lines({12, -12, 0, 0, 10, 4464, 0, -5, -12, 0, 5, -12}));
  for (const char* bad : {"abc", "-", "--5", "-+5", "0x1A"}) {
    dir.write("bad.io", std::string("7 -08 ") + bad + " 9\n");
    ProgramResult r = sndconv({"bad.io", "out.asc"});
    EXPECT_TRUE(r.out.ends_with("unrecognizable input in file bad.io at line 2\n")) << bad << r.out;
    EXPECT_EQ(r.code, 1) << bad;
  }
}

TEST_F(ReadersTest, MulawHexStopsAtTheFirstValue) {
  dir.write("in.mhx", " \n\t");
  std::string out = convert({"in.mhx", "out.asc"});
  EXPECT_NE(out.find(nsample_line(0, 0)), std::string::npos) << out;
  dir.write("in.mhx", "\n80 81\n");
  ProgramResult r = sndconv({"in.mhx", "out.asc"});
  EXPECT_TRUE(
      r.out.ends_with("inmode = mu-law hex,   outmode = ASCII\nfunction audio_u2s not implemented on PC\n"))
      << r.out;
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(dir.read("out.asc"), "");
  dir.write("in.mhx", "zz");
  ProgramResult bad = sndconv({"in.mhx", "out.asc"});
  EXPECT_TRUE(bad.out.ends_with("unrecognizable input in file in.mhx at line 0\n")) << bad.out;
}

TEST_F(ReadersTest, DirectoryInputIsAReadError) {
  for (const char* name : {"d.ala", "d.pcm", "d.dev", "d.ahx", "d.mhx", "d.fas", "d.io"}) {
    std::filesystem::create_directory(dir.file(name));
    ProgramResult r = sndconv({name, "out.asc"});
    EXPECT_EQ(r.err, std::string(name) + ": Is a directory\n");
    EXPECT_EQ(r.code, 1) << name;
    EXPECT_TRUE(dir.exists("out.asc")) << name;
    std::filesystem::remove(dir.file("out.asc"));
  }
}

// matlab data has no reader; the header step in front of it is not needed here.
TEST(ReadBlock, MatlabStopsAtTheFirstBlock) {
  RunSettings s;
  s.inmode = s.readMode = MODE_MATLAB;
  RunState run;
  int code = -1;
  testing::internal::CaptureStdout();
  try {
    read_block(s, run);
  } catch (const RunStop& stop) {
    code = stop.code;
  }
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, "Unknown input mode matlab!\n");
  EXPECT_EQ(code, 1);
}

}  // namespace
