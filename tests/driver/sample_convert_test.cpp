// The float-to-16-bit rule and the fast integer text formatting, checked
// against plain C++ conversions and the C library's printf.
#include "driver/sample_convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/text_format.h"

namespace {

TEST(SampleConvertTest, TruncatesTowardZeroAndKeepsTheLowBits) {
  EXPECT_EQ(float_to_sample(32767.9f), 32767);
  EXPECT_EQ(float_to_sample(32768.0f), -32768);
  EXPECT_EQ(float_to_sample(40000.0f), -25536);
  EXPECT_EQ(float_to_sample(-1.7f), -1);
  EXPECT_EQ(float_to_sample(-0.9f), 0);
  EXPECT_EQ(float_to_sample(-32769.0f), 32767);
  EXPECT_EQ(float_to_sample(65537.5f), 1);
  EXPECT_EQ(float_to_sample(std::nanf("")), 0);
  EXPECT_EQ(float_to_sample(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(float_to_sample(-std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(float_to_sample(1e19f), 0);
  EXPECT_EQ(float_to_sample(-9.2233720368547758e18f), 0);  // -2^63 itself: low bits 0
  // Just below 2^63: a whole number whose low 16 bits are 0.
  EXPECT_EQ(float_to_sample(std::nextafter(9.2233720368547758e18f, 0.0f)), 0);
  EXPECT_EQ(float_to_sample(4294967296.0f + 65536.0f * 3 + 1024.0f), 1024);
}

TEST(SampleConvertTest, EveryShortValueRoundTrips) {
  for (int v = -32768; v <= 32767; ++v) ASSERT_EQ(float_to_sample(static_cast<float>(v)), v);
}

std::string printf_of(const char* format, long long value) {
  char text[32];
  snprintf(text, sizeof text, format, value);
  return text;
}

TEST(TextFormatTest, DecimalAndHexMatchPrintf) {
  char text[32];
  auto check = [&](int32_t v) {
    std::string decimal(text, format_decimal(text, v));
    ASSERT_EQ(decimal, printf_of("%lld", v));
    std::string hex(text, format_hex(text, static_cast<uint32_t>(v)));
    ASSERT_EQ(hex, printf_of("%llx", static_cast<uint32_t>(v)));
  };
  for (int32_t v = -32768; v <= 32767; ++v) check(v);
  std::mt19937 random(7);
  for (int k = 0; k < 1000000; ++k) check(static_cast<int32_t>(random()));
  for (int32_t v : {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0, -1})
    check(v);
}

}  // namespace

namespace {

std::string general_of(double value) {
  char text[32];
  return std::string(text, format_general(text, value));
}

TEST(TextFormatTest, GeneralMatchesPrintfForFloats) {
  auto check = [](float f) {
    char expected[32];
    snprintf(expected, sizeof expected, "%g", static_cast<double>(f));
    ASSERT_EQ(general_of(f), expected) << std::hexfloat << f;
  };
  // Every float of a stride through all bit patterns, and the neighbours of the
  // places where the form or the digit count changes.
  for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 4093) {
    float f;
    const auto pattern = static_cast<uint32_t>(bits);
    memcpy(&f, &pattern, sizeof f);
    check(f);
  }
  for (double edge :
       {1e-5, 1e-4, 1e-3, 0.1, 1.0, 9.999995, 99999.95, 999999.5, 1e6, 1e7, 1e38, 0.5, 2.5e-5}) {
    float f = static_cast<float>(edge);
    for (int k = 0; k < 200; ++k) {
      check(f);
      check(-f);
      f = std::nextafter(f, 0.0f);
    }
  }
  for (int v = -40000; v <= 40000; ++v) check(static_cast<float>(v) / 8.0f);
  for (int v = -1000001; v <= 1000001; ++v) check(static_cast<float>(v));
  check(0.0f);
  check(-0.0f);
  check(std::numeric_limits<float>::infinity());
  check(-std::numeric_limits<float>::infinity());
  check(std::numeric_limits<float>::quiet_NaN());
  check(-std::numeric_limits<float>::quiet_NaN());
  check(std::numeric_limits<float>::denorm_min());
}

}  // namespace
