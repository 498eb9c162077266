// Tests of the sample codecs: byte and bit order, the bit display, the A-law codec
// against G.711's table of output values, its range warning, and the mu-law stubs.
#include "formats/codecs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "core/stop.h"
#include "tests/formats/g711_values.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// Turns -v on for one test and off again, whatever the test does.
struct VerboseOn {
  VerboseOn() { verbose = true; }
  ~VerboseOn() { verbose = false; }
};

// Half the width of a code's decision interval: half the distance between the
// neighbouring outputs of its segment.
int half_step(unsigned code) {
  const unsigned segment = ((code ^ 0x55u) >> 4) & 7u;
  return (alawMagnitudes[segment][1] - alawMagnitudes[segment][0]) / 2;
}

std::string range_warning(int value) {
  return "         Achtung Fehler ! \nDer eingelesene Wert ist zu gross \nWert = " + std::to_string(value) +
         " \n";
}

TEST(AlawCodec, DecodesEveryCodeToTheG711ReconstructionValue) {
  for (unsigned code = 0; code < 256; ++code)
    EXPECT_EQ(alaw_decode(static_cast<uint8_t>(code)), alaw_value(code)) << "code " << code;
}

TEST(AlawCodec, EncodingTheDecodedValueGivesTheCodeBack) {
  for (unsigned code = 0; code < 256; ++code) {
    EXPECT_EQ(alaw_encode(alaw_decode(static_cast<uint8_t>(code))), code) << "code " << code;
  }
}

// Every value in range lands in the decision interval of its code: the code's
// sign matches and the magnitude lies within half a step of the reconstruction.
TEST(AlawCodec, EncodesEveryValueInRangeIntoItsG711Interval) {
  std::vector<unsigned> codes;
  CaptureStdout();
  for (int value = -4095; value <= 4095; ++value) codes.push_back(alaw_encode(static_cast<int16_t>(value)));
  EXPECT_EQ(GetCapturedStdout(), "");

  for (int value = -4095; value <= 4095; ++value) {
    const unsigned code = codes[static_cast<size_t>(value + 4095)];
    const int reconstruction = alaw_value(code);
    const int half = half_step(code);
    const bool positiveCode = ((code ^ 0x55u) & 0x80u) != 0;
    ASSERT_EQ(positiveCode, value >= 0) << "value " << value;
    const int magnitude = value < 0 ? -value : value;
    const int reconstructionMagnitude = reconstruction < 0 ? -reconstruction : reconstruction;
    ASSERT_GE(magnitude, reconstructionMagnitude - half) << "value " << value;
    ASSERT_LT(magnitude, reconstructionMagnitude + half) << "value " << value;
  }
}

TEST(AlawCodec, DecodeEdgeCases) {
  EXPECT_EQ(alaw_decode(0xD5), 1);
  EXPECT_EQ(alaw_decode(0x55), -1);
  EXPECT_EQ(alaw_decode(0xAA), 4032);
  EXPECT_EQ(alaw_decode(0x2A), -4032);
  EXPECT_EQ(alaw_decode(0x80), 688);
  EXPECT_EQ(alaw_decode(0x00), -688);
  EXPECT_EQ(alaw_decode(0xFC), 102);
  EXPECT_EQ(alaw_decode(0xFF), 106);
  EXPECT_EQ(alaw_decode(0x7F), -106);
}

TEST(AlawCodec, DecodedValuesAreNeverZeroAndWithin4032) {
  for (unsigned code = 0; code < 256; ++code) {
    const int value = alaw_decode(static_cast<uint8_t>(code));
    EXPECT_NE(value, 0) << "code " << code;
    EXPECT_LE(value < 0 ? -value : value, 4032) << "code " << code;
  }
}

struct EncodeCase {
  int value;
  unsigned code;
  int decoded;
};

TEST(AlawCodec, EncodeEdgeCasesInRangePrintNothing) {
  const EncodeCase cases[] = {
      {0, 0xD5, 1},       {1, 0xD5, 1},       {-1, 0x55, -1},       {2, 0xD4, 3},       {-2, 0x54, -3},
      {31, 0xDA, 31},     {32, 0xC5, 33},     {100, 0xFC, 102},     {-100, 0x7C, -102}, {1000, 0x8A, 1008},
      {2048, 0xA5, 2112}, {4095, 0xAA, 4032}, {-4095, 0x2A, -4032},
  };
  for (const EncodeCase& c : cases) {
    CaptureStdout();
    const unsigned code = alaw_encode(static_cast<int16_t>(c.value));
    EXPECT_EQ(GetCapturedStdout(), "") << "value " << c.value;
    EXPECT_EQ(code, c.code) << "value " << c.value;
    EXPECT_EQ(alaw_decode(static_cast<uint8_t>(code)), c.decoded) << "value " << c.value;
  }
}

TEST(AlawCodec, EncodeOutOfRangeWarnsAndSaturates) {
  const EncodeCase cases[] = {
      {4096, 0xAA, 4032},    {-4096, 0x2A, -4032}, {32767, 0xAA, 4032},
      {-32768, 0x2A, -4032}, {5000, 0xAA, 4032},   {-4097, 0x2A, -4032},
  };
  for (const EncodeCase& c : cases) {
    CaptureStdout();
    const unsigned code = alaw_encode(static_cast<int16_t>(c.value));
    EXPECT_EQ(GetCapturedStdout(), range_warning(c.value)) << "value " << c.value;
    EXPECT_EQ(code, c.code) << "value " << c.value;
    EXPECT_EQ(alaw_decode(static_cast<uint8_t>(code)), c.decoded) << "value " << c.value;
  }
}

TEST(AlawCodec, BlockEncoderMatchesSampleEncoderForEveryValue) {
  std::vector<int16_t> samples;
  for (int value = -32768; value <= 32767; ++value) samples.push_back(static_cast<int16_t>(value));
  const int n = static_cast<int>(samples.size());

  std::vector<uint8_t> one_by_one(samples.size());
  CaptureStdout();
  for (int i = 0; i < n; ++i) one_by_one[i] = alaw_encode(samples[i]);
  const std::string warnings_one_by_one = GetCapturedStdout();

  // Sentinel bytes, so that a sample the block encoder skipped shows.
  std::vector<uint8_t> block(samples.size(), 0x00);
  std::vector<uint8_t> block_again(samples.size(), 0xFF);
  CaptureStdout();
  alaw_encode_block(samples.data(), block.data(), n);
  const std::string warnings_block = GetCapturedStdout();
  CaptureStdout();
  alaw_encode_block(samples.data(), block_again.data(), n);
  GetCapturedStdout();

  for (int i = 0; i < n; ++i) {
    ASSERT_EQ(block[i], one_by_one[i]) << "value " << samples[i];
    ASSERT_EQ(block_again[i], one_by_one[i]) << "value " << samples[i];
  }
  // Every value outside -4095 to 4095 warns once, in input order.
  EXPECT_EQ(warnings_block, warnings_one_by_one);
  std::string expected_warnings;
  for (int value = -32768; value <= 32767; ++value) {
    if (value <= -4096 || value >= 4096) expected_warnings += range_warning(value);
  }
  EXPECT_EQ(warnings_block, expected_warnings);
}

TEST(AlawCodec, BlockEncoderWritesOnlyTheGivenCount) {
  const int16_t samples[4] = {100, -100, 4095, 9999};
  uint8_t codes[4] = {0x11, 0x11, 0x11, 0x11};
  CaptureStdout();
  alaw_encode_block(samples, codes, 3);
  EXPECT_EQ(GetCapturedStdout(), "");
  EXPECT_EQ(codes[0], 0xFC);
  EXPECT_EQ(codes[1], 0x7C);
  EXPECT_EQ(codes[2], 0xAA);
  EXPECT_EQ(codes[3], 0x11);
}

// Each word with its bytes reversed, and the trace jswap prints under -v: the
// values as 32-bit decimal and hexadecimal, before and after.
TEST(ByteOrder, WordsReverseTheirBytes) {
  const std::pair<uint16_t, uint16_t> words[] = {
      {0x1234, 0x3412}, {0xFFFE, 0xFEFF}, {0x8000, 0x0080}, {0x00FF, 0xFF00}, {0x0000, 0x0000}};
  for (const auto& [word, swapped] : words) {
    EXPECT_EQ(uswap16(word), swapped) << word;
    EXPECT_EQ(swap16(static_cast<int16_t>(word)), static_cast<int16_t>(swapped)) << word;
  }
  struct LongCase {
    uint32_t in, out;
    const char* trace;
  };
  const LongCase longs[] = {
      {1, 0x01000000, " WARNUNG !! jswap:: in = 1, 1,  out =  16777216, 1000000\n"},
      {0xFFFFFFFF, 0xFFFFFFFF, " WARNUNG !! jswap:: in = -1, ffffffff,  out =  -1, ffffffff\n"},
      {0x80, 0x80000000, " WARNUNG !! jswap:: in = 128, 80,  out =  -2147483648, 80000000\n"},
      {0xFF000000, 0xFF, " WARNUNG !! jswap:: in = -16777216, ff000000,  out =  255, ff\n"},
      {0x12345678, 0x78563412,
       " WARNUNG !! jswap:: in = 305419896, 12345678,  out =  2018915346, 78563412\n"},
  };
  for (const LongCase& c : longs) {
    CaptureStdout();
    EXPECT_EQ(jswap(static_cast<int32_t>(c.in)), static_cast<int32_t>(c.out)) << std::hex << c.in;
    EXPECT_EQ(GetCapturedStdout(), "") << "no trace without -v";
    VerboseOn on;
    CaptureStdout();
    jswap(static_cast<int32_t>(c.in));
    EXPECT_EQ(GetCapturedStdout(), c.trace);
  }
}

// Each byte with its bits mirrored, and its display as eight digits.
TEST(BitOrder, BytesMirrorTheirBitsAndShowThem) {
  struct BitCase {
    uint8_t byte, mirrored;
    const char* shown;
  };
  const BitCase cases[] = {{0x01, 0x80, "00000001\n"}, {0x80, 0x01, "10000000\n"}, {0xD5, 0xAB, "11010101\n"},
                           {0x0F, 0xF0, "00001111\n"}, {0x00, 0x00, "00000000\n"}, {0xFF, 0xFF, "11111111\n"},
                           {0x12, 0x48, "00010010\n"}, {0x2A, 0x54, "00101010\n"}};
  for (const BitCase& c : cases) {
    EXPECT_EQ(bit_reverse8(c.byte), c.mirrored) << int(c.byte);
    CaptureStdout();
    print_bits8(c.byte);
    EXPECT_EQ(GetCapturedStdout(), c.shown);
  }
}

TEST(MuLaw, AudioU2sStopsTheRun) {
  CaptureStdout();
  int code = -1;
  try {
    audio_u2s(0x12);
  } catch (const RunStop& stop) {
    code = stop.code;
  }
  EXPECT_EQ(GetCapturedStdout(), "function audio_u2s not implemented on PC\n");
  EXPECT_EQ(code, 1);
}

TEST(MuLaw, AudioS2uStopsTheRun) {
  CaptureStdout();
  int code = -1;
  try {
    audio_s2u(1234);
  } catch (const RunStop& stop) {
    code = stop.code;
  }
  EXPECT_EQ(GetCapturedStdout(), "function audio_s2u not implemented on PC\n");
  EXPECT_EQ(code, 1);
}

}  // namespace
