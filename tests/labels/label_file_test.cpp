// Label files through the program: ESPS records and SAM keyed lines choose the
// segment, lines are read in pieces of 198 characters, faulty files stop the run.
#include "tests/driver/sndconv_fixture.h"

namespace {

std::vector<int16_t> ramp(int first, int count) {
  std::vector<int16_t> v;
  for (int i = 0; i < count; ++i) v.push_back(static_cast<int16_t>(first + i));
  return v;
}

// Standard output from the label reader's first line on.
std::string from_label_lines(const std::string& out) {
  size_t at = out.find("Using label file");
  return at == std::string::npos ? "" : out.substr(at);
}

// The text before the first line that begins with `marker`.
std::string before(const std::string& out, const std::string& marker) {
  return out.substr(0, out.find("\n" + marker) + 1);
}

class LabelFileTest : public SndconvTest {
 protected:
  void SetUp() override { dir.write("in.voc", le16_bytes(ramp(0, 20000))); }
  // A run with the label file on in.voc, standard output from the label lines on.
  ProgramResult with_labels(const std::string& labels, std::vector<std::string> args = {}) {
    dir.write("x.lab", labels);
    args.insert(args.end(), {"-ns", "-lf", "x.lab", "in.voc", "-"});
    ProgramResult r = sndconv(args);
    r.out = from_label_lines(r.out);
    return r;
  }
};

const char* const espsFile = "signal x\ntype 1\n#\n 0.5 121 a\n 1.2 121 b\n 2.0 121 end\n";

TEST_F(LabelFileTest, EspsLastRecordClosesTheSegment) {
  dir.write("e.lab", espsFile);
  std::string out = from_label_lines(convert({"-ns", "-v", "-lf", "e.lab", "in.voc", "out.voc"}));
  EXPECT_EQ(before(out, "cnt = "),
            "Using label file e.lab\nsignal x\nAssuming ESPS label file\ntype 1\n#\n"
            "0 0.5 a\n0.5 1.2 b\n1.2 2 end\n1.2 2 end\n"
            "skip_size = 9600\nmaxsample = 6400\n");
  out = from_label_lines(convert({"-ns", "-lf", "e.lab", "in.voc", "out.voc"}));
  EXPECT_EQ(out,
            "Using label file e.lab\nAssuming ESPS label file\n1.2 2 end\n"
            "skip_size = 9600\nmaxsample = 6400\n" +
                nsample_line(6400, 6400 / 8000.0));
  EXPECT_EQ(le16_samples(dir.read("out.voc")), ramp(9600, 6400));
  // The same cut by times on the command line.
  std::string label = dir.read("out.voc");
  convert({"-at", "1.2", "-et", "2.0", "in.voc", "out.voc"});
  EXPECT_EQ(dir.read("out.voc"), label);
}

TEST_F(LabelFileTest, EspsSingleRecordStartsAtTheEndTimeInForce) {
  const std::string single = "header\n#\n0.8 1 w\n";
  EXPECT_EQ(with_labels(single).out,
            "Using label file x.lab\nAssuming ESPS label file\n0 0.8 w\n"
            "maxsample = 6400\n" +
                nsample_line(6400, 0.8));
  EXPECT_EQ(with_labels(single, {"-et", "0.3"}).out,
            "Using label file x.lab\nAssuming ESPS label file\n0.3 0.8 w\n"
            "skip_size = 2400\nmaxsample = 4000\n" +
                nsample_line(4000, 0.5));
  // Without records the command line's times stay, and the label is empty.
  EXPECT_EQ(with_labels("header\n#\n\n", {"-at", "0.25", "-et", "0.5"}).out,
            "Using label file x.lab\nAssuming ESPS label file\n0.25 0.5 \n"
            "skip_size = 2000\nmaxsample = 2000\n" +
                nsample_line(2000, 0.25));
  // On an ASCII input the label file's end alone cuts like -et.
  dir.write("in.asc", ascii_lines({5, 6, 7, 8}));
  dir.write("one.lab", "header\n#\n0.0003 1 w\n");
  convert({"-lf", "one.lab", "in.asc", "a.asc"});
  convert({"-et", "0.0003", "in.asc", "b.asc"});
  EXPECT_EQ(dir.read("a.asc"), "5\n6\n");
  EXPECT_EQ(dir.read("b.asc"), dir.read("a.asc"));
}

TEST_F(LabelFileTest, EspsRecordsFollowTheScanAndSkipWhatDoesNotFit) {
  // Several words: the rest of the line goes. A time without integer counts and
  // keeps the label; so does a time that the end of the file cuts short.
  ProgramResult r = with_labels("header\n#\n0.5 1 two words\n1.0 1 x\n0.7 abc\nnoise\n1.5", {"-v"});
  EXPECT_EQ(before(r.out, "skip_size"),
            "Using label file x.lab\nheader\nAssuming ESPS label file\n#\n"
            "0 0.5 two\n0.5 1 x\n1 0.7 x\n0.7 1.5 x\n0.7 1.5 x\n");
  // A record may span lines, and a line may hold several records.
  EXPECT_EQ(before(with_labels("header\n#\n0.25\n  3\nfirst 0.5 4 second\n").out, "skip_size"),
            "Using label file x.lab\nAssuming ESPS label file\n0.25 0.5 second\n");
}

TEST_F(LabelFileTest, FilesWithoutLabels) {
  for (const char* text : {"", "signal x\nno end\n", "#\n", "\n"}) {
    ProgramResult r = with_labels(text);
    EXPECT_EQ(r.out,
              std::string("Using label file x.lab\n") +
                  (*text ? "Assuming ESPS label file\nincomplete label file \n" : "empty label file \n"))
        << text;
    EXPECT_EQ(r.code, 1);
  }
  ProgramResult missing = sndconv({"-lf", "none.lab", "in.voc", "-"});
  EXPECT_EQ(missing.err, "none.lab: No such file or directory\n");
  EXPECT_EQ(missing.code, 1);
  std::filesystem::create_directory(dir.file("d.lab"));
  ProgramResult unreadable = sndconv({"-lf", "d.lab", "in.voc", "-"});
  EXPECT_EQ(unreadable.err, "d.lab: Is a directory\n");
  EXPECT_EQ(unreadable.code, 1);
}

const std::string samHead = "LHD: SAM 6.0\n";

TEST_F(LabelFileTest, SamSegmentInSamplesAtTheRateInForce) {
  dir.write("s.lab", samHead + "SAM: 16000\nLB0: 1600, 2400, 3200, hello\n");
  std::string out = from_label_lines(convert({"-ns", "-lf", "s.lab", "in.voc", "out.voc"}));
  EXPECT_EQ(out,
            "Using label file s.lab\nSAM label file\nLB0: 1600, 2400, 3200, hello\n1600 2400 3200\n"
            "LB0: 1600, 2400, 3200, hello\n\n 2400, 3200, hello\n\n 3200, hello\n\n0.1 0.2 \n"
            "skip_size = 1600\nmaxsample = 1600\n" +
                nsample_line(1600, 0.1));
  EXPECT_EQ(le16_samples(dir.read("out.voc")), ramp(1600, 1600));
  std::string label = dir.read("out.voc");
  convert({"-r", "16000", "-at", "0.1", "-et", "0.2", "in.voc", "out.voc"});
  EXPECT_EQ(dir.read("out.voc"), label);

  // Before the rate line the default rate converts; the rate still changes after.
  ProgramResult early = with_labels(samHead + "LB0: 1600, 2400, 3200, hello\nSAM: 16000\n");
  EXPECT_EQ(early.out.substr(early.out.find("0.2 0.4 \n")),
            "0.2 0.4 \nskip_size = 3200\nmaxsample = 3200\n" + nsample_line(3200, 0.2));
  // The last of several segment lines decides.
  ProgramResult last = with_labels(samHead + "LB0: 0, 0, 800, first\r\nLB0: 800, 0, 2400, second\r\n");
  EXPECT_EQ(last.out.substr(last.out.find("0.1 0.3 \n")),
            "0.1 0.3 \nskip_size = 800\nmaxsample = 1600\n" + nsample_line(1600, 0.2));
}

TEST_F(LabelFileTest, SamEqualStartAndEnd) {
  // Both at 0: no segment at all, the whole input is copied.
  ProgramResult zero = with_labels(samHead + "LB0: 0, 0, 0, zero\n");
  EXPECT_EQ(zero.out.substr(zero.out.find("\n0 0 \n")), "\n0 0 \n" + nsample_line(20000, 2.5));
  ProgramResult same = with_labels(samHead + "LB0: 800, 5, 800, same\n");
  EXPECT_EQ(same.out.substr(same.out.find("\n0.1 0.1 \n")),
            "\n0.1 0.1 \nskip_size = 800\nmaxsample = 0\nExtracted segment has only length 0\n");
  EXPECT_EQ(same.code, 1);
}

TEST_F(LabelFileTest, SamChannelAndRateLines) {
  // Unreadable numbers leave the settings; two channels double skip and length.
  ProgramResult two = with_labels(samHead + "NCH: 2\nNCH: none\nSAM: fast\nLB0: 800, 0, 1600, st\n");
  EXPECT_EQ(two.out.substr(two.out.find("0.1 0.2 \n")),
            "0.1 0.2 \nskip_size = 1600\nmaxsample = 1600\n" + nsample_line(1600, 0.2));
  for (const char* count : {"0", "-3"}) {
    ProgramResult r = with_labels(samHead + "NCH: " + count + "\nLB0: 1, 2, 3, t\n");
    EXPECT_EQ(r.out,
              "Using label file x.lab\nSAM label file\ncan not handle " + std::string(count) + " channels\n");
    EXPECT_EQ(r.code, 1);
  }
  // The rate saturates at 32 bits; sample numbers hold 64.
  ProgramResult big = with_labels(samHead + "SAM: 99999999999\nLB0: 0, -99999999999, 1, big\n");
  EXPECT_NE(big.out.find("\n0 -99999999999 1\n"), std::string::npos) << big.out;
  EXPECT_NE(big.out.find("\n0 4.65661e-10 \n"), std::string::npos) << big.out;
}

TEST_F(LabelFileTest, SamFaultyLinesStop) {
  struct Case {
    std::string lines, tail;
  };
  const Case cases[] = {
      {"LB0: 1, 2\n", "LB0: 1, 2\nincomplete label line\n"},
      {"LB0: 1, 2, 3\n", "LB0: 1, 2, 3\nincomplete label line\n"},
      {"LB0: x, 2, 3, t\n", "LB0: x, 2, 3, t\nincomplete label line\n"},
      {"LB0:\n", "LB0:\nincomplete label line\n"},
      {"LB0: 10, 0, 5, t\n", "LB0: 10, 0, 5, t\n10 0 5\nEmpty utterance\n"},
      {"SAM: 0\nLB0: 1, 2, 3, t\n", "LB0: 1, 2, 3, t\n1 2 3\ncan not use sampling rate 0\n"},
      {"SAM: -16000\nLB0: 1, 2, 3, t\n", "LB0: 1, 2, 3, t\n1 2 3\ncan not use sampling rate -16000\n"},
  };
  for (const Case& c : cases) {
    ProgramResult r = with_labels(samHead + c.lines);
    EXPECT_EQ(r.out, "Using label file x.lab\nSAM label file\n" + c.tail);
    EXPECT_EQ(r.code, 1) << c.lines;
  }
}

TEST_F(LabelFileTest, LongLinesAreReadInPiecesOf198Characters) {
  // The rest of a long line is a line of its own: here it begins with a key.
  ProgramResult sam = with_labels(samHead + "NOTE" + std::string(194, 'x') + "LB0: 8, 0, 16, late\n");
  EXPECT_NE(sam.out.find("SAM label file\nLB0: 8, 0, 16, late\n8 0 16\n"), std::string::npos) << sam.out;
  EXPECT_NE(sam.out.find("\n0.001 0.002 \n"), std::string::npos);
  // A "#" at character 199 of a header line begins a piece and ends the header.
  ProgramResult esps = with_labels(std::string(198, 'h') + "# more\n1.0 1 a\n");
  EXPECT_NE(esps.out.find("Assuming ESPS label file\n0 1 a\nmaxsample = 8000\n"), std::string::npos)
      << esps.out;
  ProgramResult shorter = with_labels(std::string(197, 'h') + "# more\n1.0 1 a\n");
  EXPECT_EQ(shorter.out, "Using label file x.lab\nAssuming ESPS label file\nincomplete label file \n");
  // Only the first line decides the format, and only by its first piece.
  ProgramResult first = with_labels(std::string(198, ' ') + "LHD:\n#\n1.0 1 a\n");
  EXPECT_NE(first.out.find("Assuming ESPS label file\n0 1 a\n"), std::string::npos) << first.out;
}

}  // namespace
