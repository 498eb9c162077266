// In-process tests of the output lines: integer lines truncate toward zero and
// clamp to 32 bits, decimal lines print as the C library prints them.
#include "gen/output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

TEST(SampleLine, IntegersTruncateAndClamp) {
  EXPECT_EQ(sample_to_int(783.7f), 783);
  EXPECT_EQ(sample_to_int(-783.7f), -783);
  EXPECT_EQ(sample_to_int(2147483520.0f), 2147483520);
  EXPECT_EQ(sample_to_int(2147483648.0f), INT32_MAX);
  EXPECT_EQ(sample_to_int(-2147483648.0f), INT32_MIN);
  EXPECT_EQ(sample_to_int(-1e30f), INT32_MIN);
  EXPECT_EQ(sample_to_int(std::numeric_limits<float>::infinity()), INT32_MAX);
  EXPECT_EQ(sample_to_int(std::nanf("")), 0);
  EXPECT_EQ(sample_line(-2048.9f, false), "-2048\n");
  EXPECT_EQ(sample_line(783.7357f, true), "783.735718\n");
  EXPECT_EQ(sample_line(-3.4e38f, true), "-339999995214436424907732413799364296704.000000\n");
}

// The six-decimal lines against printf over a stride through every float.
TEST(SampleLine, DecimalLinesMatchPrintf) {
  auto check = [](float f) {
    char expected[80];
    snprintf(expected, sizeof expected, "%.6f\n", double(f));
    ASSERT_EQ(sample_line(f, true), expected) << std::hexfloat << f;
  };
  for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 8191) {
    const auto pattern = static_cast<uint32_t>(bits);
    float f;
    std::memcpy(&f, &pattern, sizeof f);
    check(f);
  }
  for (int v = -300000; v <= 300000; ++v) check(float(v) / 64.0f + 0.0000005f);
  check(std::numeric_limits<float>::quiet_NaN());
  check(-std::numeric_limits<float>::quiet_NaN());
  check(-std::numeric_limits<float>::infinity());
  check(-0.0f);
}
