// The run's numbers bit for bit: each expression in double, rounded to float
// where it is stored; the start-time rounding; the end time over all channels.
#include <cmath>
#include <cstring>

#include "tests/driver/sndconv_fixture.h"

namespace {

using ArithmeticTest = SndconvTest;

std::vector<int16_t> every_short() {
  std::vector<int16_t> values;
  for (int v = -32768; v <= 32767; ++v) values.push_back(static_cast<int16_t>(v));
  return values;
}

TEST_F(ArithmeticTest, MeanAndScaleRoundOnceFromDouble) {
  dir.write("in.voc", le16_bytes(every_short()));
  dir.write("float.desc", "<data> float <binary>\n");
  convert({"-ns", "-m", "0.7", "-s", "1.0047", "-O", "float.desc", "in.voc", "out.f32"});
  const std::string bytes = dir.read("out.f32");
  ASSERT_EQ(bytes.size(), 4u * 65536);
  const double mean = 0.7f, factor = 1.0047f;
  int differsFromFloatSteps = 0;
  for (int i = 0; i < 65536; ++i) {
    const double x = i - 32768;
    float got;
    memcpy(&got, bytes.data() + 4 * i, 4);
    ASSERT_EQ(got, static_cast<float>((x - mean) * factor)) << "sample " << x;
    const float stepwise = static_cast<float>(static_cast<float>(x - mean) * factor);
    differsFromFloatSteps += stepwise != got;
  }
  EXPECT_GT(differsFromFloatSteps, 0) << "the input must tell one rounding from two";
}

TEST_F(ArithmeticTest, StartTimesRoundToTheNearestSample) {
  std::vector<int16_t> ramp;
  for (int i = 0; i < 16000; ++i) ramp.push_back(static_cast<int16_t>(i));
  dir.write("in.voc", le16_bytes(ramp));
  // rate x time lands just below the whole number in double: the +0.5 lifts it.
  for (const char* rate : {"8000", "16000"}) {
    for (const char* time : {"0.35", "0.7", "0.9"}) {
      const long expected = std::lround(std::atof(rate) * std::atof(time));
      ASSERT_LT(std::atof(rate) * static_cast<double>(std::strtof(time, nullptr)),
                static_cast<double>(expected));
      const std::string out = convert({"-ns", "-l", "1", "-r", rate, "-at", time, "in.voc", "out.asc"});
      EXPECT_NE(out.find("skip_size = " + std::to_string(expected) + "\n"), npos)
          << rate << " " << time << out;
      EXPECT_EQ(dir.read("out.asc"), std::to_string(expected) + "\n");
    }
  }
}

TEST_F(ArithmeticTest, DeviationOfALongNearConstantSignalUsesFloatSums) {
  const int n = 300000;
  std::vector<int16_t> samples;
  float sum = 0, energy = 0;
  double exactSum = 0, exactEnergy = 0;
  for (int i = 0; i < n; ++i) {
    const int16_t x = static_cast<int16_t>(3000 + i % 3);
    samples.push_back(x);
    sum = static_cast<float>(static_cast<double>(sum) + x);
    energy = static_cast<float>(static_cast<double>(energy) + static_cast<double>(x) * x);
    exactSum += x;
    exactEnergy += static_cast<double>(x) * x;
  }
  auto line = [](double s, double e) {
    const float mean = static_cast<float>(s / n), power = static_cast<float>(e / n);
    const float deviation = static_cast<float>(std::sqrt(static_cast<double>(power) - double(mean) * mean));
    char text[80];
    snprintf(text, sizeof text, "energy    =  %10g,  std = %10g\n", power, deviation);
    return std::string(text);
  };
  dir.write("in.voc", le16_bytes(samples));
  const std::string out = convert({"in.voc", "-"});
  EXPECT_NE(out.find(line(sum, energy)), npos) << out;
  EXPECT_EQ(out.find(line(exactSum, exactEnergy)), npos) << "double sums would give the same line";
}

TEST_F(ArithmeticTest, EndTimeCountsTheSamplesOfEveryChannel) {
  dir.write("in.voc", le16_bytes(std::vector<int16_t>(20000, 7)));
  const std::string out =
      convert({"-nc", "2", "-r", "8000", "-at", "0.25", "-et", "0.75", "in.voc", "out.voc"});
  EXPECT_NE(out.find("skip_size = 4000\nmaxsample = 8000\n"), npos) << out;
  EXPECT_EQ(dir.read("out.voc").size(), 2u * 8000);
}

}  // namespace
