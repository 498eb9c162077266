// The closing report through the program: the count and duration, the
// statistics lines, the dB and psi1 lines, and the length-only form with its file.
#include "tests/driver/sndconv_fixture.h"

namespace {

using ReportTest = SndconvTest;

const std::string reportHead = "in.asc\n-\ninmode = ASCII,   outmode = NONE\n";

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
  EXPECT_EQ(convert({"-S", "in.asc", "-"}), reportHead + nsample_line(4, 4.0 / 8000) +
                                                "min       =        1.00\n"
                                                "max       =        4.00\n"
                                                "mean      =        2.50\n"
                                                "energy    =         7.5,  std =    1.11803\n"
                                                "psi1        =     6.66667\n"
                                                "psi1/psi0   =     0.88889\n");
  EXPECT_EQ(convert({"-ns", "in.asc", "-"}), reportHead + nsample_line(4, 4.0 / 8000));
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
  // A negative reference has no logarithm: the line shows it.
  out = convert({"-R", "-100", "in.asc", "-"});
  EXPECT_NE(out.find("std =       1000\n       nandB\n"), std::string::npos) << out;
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

TEST_F(ReportTest, SumsAreSinglePrecision) {
  // 100 blocks of samples: the sums are floats, so the energies come out as 333365
  // and 3.33364e+07 where sums in double precision give 333366 and 3.33366e+07.
  // Scaled and unscaled runs.
  std::vector<int16_t> input(100000);
  for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<int16_t>((i * 7919) % 20001 - 10000);
  dir.write("in.voc", le16_bytes(input));
  std::string out = convert({"-S", "-s", "0.1", "in.voc", "-"});
  EXPECT_NE(out.find("min       =    -1000.00\nmax       =     1000.00\nmean      =        0.01\n"
                     "energy    =      333365,  std =    577.378\npsi1        =     -145019\n"
                     "psi1/psi0   =    -0.43502\n"),
            std::string::npos)
      << out;
  out = convert({"-S", "in.voc", "-"});
  EXPECT_NE(out.find("min       =   -10000.00\nmax       =    10000.00\nmean      =        0.09\n"
                     "energy    =  3.33364e+07,  std =    5773.77\npsi1        =  -1.45019e+07\n"
                     "psi1/psi0   =    -0.43502\n"),
            std::string::npos)
      << out;
}

}  // namespace
