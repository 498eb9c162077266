// Differential checking of the hand-written text scanners against fscanf: both
// scan the same file to its end, and every result, value and position is compared.
#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/support/temp_dir.h"

struct ScanStep {
  int result;
  int64_t value;  // the stored value, or a float's bit pattern
  long position;
};

inline int64_t step_value(int64_t value) { return value; }
inline int64_t step_value(float value) {
  uint32_t bits;
  memcpy(&bits, &value, sizeof bits);
  return bits;
}

// The position after the white space that follows: the next read skips it, so
// whether a scan left it or took it makes no difference.
inline long position_after_space(FILE* file) {
  int c;
  do c = getc(file);
  while (c != EOF && isspace(c));
  if (c != EOF) ungetc(c, file);
  return ftell(file);
}

// Scans to the end of the text, recording every step; after a failed scan both
// sides drop the offending character and go on.
template <typename Value, typename Scan>
std::vector<ScanStep> scan_steps(const std::string& path, Scan scan) {
  FILE* file = fopen(path.c_str(), "r");
  std::vector<ScanStep> steps;
  for (;;) {
    Value value = 123;
    const int result = scan(file, value);
    if constexpr (std::is_floating_point_v<Value>)
      steps.push_back({result, step_value(value), result == 1 ? position_after_space(file) : ftell(file)});
    else
      steps.push_back(
          {result, static_cast<int64_t>(value), result == 1 ? position_after_space(file) : ftell(file)});
    if (result == EOF) break;
    if (result == 0) steps.push_back({getc(file), 0, ftell(file)});
  }
  fclose(file);
  return steps;
}

inline void expect_same_steps(const std::vector<ScanStep>& library, const std::vector<ScanStep>& own,
                              const std::string& label) {
  ASSERT_EQ(library.size(), own.size()) << label;
  for (size_t k = 0; k < own.size(); ++k) {
    ASSERT_EQ(own[k].result, library[k].result) << label << " step " << k;
    ASSERT_EQ(own[k].value, library[k].value) << label << " step " << k;
    ASSERT_EQ(own[k].position, library[k].position) << label << " step " << k;
  }
}

// Compares the two scans on texts from `make_text` until a million steps agree.
template <typename Value, typename LibraryScan, typename OwnScan, typename MakeText>
void expect_same_on_a_million_steps(MakeText make_text, LibraryScan library, OwnScan own) {
  TempDir dir;
  long steps = 0;
  for (int round = 0; steps < 1000000; ++round) {
    dir.write("t.txt", make_text());
    const auto expected = scan_steps<Value>(dir.file("t.txt"), library);
    const auto got = scan_steps<Value>(dir.file("t.txt"), own);
    expect_same_steps(expected, got, "round " + std::to_string(round));
    if (::testing::Test::HasFatalFailure()) return;
    steps += static_cast<long>(got.size());
  }
}
