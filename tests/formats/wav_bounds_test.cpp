// MS-wav input bounds through the program: the sample width from bits and block
// align, the channel count from -nc before the header's, and the data chunk's end.
#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

class WavBoundsTest : public SndconvTest {
 protected:
  // The report line of a run over `wav` with no statistics.
  std::string count_line(const std::string& wav) {
    dir.write("in.wav", wav);
    const std::string out = convert({"-ns", "in.wav", "-"});
    return out.substr(out.rfind("nsample"));
  }
  std::string fmt(uint16_t channels, uint16_t blockAlign, uint16_t bits) {
    return chunk("fmt ", format_body(1, channels, 8, blockAlign, bits));
  }
};

TEST_F(WavBoundsTest, SampleWidthIsTheBitsWhenTheBlockHoldsOneSampleAChannel) {
  // 16-bit stereo: block align 4, two-byte samples, first channel first.
  dir.write("in.wav", riff(fmt(2, 4, 16) + chunk("data", le16_bytes({1, -2, 3, -4}))));
  convert({"in.wav", "out.voc"});
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{1, -2, 3, -4}));
  // 32-bit and 8-bit stereo: 16 and 4 data bytes are four samples each.
  EXPECT_EQ(count_line(riff(fmt(2, 8, 32) + chunk("data", std::string(16, '\1')))), nsample_line(4, 0.5));
  EXPECT_EQ(count_line(riff(fmt(2, 2, 8) + chunk("data", std::string(4, '\1')))), nsample_line(4, 0.5));
  // Otherwise the block align is the sample: 16 bits in 4-byte blocks.
  EXPECT_EQ(count_line(riff(fmt(1, 4, 16) + chunk("data", std::string(8, '\1')))), nsample_line(2, 0.25));
}

TEST_F(WavBoundsTest, ChannelCountOfNcGoesBeforeTheHeaders) {
  dir.write("in.wav", riff(fmt(2, 4, 16) + chunk("data", le16_bytes({1, 2, 3, 4, 5, 6}))));
  convert({"-inc", "2", "-nc", "1", "in.wav", "out.voc"});
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{1, 3, 5}));
  convert({"-inc", "2", "in.wav", "out.voc"});
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{1, 2, 5, 6}));
}

TEST_F(WavBoundsTest, DataLengthZeroReadsToTheEndOfTheFile) {
  dir.write("in.wav", riff(fmt(1, 2, 16)) + "data" + le32(0) + le16_bytes({7, -8, 9}));
  convert({"in.wav", "out.voc"});
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{7, -8, 9}));
}

TEST_F(WavBoundsTest, DataChunkBoundsTheSamplesAfterASkip) {
  dir.write("in.wav",
            riff(fmt(1, 2, 16) + chunk("data", le16_bytes({7, -8, 9, -10})) + chunk("LIST", "INFO")));
  convert({"-hs", "1", "in.wav", "out.voc"});
  EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{-8, 9, -10}));
  convert({"-hs", "6", "in.wav", "out.voc"});
  EXPECT_EQ(dir.read("out.voc"), "");
}

}  // namespace
