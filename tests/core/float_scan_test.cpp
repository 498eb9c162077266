// The hand-written "%f" reader against the C library's fscanf: the same results,
// the same float bits and the same stream positions over a million generated tokens.
#include "core/float_scan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "tests/support/scan_steps.h"
#include "tests/support/temp_dir.h"

namespace {

std::string random_float_text(std::mt19937& random, int tokens) {
  static const char* const pieces[] = {"0",
                                       "1",
                                       "9",
                                       ".",
                                       "..",
                                       "e",
                                       "E",
                                       "e-",
                                       "e+",
                                       "p",
                                       "P",
                                       "0x",
                                       "0X",
                                       "x",
                                       "-",
                                       "+",
                                       "nan",
                                       "NaN",
                                       "na",
                                       "n",
                                       "inf",
                                       "INF",
                                       "in",
                                       "infinity",
                                       "infin",
                                       "InFiNiTy",
                                       "a",
                                       "f",
                                       "1e-45",
                                       "1e-40",
                                       "3.4e38",
                                       "1e39",
                                       "-0",
                                       "0x1p-149",
                                       "0x1.8p3",
                                       "0x.8",
                                       "1.5",
                                       "123456789012345678901234567890",
                                       "0.000000000000000000001",
                                       "7e",
                                       "7e+",
                                       "1.e3",
                                       ".5",
                                       "-.5e-3",
                                       "0xg",
                                       "0x1g",
                                       "+-1",
                                       "2.5.5",
                                       "1e5e5",
                                       "nanx",
                                       "(",
                                       "z"};
  static const char* const spaces[] = {" ", "\n", "\t", "\r\n", "  ", ""};
  std::string text;
  for (int k = 0; k < tokens; ++k) {
    const int kind = static_cast<int>(random() % 4);
    if (kind == 0) {
      text += pieces[random() % std::size(pieces)];
    } else if (kind == 1) {
      char number[64];
      const float f =
          std::ldexp(static_cast<float>(random() % 100000) / 997.0f, static_cast<int>(random() % 300) - 150);
      snprintf(number, sizeof number, random() % 2 ? "%g" : "%.9e", random() % 2 ? f : -f);
      text += number;
    } else if (kind == 2) {
      text += pieces[random() % std::size(pieces)];
      text += pieces[random() % std::size(pieces)];
    } else {
      text += std::to_string(static_cast<int32_t>(random()));
      if (random() % 2) {
        text += ".";
        text += std::to_string(random() % 1000);
      }
    }
    text += spaces[random() % std::size(spaces)];
  }
  return text;
}

TEST(FloatScanTest, MatchesFscanfOnGeneratedText) {
  std::mt19937 random(31337);
  expect_same_on_a_million_steps<float>([&] { return random_float_text(random, 5000); },
                                        [](FILE* f, float& v) { return fscanf(f, "%f", &v); },
                                        [](FILE* f, float& v) { return scan_float(f, v); });
}

TEST(FloatScanTest, EndingsOfTheInput) {
  TempDir dir;
  for (const char* text : {"", "  \n", "-", "+", "0x", "1e", "nan", "inf", "infinit", ".", "-.", "1.5"}) {
    dir.write("t.fas", text);
    auto library =
        scan_steps<float>(dir.file("t.fas"), [](FILE* f, float& v) { return fscanf(f, "%f", &v); });
    auto own = scan_steps<float>(dir.file("t.fas"), [](FILE* f, float& v) { return scan_float(f, v); });
    expect_same_steps(library, own, text);
  }
}

}  // namespace
