// In-process tests of the output lines: integer lines truncate toward zero and
// clamp to 32 bits, decimal lines print as the C library prints them.
#include "gen/output.h"

#include <gtest/gtest.h>

#include <cmath>
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
