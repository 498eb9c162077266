// The hand-written "%hi" and "%x" readers against the C library's fscanf and
// sscanf: the same results, stored values and stream positions over a million tokens.
#include "core/int_scan.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <random>
#include <string>

#include "tests/support/scan_steps.h"
#include "tests/support/temp_dir.h"

namespace {

// Text made of tokens that cover the scan's branches: signs, bases, long digit
// runs that overflow a long, stray letters and every kind of white space.
std::string random_text(std::mt19937& random, int tokens) {
  static const char* const pieces[] = {"0",
                                       "00",
                                       "0x",
                                       "0X",
                                       "x",
                                       "-",
                                       "+",
                                       "--",
                                       "-+",
                                       "9",
                                       "8",
                                       "7",
                                       "a",
                                       "F",
                                       "g",
                                       "G",
                                       "z",
                                       ".",
                                       "1.5",
                                       "e3",
                                       "000",
                                       "0x0",
                                       "32767",
                                       "32768",
                                       "-32768",
                                       "-32769",
                                       "65535",
                                       "65536",
                                       "9223372036854775807",
                                       "9223372036854775808",
                                       "18446744073709551616",
                                       "-9223372036854775808",
                                       "-9223372036854775809",
                                       "0x8000000000000000",
                                       "0xffffffffffffffffff",
                                       "0777777777777777777777",
                                       "-0x",
                                       "+0"};
  static const char* const spaces[] = {" ", "\n", "\t", "\r\n", "  ", "\v", "\f", ""};
  std::string text;
  for (int k = 0; k < tokens; ++k) {
    const int kind = static_cast<int>(random() % 4);
    if (kind == 0) {
      text += pieces[random() % std::size(pieces)];
    } else if (kind == 1) {
      if (random() % 2) text += random() % 2 ? "-" : "+";
      text += std::to_string(random() % 100000);
    } else if (kind == 2) {
      text += pieces[random() % std::size(pieces)];
      text += pieces[random() % std::size(pieces)];
    } else {
      text += std::to_string(static_cast<int32_t>(random()));
    }
    text += spaces[random() % std::size(spaces)];
    if (random() % 3 == 0) text += spaces[random() % std::size(spaces)];
  }
  return text;
}

TEST(HexScanTest, MatchesFscanfOnGeneratedText) {
  std::mt19937 random(77);
  expect_same_on_a_million_steps<uint32_t>([&] { return random_text(random, 5000); },
                                           [](FILE* f, uint32_t& v) { return fscanf(f, "%x", &v); },
                                           [](FILE* f, uint32_t& v) { return scan_hex_unsigned(f, v); });
}

TEST(ShortScanTest, MatchesFscanfOnGeneratedText) {
  std::mt19937 random(2024);
  expect_same_on_a_million_steps<int16_t>([&] { return random_text(random, 5000); },
                                          [](FILE* f, int16_t& v) { return fscanf(f, "%hi", &v); },
                                          [](FILE* f, int16_t& v) { return scan_short(f, v); });
}

TEST(ShortScanTest, EveryShortAndEdgeTokenMatches) {
  TempDir dir;
  std::string text;
  for (int v = -70000; v <= 70000; ++v) text += std::to_string(v) + (v % 7 ? " " : "\n");
  for (int v = 0; v <= 0xFFFF; ++v) {
    char hex[16];
    snprintf(hex, sizeof hex, v % 2 ? "0x%x\n" : "0X%X ", v);
    text += hex;
    snprintf(hex, sizeof hex, "0%o\t", v);
    text += hex;
  }
  dir.write("t.asc", text + "- + 0x -0 -");
  auto library =
      scan_steps<int16_t>(dir.file("t.asc"), [](FILE* f, int16_t& v) { return fscanf(f, "%hi", &v); });
  auto own = scan_steps<int16_t>(dir.file("t.asc"), [](FILE* f, int16_t& v) { return scan_short(f, v); });
  expect_same_steps(library, own, "every short");
}

TEST(ShortScanTest, HexTokensMatchSscanfWithThePrefix) {
  std::mt19937 random(99);
  static const char alphabet[] = "0123456789abcdefABCDEFxXg-+.z";
  for (int k = 0; k < 1000000; ++k) {
    std::string token;
    const int length = 1 + static_cast<int>(random() % (k % 50 == 0 ? 40 : 8));
    for (int i = 0; i < length; ++i) token += alphabet[random() % (sizeof alphabet - 1)];
    int16_t expected = 0;
    ASSERT_EQ(sscanf(("0x" + token).c_str(), "%hi", &expected), 1) << token;
    ASSERT_EQ(hex_token_value(token), expected) << token;
  }
  for (int v = 0; v <= 0xFFFFF; v += 3) {
    char token[16];
    snprintf(token, sizeof token, "%x", v);
    int16_t expected = 0;
    sscanf((std::string("0x") + token).c_str(), "%hi", &expected);
    ASSERT_EQ(hex_token_value(token), expected) << token;
  }
}

}  // namespace
