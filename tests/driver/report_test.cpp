// The closing report through the program: the count and duration, the
// statistics lines, the dB and psi1 lines, and the length-only form with its file.
#include <cmath>

#include "tests/driver/sndconv_fixture.h"

namespace {

using ReportTest = SndconvTest;

const std::string head = "in.asc\n-\ninmode = ASCII,   outmode = NONE\n";

TEST_F(ReportTest, EmptyInputPrintsOnlyTheCount) {
  dir.write("in.asc", "");
  for (const char* option : {"-S", "-ns", "-v"}) {
    std::string out = convert({option, "-R", "10", "in.asc", "-"});
    EXPECT_NE(out.find(nsample_line(0, 0)), std::string::npos) << out;
    EXPECT_EQ(out.find("min"), std::string::npos) << out;
  }
}

TEST_F(ReportTest, FullReportOfFourSamples) {
  dir.write("in.asc", "1 2 3 4\n");
  EXPECT_EQ(convert({"-S", "in.asc", "-"}), head + nsample_line(4, 4.0 / 8000) +
                                                "min       =        1.00\n"
                                                "max       =        4.00\n"
                                                "mean      =        2.50\n"
                                                "energy    =         7.5,  std =    1.11803\n"
                                                "psi1        =     6.66667\n"
                                                "psi1/psi0   =     0.88889\n");
  EXPECT_EQ(convert({"-ns", "in.asc", "-"}), head + nsample_line(4, 4.0 / 8000));
}

TEST_F(ReportTest, DurationUsesTheRate) {
  dir.write("in.voc", le16_bytes(std::vector<int16_t>(12000, 1)));
  std::string out = convert({"-ns", "in.voc", "-"});
  EXPECT_NE(out.find("nsample   =       12000,       1.50 sec\n"), std::string::npos) << out;
}

TEST_F(ReportTest, DecibelsAgainstTheReference) {
  dir.write("in.asc", "1000 -1000 1000 -1000\n");
  std::string out = convert({"-R", "100", "in.asc", "-"});
  EXPECT_NE(out.find("energy    =       1e+06,  std =       1000\n     20.00dB\n"), std::string::npos) << out;
  EXPECT_EQ(convert({"-R", "0", "in.asc", "-"}).find("dB"), std::string::npos);
  // An alternating signal correlates at -1.
  out = convert({"-S", "in.asc", "-"});
  EXPECT_NE(out.find("psi1/psi0   =    -1.00000\n"), std::string::npos) << out;
}

TEST_F(ReportTest, SingleSampleAndConstantSignal) {
  dir.write("one.asc", "5\n");
  std::string out = convert({"-S", "one.asc", "-"});
  EXPECT_NE(out.find("psi1        =        -nan\npsi1/psi0   =        -nan\n"), std::string::npos) << out;
  dir.write("in.asc", "7 7 7 7 7 7\n");
  out = convert({"-S", "in.asc", "-"});
  EXPECT_NE(out.find("psi1/psi0   =     1.00000\n"), std::string::npos) << out;
}

TEST_F(ReportTest, StatisticsSeeTheValueBeforeTheWrap) {
  dir.write("in.asc", "20000\n");
  std::string out = convert({"-s", "2", "in.asc", "out.asc"});
  EXPECT_NE(out.find("max       =    40000.00\n"), std::string::npos);
  EXPECT_EQ(dir.read("out.asc"), "-25536\n");
}

TEST_F(ReportTest, LengthOnlyAndTheLengthFile) {
  dir.write("in.voc", le16_bytes(std::vector<int16_t>(16000, 3)));
  EXPECT_EQ(convert({"-L", "in.voc", "-"}), "16000\n");
  EXPECT_EQ(convert({"-L", "-S", "in.voc", "-"}), "16000\n");
  EXPECT_EQ(convert({"-ns", "-LF", "len.txt", "in.voc", "-"}), "16000\n");
  EXPECT_EQ(dir.read("len.txt"), "16000\n");
  // A later run takes the count as its length, and -L writes back into it.
  ProgramResult help = run_program_as(SNDCONV_BIN, "sndconv", {"-LI", "len.txt", "-h"}, dir.path());
  EXPECT_NE(help.out.find("D=16000\n"), std::string::npos);
  EXPECT_EQ(convert({"-LI", "len.txt", "-L", "-l", "5", "in.voc", "-"}), "5\n");
  EXPECT_EQ(dir.read("len.txt"), "5\n");

  ProgramResult unwritable = sndconv({"-LF", "nodir/len.txt", "in.voc", "-"});
  EXPECT_EQ(unwritable.out, "16000\n");
  EXPECT_EQ(unwritable.err, "nodir/len.txt: No such file or directory\n");
  EXPECT_EQ(unwritable.code, 1);
  EXPECT_EQ(sndconv({"-LF", "/dev/full", "in.voc", "-"}).code, 1);
}

// The report lines of -S computed straightforwardly: each sample (v - 0) * factor
// in double rounded to float, each sum formed in double and rounded to float.
std::string expected_statistics(const std::vector<int16_t>& input, float factor) {
  float sum = 0, energy = 0, psi1 = 0, previous = 0, lo = 3.4028235e38f, hi = -3.4028235e38f;
  for (int16_t v : input) {
    float x = static_cast<float>((static_cast<double>(v) - 0.0) * static_cast<double>(factor));
    lo = std::min(lo, x);
    hi = std::max(hi, x);
    sum = static_cast<float>(static_cast<double>(sum) + x);
    energy = static_cast<float>(static_cast<double>(energy) + static_cast<double>(x) * x);
    psi1 = static_cast<float>(static_cast<double>(psi1) + static_cast<double>(previous) * x);
    previous = x;
  }
  const double n = static_cast<double>(input.size());
  float mean = static_cast<float>(sum / n), psi0 = static_cast<float>(energy / n);
  float deviation =
      static_cast<float>(std::sqrt(static_cast<double>(psi0) - static_cast<double>(mean) * mean));
  float p1 = static_cast<float>(psi1 / (n - 1));
  char expected[512];
  snprintf(expected, sizeof expected,
           "min       =  %10.2f\nmax       =  %10.2f\nmean      =  %10.2f\n"
           "energy    =  %10g,  std = %10g\npsi1        =  %10g\npsi1/psi0   =  %10.5f\n",
           lo, hi, mean, psi0, deviation, p1, static_cast<double>(p1) / psi0);
  return expected;
}

TEST_F(ReportTest, SumsAreSinglePrecision) {
  // 100 blocks of samples: the float sums drift the way single precision does,
  // which a double accumulation would not show. Scaled and unscaled runs.
  std::vector<int16_t> input(100000);
  for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<int16_t>((i * 7919) % 20001 - 10000);
  dir.write("in.voc", le16_bytes(input));
  std::string out = convert({"-S", "-s", "0.1", "in.voc", "-"});
  std::string expected = expected_statistics(input, 0.1f);
  EXPECT_NE(out.find(expected), std::string::npos) << out << expected;
  out = convert({"-S", "in.voc", "-"});
  expected = expected_statistics(input, 1.0f);
  EXPECT_NE(out.find(expected), std::string::npos) << out << expected;
  // A double-precision accumulation gives other digits for the energy.
  double exact = 0;
  for (int16_t v : input) exact += static_cast<double>(v) * v;
  char doubleEnergy[64];
  snprintf(doubleEnergy, sizeof doubleEnergy, "energy    =  %10g,",
           exact / static_cast<double>(input.size()));
  EXPECT_EQ(out.find(doubleEnergy), std::string::npos) << doubleEnergy;
}

}  // namespace
