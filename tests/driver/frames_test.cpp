// Recordings of several channels and cuts by time, against sox: frames stay
// whole, any channel count up to 1000 converts, cuts land where sox trims.
#include "tests/driver/sox_fixture.h"

namespace {

class FramesTest : public SoxTest {
 protected:
  void make_wav(const std::string& name, const std::string& rate, int channels, const std::string& seconds) {
    std::vector<std::string> args = {"-n", "-r", rate, "-c",    std::to_string(channels),
                                     "-b", "16", name, "synth", seconds};
    for (int k = 0; k < channels; ++k) args.insert(args.end(), {"sine", std::to_string(100 + 97 * k)});
    run_sox(args);
  }
};

TEST_F(FramesTest, CutsLandWhereSoxTrims) {
  struct Cut {
    const char* rate;
    int channels;
    const char* start;
    const char* end;
  };
  for (const Cut& c : {Cut{"8000", 1, "0.5", "0.7"}, Cut{"44100", 1, "0.2", "1.3"},
                       Cut{"16000", 2, "0.10003", "0.90007"}, Cut{"22050", 3, "0.0001", "0.5"}}) {
    const std::string wav = std::string("src") + c.rate + ".wav";
    make_wav(wav, c.rate, c.channels, "1.5");
    convert({"-ns", "-at", c.start, "-et", c.end, wav, "cut.voc"});
    EXPECT_EQ(le16_samples(dir.read("cut.voc")),
              as_sox_reads(wav, {"trim", c.start, std::string("=") + c.end}))
        << c.rate << " " << c.start << " " << c.end;
  }
  // A start before the first sample starts at it.
  convert({"-ns", "-at", "-1", "-et", "0.5", "src8000.wav", "cut.voc"});
  EXPECT_EQ(le16_samples(dir.read("cut.voc")), as_sox_reads("src8000.wav", {"trim", "0", "=0.5"}));
}

TEST_F(FramesTest, DecimationAndLimitsKeepWholeFrames) {
  make_wav("st.wav", "8000", 2, "0.3");
  const std::vector<int16_t> frames = as_sox_reads("st.wav");
  std::vector<int16_t> everyThird;
  for (size_t i = 0; i + 1 < frames.size(); i += 6)
    everyThird.insert(everyThird.end(), {frames[i], frames[i + 1]});
  convert({"-ns", "-inc", "3", "st.wav", "dec.voc"});
  EXPECT_EQ(le16_samples(dir.read("dec.voc")), everyThird);
  convert({"-ns", "-l", "1001", "st.wav", "lim.voc"});
  EXPECT_EQ(le16_samples(dir.read("lim.voc")), std::vector<int16_t>(frames.begin(), frames.begin() + 1000));
}

TEST_F(FramesTest, SixteenChannelsSplitIntoChannelFiles) {
  make_wav("m16.wav", "8000", 16, "0.2");
  convert({"-ns", "m16.wav", "m.mul"});
  for (int k : {0, 5, 15})
    EXPECT_EQ(le16_samples(dir.read("m_c" + std::to_string(k) + ".voc")),
              as_sox_reads("m16.wav", {"remix", std::to_string(k + 1)}))
        << "channel " << k;
  EXPECT_FALSE(dir.exists("m_c16.voc"));
}

}  // namespace
