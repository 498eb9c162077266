// HTK waveform input: the rate from the sample period in either byte order,
// periods that give no rate, a header cut short, and the skip over the header.
#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

constexpr auto npos = std::string::npos;

std::string htk_le(uint32_t period) { return le32(3) + le32(period) + le16(2) + le16(0); }

using HtkTest = SndconvTest;

TEST_F(HtkTest, RateFromThePeriodInEitherByteOrder) {
  dir.write("in.htk", htk_le(625) + le16_bytes({1, -1, 500}));
  EXPECT_EQ(convert({"-ns", "in.htk", "out.asc"}),
            "in.htk\nout.asc\ninmode = HTK,   outmode = ASCII\nsampling rate = 16000\n" + nsample_line(3, 0));
  EXPECT_EQ(dir.read("out.asc"), "1\n-1\n500\n");
  // The sample size 2 reads 512 in the other byte order: the file's own is found.
  EXPECT_NE(convert({"-sw", "-ns", "in.htk", "out.asc"}).find("sampling rate = 16000\n"), npos);
  EXPECT_EQ(dir.read("out.asc"), "1\n-1\n500\n");

  dir.write("in.htk", be32(3) + be32(625) + be16(2) + be16(0) + be16(1) + be16(0xFFFF) + be16(500));
  std::string out = convert({"-v", "-sw", "-ns", "in.htk", "out.asc"});
  EXPECT_NE(out.find(" WARNUNG !! jswap:: in = 50331648, 3000000,  out =  3, 3\n"
                     " WARNUNG !! jswap:: in = 1895956480, 71020000,  out =  625, 271\n"
                     "sampling rate = 16000\n"),
            npos)
      << out;
  EXPECT_EQ(dir.read("out.asc"), "1\n-1\n500\n");
  // HTK's own order, most significant byte first, reads so without -sw too.
  EXPECT_NE(convert({"-ns", "in.htk", "out.asc"}).find("sampling rate = 16000\n"), npos);
  EXPECT_EQ(dir.read("out.asc"), "1\n-1\n500\n");
}

TEST_F(HtkTest, FeatureFilesAreRefused) {
  // MFCC_E (6 + 0x40) in 10 ms frames of 13 coefficients.
  dir.write("in.htk", be32(2) + be32(100000) + be16(52) + be16(0x46) + std::string(104, '\1'));
  const ProgramResult r = sndconv({"-sw", "in.htk", "out.asc"});
  EXPECT_TRUE(r.out.ends_with("sampling rate = 100\ncan't handle HTK parameter kind 70\n")) << r.out;
  EXPECT_EQ(r.code, 1);
  EXPECT_FALSE(dir.exists("out.asc"));
}

TEST_F(HtkTest, RateIsTruncated) {
  for (auto [period, line] :
       std::vector<std::pair<uint32_t, std::string>>{{907, "sampling rate = 11025\n"},
                                                     {227, "sampling rate = 44052\n"},
                                                     {1250, "sampling rate = 8000\n"}}) {
    dir.write("in.htk", htk_le(period));
    std::string out = convert({"in.htk", "-"});
    EXPECT_NE(out.find(line), npos) << out;
  }
}

TEST_F(HtkTest, PeriodsWithoutARateAreRefused) {
  dir.write("in.htk", htk_le(0) + le16_bytes({1}));
  ProgramResult r = sndconv({"in.htk", "out.asc"});
  EXPECT_EQ(r.out, "in.htk\nout.asc\ninmode = HTK,   outmode = ASCII\nHTK sample period 0 not usable\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_FALSE(dir.exists("out.asc"));
  dir.write("in.htk", htk_le(static_cast<uint32_t>(-625)));
  r = sndconv({"in.htk", "out.asc"});
  EXPECT_NE(r.out.find("HTK sample period -625 not usable\n"), npos) << r.out;
  EXPECT_EQ(r.code, 1);
}

TEST_F(HtkTest, ShortHeaderAndSkip) {
  dir.write("in.htk", htk_le(625).substr(0, 11));
  ProgramResult r = sndconv({"in.htk", "out.asc"});
  EXPECT_EQ(r.out, "in.htk\nout.asc\ninmode = HTK,   outmode = ASCII\nheader of in.htk ends early\n");
  EXPECT_EQ(r.code, 1);
  // The skip counts from the start of the file: 6 words are the header itself.
  dir.write("in.htk", htk_le(625) + le16_bytes({4, 5, 6}));
  convert({"-hs", "7", "in.htk", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "5\n6\n");
}

}  // namespace
