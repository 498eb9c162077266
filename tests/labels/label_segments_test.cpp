// The segment list every label reader fills, read from ESPS and SAM files: each
// entry in file order with its own text, and which of them are segments.
#include <gtest/gtest.h>

#include "labels/label_file.h"
#include "tests/support/temp_dir.h"

namespace {

std::vector<LabelSegment> entries_of(const std::string& labels) {
  TempDir dir;
  dir.write("x.lab", labels);
  RunSettings s;
  s.labelFile = dir.file("x.lab");
  LabelState state;
  read_label_file(s, state);
  return state.segments;
}

void expect_entries(const std::vector<LabelSegment>& got, const std::vector<LabelSegment>& expected,
                    const std::vector<bool>& segments) {
  ASSERT_EQ(got.size(), expected.size());
  for (size_t k = 0; k < got.size(); ++k) {
    EXPECT_DOUBLE_EQ(got[k].start, expected[k].start) << k;
    EXPECT_DOUBLE_EQ(got[k].end, expected[k].end) << k;
    EXPECT_EQ(got[k].text, expected[k].text) << k;
    EXPECT_EQ(is_segment(got[k]), segments[k]) << k;
  }
}

TEST(LabelSegments, EspsRecordsCloseTheSegmentBeginningAtTheRecordBefore) {
  // A record without a word has no text, though the run keeps the word before.
  expect_entries(entries_of("signal x\n#\n0.5 121 a\n1.2 121 b c\n0.9 121 x\n2.0"),
                 {{0, 0.5, "a"}, {0.5, 1.2, "b"}, {1.2, 0.9, "x"}, {0.9, 2.0, ""}},
                 {true, true, false, false});
}

TEST(LabelSegments, SamLinesInSamplesAtTheRateInForce) {
  const auto got =
      entries_of("LHD:\nSAM: 16000\nLB0: 1600, 0, 3200, hello there \r\nLB0: 3200, 0, 3200, same\n");
  expect_entries(got, {{0.1, 0.2, " hello there "}, {0.2, 0.2, " same"}}, {true, false});
  EXPECT_EQ(segment_label(got[0]), "hello there");
}

}  // namespace
