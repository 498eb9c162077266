// Cuts by time and by label file on every binary input with a header count from
// the first sample, as sox's trim does; a pipe is skipped by reading forward.
#include "tests/driver/sox_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

class TimeCutTest : public SoxTest {
 protected:
  std::vector<int16_t> trimmed;  // 0.25 s to 0.75 s of the source, as sox cuts it

  void SetUp() override {
    SoxTest::SetUp();
    if (IsSkipped()) return;
    run_sox({"-n", "-r", "16000", "-c", "1", "-b", "16", "-e", "signed-integer", "src.wav", "synth", "1",
             "sine", "200-3000"});
    run_sox({"src.wav", "-t", "raw", "-L", "src.raw"});
    run_sox({"src.wav", "-t", "raw", "-L", "cut.raw", "trim", "0.25", "0.5"});
    trimmed = le16_samples(dir.read("cut.raw"));
    ASSERT_EQ(trimmed.size(), 8000u);
  }
  // The samples sndconv cuts from `input` with `options`.
  std::vector<int16_t> cut(std::vector<std::string> options, const std::string& input) {
    options.insert(options.end(), {"-ns", input, "out.voc"});
    convert(options);
    return le16_samples(dir.read("out.voc"));
  }
};

std::string be16_bytes(const std::vector<int16_t>& samples) {
  std::string bytes;
  for (int16_t s : samples) bytes += be16(static_cast<uint16_t>(s));
  return bytes;
}

TEST_F(TimeCutTest, EveryHeaderedInputCutsWhereSoxTrims) {
  const std::string raw = dir.read("src.raw");
  run_sox({"src.wav", "-t", "sph", "in.nis"});
  dir.write("in.htk", le32(16000) + le32(625) + le16(2) + le16(0) + raw);
  dir.write("in.sam", std::string(512, '\0') + be16_bytes(le16_samples(raw)));
  dir.write("cut.lab", "signal x\n#\n0.25 121 before\n0.75 121 vowel\n");
  for (const char* input : {"src.wav", "in.nis", "in.htk", "in.sam"}) {
    EXPECT_EQ(cut({"-r", "16000", "-at", "0.25", "-et", "0.75"}, input), trimmed) << input;
    EXPECT_EQ(cut({"-r", "16000", "-lf", "cut.lab"}, input), trimmed) << input << " with a label file";
  }
  // "-hs" alone counts MS-wav samples from the start of the data.
  EXPECT_EQ(cut({"-hs", "4000", "-l", "8000"}, "src.wav"), trimmed);
}

TEST_F(TimeCutTest, APipeIsSkippedByReadingForward) {
  const std::string command = "cat src.wav | exec " + std::string(SNDCONV_BIN) +
                              " -ns -i .wav -at 0.25 -et 0.75 /dev/stdin piped.voc";
  const ProgramResult r = run_program("/bin/sh", {"-c", command}, dir.path());
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(le16_samples(dir.read("piped.voc")), trimmed);
  EXPECT_EQ(cut({"-at", "0.25", "-et", "0.75"}, "src.wav"), trimmed);
}

TEST_F(TimeCutTest, ALawInputSkipsOneByteASample) {
  run_sox({"src.wav", "-t", "al", "in.ala"});
  const std::vector<int16_t> whole = cut({}, "in.ala");
  ASSERT_EQ(whole.size(), 16000u);
  EXPECT_EQ(cut({"-r", "16000", "-at", "0.25", "-et", "0.75"}, "in.ala"),
            std::vector<int16_t>(whole.begin() + 4000, whole.begin() + 12000));
}

}  // namespace
