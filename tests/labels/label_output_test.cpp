// The label output file through the program: "#" and one record at half the
// segment's duration with the SAM label text, written before the conversion.
#include "tests/driver/sndconv_fixture.h"

namespace {

class LabelOutputTest : public SndconvTest {
 protected:
  void SetUp() override { dir.write("in.voc", le16_bytes(std::vector<int16_t>(20000, 7))); }
  // Runs on in.voc with the label file (if any) and -lfo o.lab; the file written.
  std::string label_output(const std::string& labels, std::vector<std::string> args = {}) {
    if (!labels.empty()) {
      dir.write("x.lab", labels);
      args.insert(args.end(), {"-lf", "x.lab"});
    }
    args.insert(args.end(), {"-lfo", "o.lab", "in.voc", "-"});
    last = sndconv(args);
    return dir.exists("o.lab") ? dir.read("o.lab") : "<none>";
  }
  ProgramResult last;
};

const std::string samFileHead = "LHD: SAM 6.0\n";

TEST_F(LabelOutputTest, SamLabelTextAtTheMiddleOfTheSegment) {
  EXPECT_EQ(label_output(samFileHead + "SAM: 16000\nLB0: 1600, 2400, 3200, hello\n"),
            "#\n      0.05 2  hello\n\n");
  EXPECT_NE(
      last.out.find("\n0.1 0.2 \nskip_size = 1600\nmaxsample = 1600\ncreating label output file o.lab\n"),
      std::string::npos)
      << last.out;
  EXPECT_EQ(last.code, 0);
  // CR LF is cut from the label text, a lone line feed stays.
  EXPECT_EQ(label_output(samFileHead + "SAM: 16000\r\nLB0: 1600, 2400, 3200, hello\r\n"),
            "#\n      0.05 2  hello\n");
  EXPECT_EQ(label_output(samFileHead + "LB0: 0, 0, 800, first\nLB0: 800, 0, 2400,second\r\n"),
            "#\n       0.1 2 second\n");
  // Three significant digits in ten places.
  EXPECT_EQ(label_output(samFileHead + "LB0: 0, 0, 20000000, long\n"), "#\n  1.25e+03 2  long\n\n");
}

TEST_F(LabelOutputTest, NullWithoutSamText) {
  EXPECT_EQ(label_output("signal x\n#\n 0.5 121 a\n 1.2 121 b\n 2.0 121 end\n"), "#\n       0.4 2 (null)\n");
  EXPECT_EQ(label_output(""), "#\n         0 2 (null)\n");
  EXPECT_EQ(label_output("", {"-at", "0.5", "-et", "1.5"}), "#\n       0.5 2 (null)\n");
  EXPECT_EQ(last.code, 0);
}

TEST_F(LabelOutputTest, LongLabelTextEndsWithItsPiece) {
  const std::string lead = samFileHead + "LB0: 0, 0, 8,";
  // 197 characters and the line feed still make one piece.
  EXPECT_EQ(label_output(lead + " " + std::string(183, 'y') + "\n"),
            "#\n    0.0005 2  " + std::string(183, 'y') + "\n\n");
  // One more: the piece ends before the line feed, which comes alone next.
  EXPECT_EQ(label_output(lead + " " + std::string(190, 'y') + "\n"),
            "#\n    0.0005 2  " + std::string(184, 'y') + "\n");
}

TEST_F(LabelOutputTest, WrittenAfterEveryRefusal) {
  EXPECT_EQ(label_output(samFileHead + "LB0: 800, 0, 800, same\n"), "<none>");
  EXPECT_NE(last.out.find("Extracted segment has only length 0\n"), std::string::npos);
  EXPECT_EQ(last.code, 1);
  dir.write("o.lab", "kept");
  EXPECT_EQ(label_output("", {"-hs", "-1"}), "kept");
  EXPECT_EQ(last.err, "skip header: Invalid argument\n");
}

TEST_F(LabelOutputTest, FilesThatCannotBeWritten) {
  ProgramResult missing = sndconv({"-lfo", "nodir/o.lab", "in.voc", "-"});
  EXPECT_EQ(missing.out.find("creating"), std::string::npos);
  EXPECT_EQ(missing.err, "nodir/o.lab: No such file or directory\n");
  EXPECT_EQ(missing.code, 1);
  ProgramResult full = sndconv({"-lfo", "/dev/full", "in.voc", "-"});
  EXPECT_EQ(full.err, "/dev/full: No space left on device\n");
  EXPECT_EQ(full.code, 1);
}

}  // namespace
