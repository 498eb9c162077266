// End-to-end tests of the signal tonemaker writes: the five waveforms, the
// zero lines around the signal, and the frequency sweep.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "tests/gen/tonemaker_run.h"

using Lines = std::vector<std::string>;

TEST(Waveform, DefaultSine) {
  std::vector<long> v = line_values(run_tone({"out"}, "out"));
  ASSERT_EQ(v.size(), 512u);
  EXPECT_EQ(std::vector<long>(v.begin(), v.begin() + 5), (std::vector<long>{0, 783, 1448, 1892, 2048}));
  for (size_t i = 0; i + 16 < v.size(); ++i) EXPECT_NEAR(v[i + 16], v[i], 1) << i;  // 16-sample period
  for (size_t i = 0; i < 8; ++i) EXPECT_NEAR(v[i + 8], -v[i], 1) << i;
  EXPECT_EQ(run_tone({"-fo", "out"}, "out").lines.at(1), "783.735718");
  // The phase step uses pi = 3.141592654; the full constant rounds this one differently.
  EXPECT_EQ(run_tone({"-f", "1025", "-n", "2", "-fo"}).lines.at(1), "1476.308228");
}

TEST(Waveform, TriIsARisingSawtooth) {
  std::vector<long> expected;
  for (long i = 0; i <= 16; ++i) expected.push_back(-2048 + 256 * i);  // 1 itself does not wrap
  while (expected.size() < 512) expected.push_back(expected[expected.size() - 16]);
  EXPECT_EQ(line_values(run_tone({"-tri"})), expected);
}

// At 1200 Hz the ramp sum of sample 20 lies just above 1 and rounds to 1 in
// float; the wrap is decided on the unrounded sum.
TEST(Waveform, WrapIsDecidedBeforeRounding) {
  EXPECT_EQ(run_tone({"-tri", "-f", "1200", "-n", "21"}).lines.at(20), "-2048");
  EXPECT_EQ(run_tone({"-imp", "-f", "1200", "-n", "21"}).lines.at(20), "2048");
}

TEST(Waveform, ImpulseWhereTheSawtoothWraps) {
  std::vector<long> v = line_values(run_tone({"-imp"}));
  ASSERT_EQ(v.size(), 512u);
  for (size_t i = 0; i < v.size(); ++i) EXPECT_EQ(v[i], i >= 17 && (i - 17) % 16 == 0 ? 2048 : 0) << i;
}

TEST(Waveform, ConstIsTheAmplitude) {
  EXPECT_EQ(run_tone({"-const"}).lines, Lines(512, "2048"));
  EXPECT_EQ(run_tone({"-const", "-fo"}).lines, Lines(512, "2048.000000"));
}

TEST(Waveform, RectFollowsTheSignOfTheSine) {
  Lines rect = run_tone({"-rect"}).lines, sine = run_tone({"-fo"}).lines;
  ASSERT_EQ(rect.size(), 512u);
  EXPECT_EQ(rect[0], "0");
  EXPECT_EQ(rect[8], "2048");  // phase just below pi
  for (size_t i = 1; i < rect.size(); ++i) {
    ASSERT_TRUE(rect[i] == "2048" || rect[i] == "-2048") << i;
    if (std::abs(std::stod(sine[i])) > 1e-3) {
      EXPECT_EQ(rect[i][0] == '-', sine[i][0] == '-') << i;
    }
  }
  EXPECT_EQ(run_tone({"-rect", "-f", "0", "-n", "4"}).lines, Lines(4, "0"));
}

TEST(Waveform, ZeroLinesFrameTheSignal) {
  Lines plain = run_tone({"-n", "492", "-fo"}).lines;
  Lines framed = run_tone({"-nz", "10", "-fo"}).lines;
  Lines expected(10, "0");
  expected.insert(expected.end(), plain.begin(), plain.end());
  expected.insert(expected.end(), 10, "0");
  EXPECT_EQ(framed, expected);
  EXPECT_EQ(run_tone({"-n", "10", "-nz", "6"}).lines, Lines(12, "0"));
  Lines longer = run_tone({"-n", "20", "-nz", "-3"}).lines, direct = run_tone({"-n", "26"}).lines;
  EXPECT_EQ(longer, direct);
  ToneRun empty = run_tone({"-n", "0"});
  EXPECT_TRUE(empty.written);
  EXPECT_TRUE(empty.lines.empty());
}

// With amplitude and sampling rate equal, each sawtooth step is twice the frequency in use.
static std::vector<double> sawtooth_steps(std::vector<std::string> args) {
  for (std::string word : {"-tri", "-fo", "-a", "8000", "-s", "8000"}) args.push_back(word);
  Lines lines = run_tone(args).lines;
  std::vector<double> steps;
  for (size_t i = 1; i < lines.size(); ++i) steps.push_back(std::stod(lines[i]) - std::stod(lines[i - 1]));
  return steps;
}

static void expect_frequencies(const std::vector<double>& steps, const std::vector<double>& frequencies) {
  ASSERT_EQ(steps.size(), frequencies.size());
  for (size_t i = 0; i < steps.size(); ++i) EXPECT_NEAR(steps[i] / 2, frequencies[i], 0.01) << i;
}

TEST(Waveform, SweepStepsBetweenConstantStretches) {
  expect_frequencies(sawtooth_steps({"-f", "100", "-f2", "200", "-n", "10", "-nc", "2"}),
                     {100, 100, 116.667, 133.333, 150, 166.667, 183.333, 200, 200});
  expect_frequencies(sawtooth_steps({"-f2", "200", "-n", "5"}), {440, 380, 320, 260});
  expect_frequencies(sawtooth_steps({"-f2", "200", "-f", "300", "-n", "4"}), {275, 250, 225});
  expect_frequencies(sawtooth_steps({"-f2", "200", "-n", "6", "-nc", "3"}), std::vector<double>(5, 500));
}

// The swept sine in float state: 100 Hz for 20 samples (sample 20 is the peak of
// its quarter period), a sweep over 260 samples, then 2000 Hz. Values of a float
// phase and frequency, each step rounded to float.
TEST(Waveform, SweptSineMatchesFloatArithmetic) {
  Lines lines = run_tone({"-f", "100", "-f2", "2000", "-n", "300", "-nc", "20", "-a", "30000", "-fo"}).lines;
  ASSERT_EQ(lines.size(), 300u);
  const std::pair<size_t, const char*> samples[] = {
      {0, "0.000000"},      {20, "30000.000000"},  {99, "9605.600586"}, {149, "17013.458984"},
      {199, "7432.031738"}, {280, "29976.703125"}, {299, "1184.631836"}};
  for (const auto& [index, value] : samples) EXPECT_EQ(lines[index], value) << index;
}
