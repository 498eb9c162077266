// Runs that end by a signal or a file size limit, through the programs: outputs
// keep their whole values and MS-wav headers that readers take as they stand.
#include <sys/stat.h>

#include <filesystem>

#include "tests/driver/sndconv_fixture.h"

namespace {

class SignalsTest : public SndconvTest {
 protected:
  ProgramResult bash(const std::string& command) {
    return run_program("/bin/bash", {"-c", command}, dir.path());
  }
  // The samples of a WAV as sox reads them, or nothing without sox.
  std::string as_sox_reads(const std::string& wav) {
    const std::string sox = find_program("sox");
    if (sox.empty()) return {};
    const ProgramResult r =
        run_program(sox, {wav, "-t", "raw", "-e", "signed", "-b", "16", "-L", "-"}, dir.path());
    EXPECT_EQ(r.code, 0) << r.err;
    return r.out;
  }
  // Header lengths and file size agree in whole frames, and sox reads the samples.
  void expect_whole_wav(const std::string& name, const std::string& source) {
    const std::string wav = dir.read(name);
    ASSERT_GE(wav.size(), 44u);
    const auto data =
        static_cast<uint32_t>(static_cast<uint8_t>(wav[40]) | static_cast<uint8_t>(wav[41]) << 8 |
                              static_cast<uint8_t>(wav[42]) << 16 | static_cast<uint8_t>(wav[43]) << 24);
    EXPECT_EQ(data, wav.size() - 44) << name;
    EXPECT_EQ(data % 2, 0u) << name;
    EXPECT_EQ(wav.substr(44), source.substr(0, data)) << name;
    if (!find_program("sox").empty()) {
      EXPECT_EQ(as_sox_reads(name), source.substr(0, data)) << name;
    }
  }
  const std::string sndconv_bin = SNDCONV_BIN, tonemaker_bin = TONEMAKER_BIN;
};

std::vector<int16_t> signal_ramp(size_t count) {
  std::vector<int16_t> samples(count);
  for (size_t i = 0; i < count; ++i) samples[i] = static_cast<int16_t>(i * 13);
  return samples;
}

TEST_F(SignalsTest, AReaderThatGoesAwayEndsTheRunWith141) {
  // More block lines with -v than the text buffer holds, so they reach the
  // closed pipe mid-run.
  const std::string source = le16_bytes(signal_ramp(8000000));
  dir.write("in.voc", source);
  const ProgramResult r = bash(sndconv_bin + " -v in.voc out.wav | true; exit ${PIPESTATUS[0]}");
  EXPECT_EQ(r.code, 141);
  EXPECT_EQ(r.err, "");
  expect_whole_wav("out.wav", source);
  EXPECT_LT(dir.read("out.wav").size(), source.size() + 44) << "the run ended early";
  const ProgramResult tone =
      bash(tonemaker_bin + " -n 1000000 /dev/stdout | head -c 1; exit ${PIPESTATUS[0]}");
  EXPECT_EQ(tone.code, 141);
  EXPECT_EQ(tone.err, "");
}

TEST_F(SignalsTest, AFileSizeLimitIsAFailedWriteThatKeepsWholeValues) {
  const std::string source = le16_bytes(signal_ramp(100000));
  dir.write("in.voc", source);
  ProgramResult r = bash("ulimit -f 63; exec " + sndconv_bin + " in.voc lim.wav");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "lim.wav: File too large\n");
  expect_whole_wav("lim.wav", source);
  convert({"in.voc", "all.asc"});
  r = bash("ulimit -f 63; exec " + sndconv_bin + " in.voc lim.asc");
  EXPECT_EQ(r.code, 1);
  const std::string text = dir.read("lim.asc");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(dir.read("all.asc").substr(0, text.size()), text);
  r = bash("ulimit -f 4; exec " + tonemaker_bin + " -n 100000 t.asc");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "t.asc: File too large\n");
  const std::string lines = dir.read("t.asc");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), '\n');
  EXPECT_LT(lines.size(), 4096u);
}

TEST_F(SignalsTest, ASignalWhileAFifoWaitsForItsReaderEndsTheRun) {
  dir.write("in.voc", le16_bytes(signal_ramp(10)));
  for (const std::string& program : {sndconv_bin + " in.voc", tonemaker_bin}) {
    std::filesystem::remove(dir.file("fifo.voc"));
    ASSERT_EQ(mkfifo(dir.file("fifo.voc").c_str(), 0600), 0);
    const ProgramResult r = bash(program +
                                 " fifo.voc >/dev/null 2>err & pid=$!; sleep 0.3; kill -TERM $pid; wait "
                                 "$pid; code=$?; cat err; exit $code");
    EXPECT_EQ(r.code, 143) << program;
    EXPECT_EQ(r.out, "interrupted\n") << program;
  }
}

}  // namespace
