// tonemaker's text as sndconv's ASCII input: the generated lines arrive as the
// same 16-bit samples, and the report measures the tone.
#include <gtest/gtest.h>

#include "tests/gen/tonemaker_run.h"

namespace {

TEST(PipelineTest, GeneratedToneConvertsSampleForSample) {
  TempDir dir;
  ProgramResult tone = run_program(
      TONEMAKER_BIN, {"-f", "1000", "-a", "10000", "-n", "2500", "-nz", "5", "t.asc"}, dir.path());
  ASSERT_EQ(tone.code, 0) << tone.out << tone.err;
  ProgramResult conv = run_program(SNDCONV_BIN, {"-S", "t.asc", "t.voc"}, dir.path());
  ASSERT_EQ(conv.code, 0) << conv.out;
  std::vector<std::string> lines = split_lines(dir.read("t.asc"));
  std::vector<int16_t> samples = le16_samples(dir.read("t.voc"));
  ASSERT_EQ(samples.size(), 2500u);
  for (size_t i = 0; i < samples.size(); ++i) ASSERT_EQ(samples[i], std::stoi(lines[i])) << i;
  // 1 kHz at 8 kHz: the peak is reached, and neighbours correlate at cos(pi/4).
  EXPECT_NE(conv.out.find("max       =    10000.00\n"), std::string::npos) << conv.out;
  EXPECT_NE(conv.out.find("psi1/psi0   =     0.70"), std::string::npos) << conv.out;
}

}  // namespace
