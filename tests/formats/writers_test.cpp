// The block writers through the program: VAX-ILS words, A-law bytes and hex
// text, float text, mu-law hex, channel files, and write errors on each output.
#include <filesystem>

#include "tests/driver/sndconv_fixture.h"

namespace {

using WritersTest = SndconvTest;

// A-law code of the even value 2m (m 0..15, segment 0), and of -2m.
int alaw_code_of_even(int value) { return value >= 0 ? ((0x80 | value / 2) ^ 0x55) : ((-value / 2) ^ 0x55); }

std::string bytes_of(const std::vector<int>& codes) {
  std::string bytes;
  for (int c : codes) bytes.push_back(static_cast<char>(c));
  return bytes;
}

// Values 0, 2, ..., 30, 0, ... over the input positions.
std::vector<int> even_cycle(int n) {
  std::vector<int> v;
  for (int i = 0; i < n; ++i) v.push_back(2 * (i % 16));
  return v;
}

TEST_F(WritersTest, VaxIlsWordsAreAlwaysMostSignificantFirst) {
  std::vector<int> input;
  for (int i = 0; i < 1500; ++i) input.push_back(i * 37 - 20000);
  input[0] = 0x1234;
  dir.write("in.asc", ascii_lines(input));
  for (const char* swap : {"-ns", "-swo"}) {
    convert({swap, "in.asc", "out.sam"});
    std::string bytes = dir.read("out.sam");
    ASSERT_GE(bytes.size(), 3000u);
    // The samples are the file's last 3000 bytes, whatever the header in front.
    std::string samples = bytes.substr(bytes.size() - 3000);
    EXPECT_EQ(samples.substr(0, 2), "\x12\x34");
    for (size_t i = 0; i < input.size(); ++i) {
      const uint16_t word = static_cast<uint16_t>(input[i]);
      ASSERT_EQ(static_cast<uint8_t>(samples[2 * i]), word >> 8) << i;
      ASSERT_EQ(static_cast<uint8_t>(samples[2 * i + 1]), word & 0xFF) << i;
    }
  }
}

TEST_F(WritersTest, AlawBytesAndPairExchange) {
  dir.write("in.asc", ascii_lines({0, -1, -4095, -106}));
  convert({"in.asc", "out.ala"});
  EXPECT_EQ(dir.read("out.ala"), bytes_of({0xd5, 0x55, 0x2a, 0x7f}));
  convert({"-swo", "in.asc", "out.ala"});
  EXPECT_EQ(dir.read("out.ala"), bytes_of({0x55, 0xd5, 0x7f, 0x2a}));
  // An odd count leaves the last byte in place.
  dir.write("in.asc", ascii_lines({0, -1, -4095}));
  convert({"-swo", "in.asc", "out.ala"});
  EXPECT_EQ(dir.read("out.ala"), bytes_of({0x55, 0xd5, 0x2a}));
  // Out of range values saturate, with the warning on standard output.
  dir.write("in.asc", ascii_lines({4096, -32768}));
  std::string out = convert({"in.asc", "out.ala"});
  EXPECT_EQ(dir.read("out.ala"), bytes_of({0xaa, 0x2a}));
  EXPECT_NE(out.find("Wert = 4096 \n"), std::string::npos) << out;
  EXPECT_NE(out.find("Wert = -32768 \n"), std::string::npos) << out;
}

TEST_F(WritersTest, AlawPairsAreExchangedWithinEachBlock) {
  // -inc 3 over 2500 samples gives blocks of 334, 333 and 167 samples.
  std::vector<int> input = even_cycle(2500);
  dir.write("in.asc", ascii_lines(input));
  convert({"-swo", "-inc", "3", "in.asc", "out.ala"});
  std::vector<int> codes;
  for (size_t p = 0; p < input.size(); p += 3) codes.push_back(alaw_code_of_even(input[p]));
  ASSERT_EQ(codes.size(), 834u);
  for (auto [begin, end] : {std::pair{0, 334}, std::pair{334, 667}, std::pair{667, 834}})
    for (int i = begin; i + 1 < end; i += 2) std::swap(codes[i], codes[i + 1]);
  EXPECT_EQ(dir.read("out.ala"), bytes_of(codes));
}

TEST_F(WritersTest, AlawHexLinesOfTwenty) {
  std::vector<int> input = even_cycle(45);
  dir.write("in.asc", ascii_lines(input));
  convert({"in.asc", "out.ahx"});
  std::string expected;
  char item[12];
  for (size_t i = 0; i < input.size(); ++i) {
    snprintf(item, sizeof item, "%02X ", alaw_code_of_even(input[i]));
    expected += item;
    if ((i + 1) % 20 == 0) expected += "\n";
  }
  EXPECT_EQ(dir.read("out.ahx"), expected);
  EXPECT_EQ(expected.substr(0, 12), "D5 D4 D7 D6 ");

  // The same 45 values in blocks of 30 and 15: -inc 34 over 1530 samples.
  std::vector<int> spread(1530, 0);
  for (size_t k = 0; k < 45; ++k) spread[34 * k] = input[k];
  dir.write("in.asc", ascii_lines(spread));
  std::string out = convert({"-v", "-inc", "34", "in.asc", "out.ahx"});
  EXPECT_NE(out.find("rest = 20 1020\n"), std::string::npos) << out;
  EXPECT_NE(out.find("rest = 0 530\n"), std::string::npos) << out;
  EXPECT_EQ(dir.read("out.ahx"), expected);
}

TEST_F(WritersTest, AlawHexOfEveryCodeAsPrintfShowsIt) {
  // Every A-law code read from a binary file and written as hex text.
  std::string codes, expected;
  for (int code = 0; code < 256; ++code) {
    codes.push_back(static_cast<char>(code));
    char item[8];
    snprintf(item, sizeof item, "%2.2X ", code);
    expected += item;
    if ((code + 1) % 20 == 0) expected += "\n";
  }
  dir.write("all.ala", codes);
  convert({"-ns", "all.ala", "all.ahx"});
  EXPECT_EQ(dir.read("all.ahx"), expected);
}

TEST_F(WritersTest, AlawHexLinesRunAcrossBlockBorders) {
  // Blocks of 334, 333 and 167 values: 834 values are 41 full lines and 14 more.
  dir.write("in.asc", ascii_lines(even_cycle(2500)));
  convert({"-inc", "3", "in.asc", "out.ahx"});
  std::string text = dir.read("out.ahx");
  size_t lines = 0, start = 0, end;
  while ((end = text.find('\n', start)) != std::string::npos) {
    ASSERT_EQ(end - start, 60u) << "line " << lines;
    ASSERT_EQ(text[end - 1], ' ');
    start = end + 1;
    ++lines;
  }
  EXPECT_EQ(lines, 41u);
  EXPECT_EQ(text.size() - start, 14u * 3);
  EXPECT_EQ(text.back(), ' ');
}

TEST_F(WritersTest, FloatTextAsPrintfShowsIt) {
  dir.write("in.asc", "1\n");
  const std::vector<std::pair<std::string, std::string>> cases = {{"0.5", "0.5\n"},
                                                                  {"0.1", "0.1\n"},
                                                                  {"0.0001", "0.0001\n"},
                                                                  {"0.00001", "1e-05\n"},
                                                                  {"-1234.5678", "-1234.57\n"},
                                                                  {"1000000", "1e+06\n"},
                                                                  {"123456", "123456\n"},
                                                                  {"1234567", "1.23457e+06\n"}};
  for (const auto& [scale, line] : cases) {
    convert({"-s", scale, "in.asc", "out.fas"});
    EXPECT_EQ(dir.read("out.fas"), line) << scale;
  }
  dir.write("in.asc", "0\n-3\n");
  convert({"-s", "0.5", "in.asc", "out.fas"});
  EXPECT_EQ(dir.read("out.fas"), "0\n-1.5\n");
}

TEST_F(WritersTest, MulawHexStopsAtTheFirstSample) {
  // Refused before any output exists: a file of that name keeps its bytes.
  dir.write("in.asc", "1\n2\n");
  dir.write("out.mhx", "kept");
  ProgramResult r = sndconv({"in.asc", "out.mhx"});
  EXPECT_NE(r.out.find("function audio_s2u not implemented on PC\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(dir.read("out.mhx"), "kept");
  dir.write("in.asc", "");
  EXPECT_EQ(sndconv({"in.asc", "new.mhx"}).code, 1);
  EXPECT_FALSE(dir.exists("new.mhx"));
}

TEST_F(WritersTest, ChannelFilesTakeEveryNthSample) {
  dir.write("in.asc", ascii_lines({1, 2, 3, 4, 5, 6}));
  convert({"-nc", "2", "in.asc", "x.mul"});
  EXPECT_EQ(le16_samples(dir.read("x_c0.voc")), (std::vector<int16_t>{1, 3, 5}));
  EXPECT_EQ(le16_samples(dir.read("x_c1.voc")), (std::vector<int16_t>{2, 4, 6}));
  convert({"-nc", "2", "-swo", "in.asc", "x.mul"});
  EXPECT_EQ(dir.read("x_c0.voc"), std::string("\0\1\0\3\0\5", 6));

  // Eight channels, over two blocks.
  std::vector<int> input;
  for (int i = 0; i < 1600; ++i) input.push_back(i);
  dir.write("in.asc", ascii_lines(input));
  convert({"-nc", "8", "in.asc", "x.mul"});
  for (int k = 0; k < 8; ++k) {
    std::vector<int16_t> channel = le16_samples(dir.read("x_c" + std::to_string(k) + ".voc"));
    ASSERT_EQ(channel.size(), 200u) << k;
    for (size_t f = 0; f < channel.size(); ++f) ASSERT_EQ(channel[f], static_cast<int16_t>(8 * f + k));
  }
  EXPECT_FALSE(dir.exists("x_c8.voc"));
}

TEST_F(WritersTest, ChannelFilesRefuseABlockOfPartFrames) {
  dir.write("in.asc", ascii_lines({1, 2, 3, 4, 5, 6, 7}));
  ProgramResult r = sndconv({"-nc", "2", "in.asc", "x.mul"});
  EXPECT_NE(r.out.find("can not handle buffer of size 7 with 2 channels\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(dir.read("x_c0.voc"), "");
  // Blocks written before the stop stay in the files.
  std::vector<int> input(1007, 5);
  dir.write("in.asc", ascii_lines(input));
  r = sndconv({"-nc", "2", "in.asc", "x.mul"});
  EXPECT_NE(r.out.find("can not handle buffer of size 7 with 2 channels\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(le16_samples(dir.read("x_c1.voc")), std::vector<int16_t>(500, 5));
}

// Each text and binary writer of this group, into a full device.
TEST_F(WritersTest, WriteErrorsEndTheRun) {
  std::vector<int> input(3000, 3);
  dir.write("in.asc", ascii_lines(input));
  dir.write("desc", "<binary> <data> short");
  const std::vector<std::vector<std::string>> runs = {
      {"-o", "x.sam", "in.asc", "/dev/full"},           {"-o", "x.ala", "in.asc", "/dev/full"},
      {"-o", "x.ahx", "in.asc", "/dev/full"},           {"-o", "x.fas", "in.asc", "/dev/full"},
      {"-o", "x.asm", "in.asc", "/dev/full"},           {"-O", "desc", "in.asc", "/dev/full"},
      {"-l", "2", "-o", "x.asm", "in.asc", "/dev/full"}};
  for (const auto& args : runs) {
    ProgramResult r = sndconv(args);
    EXPECT_EQ(r.code, 1) << args[1];
    EXPECT_EQ(r.err, "/dev/full: No space left on device\n") << args[1];
    EXPECT_EQ(r.out.find("nsample"), std::string::npos) << args[1];
  }
}

TEST_F(WritersTest, ChannelFileErrorsEndTheRun) {
  dir.write("in.asc", ascii_lines({1, 2, 3, 4}));
  std::filesystem::create_symlink("/dev/full", dir.file("x_c1.voc"));
  ProgramResult r = sndconv({"-nc", "2", "in.asc", "x.mul"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "x_c1.voc: No space left on device\n");
  std::filesystem::remove(dir.file("x_c1.voc"));
  std::filesystem::create_directory(dir.file("x_c1.voc"));
  r = sndconv({"-nc", "2", "in.asc", "x.mul"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "x_c1.voc: Is a directory\n");
}

}  // namespace
