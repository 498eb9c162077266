// Audacity label tracks and HTK label files through the program, told apart by
// their first line: the last segment is cut; point labels, frequency lines and
// blank texts are not segments; a line of neither shape stops the run.
#include "tests/labels/label_cut.h"

namespace {

class LineLabelsTest : public LabelCutTest {};

TEST_F(LineLabelsTest, AudacityTrackWithPointLabelAndFrequencyLines) {
  const std::string track =
      "0.000000\t0.500000\tone\r\n\\\t100.000000\t3000.000000\r\n"
      "0.500000\t0.812519\t two words \r\n\\\t0.000000\t0.000000\r\n"
      "1.000000\t1.000000\tpoint\r\n1.200000\t1.500000\t \r\n";
  // -tier means nothing to a label track.
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"-tier", "2"}}) {
    const ProgramResult r = cut("labels.txt", track, args);
    EXPECT_TRUE(r.out.starts_with("Using label file labels.txt\n0.5 0.812519 two words\nskip_size = "))
        << r.out;
    EXPECT_EQ(output(), samples_between(0.5, 0.812519));
  }
}

TEST_F(LineLabelsTest, HtkTimesInUnitsOf100Nanoseconds) {
  const std::string lab = "0 5000000 sil\n5000000 8125190 w ax\n8125190 8125190 point\n9000000 9500000\n";
  // CR LF too, after a byte-order mark; a "///" line ends the first labelling.
  for (const std::string& bytes : {lab, "\xEF\xBB\xBF" + with_crlf(lab) + "///\r\n0 1000000 other\r\n"}) {
    const ProgramResult r = cut("take.lab", bytes);
    EXPECT_TRUE(r.out.starts_with("Using label file take.lab\n0.5 0.812519 w ax\nskip_size = ")) << r.out;
    EXPECT_EQ(output(), samples_between(0.5, 0.812519));
  }
}

TEST_F(LineLabelsTest, LinesOfNeitherShapeStopTheRunBeforeAnyOutput) {
  for (const char* labels : {"0.5\t1.0\tx\n0.5 1.0 y\n", "0\t1\tx\nnan\t1\ty\n", "0 5000000 a\n0.5 1 b\n",
                             "0 5000000 a\n5000000\n", "0 5000000 a\n1 99999999999999999999 b\n"}) {
    const ProgramResult r = cut("x.lab", labels);
    EXPECT_EQ(r.out, "Using label file x.lab\nincomplete label line\n") << labels;
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(dir.exists("out.voc")) << labels;
  }
}

TEST_F(LineLabelsTest, NoSegmentLeavesTheTimesOfTheCommandLine) {
  const ProgramResult r = cut("points.txt", "0.5\t0.5\tclick\n0.6\t0.9\t\n", {"-at", "0.25", "-et", "0.5"});
  EXPECT_TRUE(r.out.starts_with("Using label file points.txt\n0.25 0.5 \nskip_size = 4000\n")) << r.out;
  EXPECT_EQ(output(), samples_between(0.25, 0.5));
}

}  // namespace
