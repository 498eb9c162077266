// Skips on the headerless inputs through the program: "-hs" and a start time on
// PCM (most significant byte first) and Speechdat-Car words (unsigned, 32768 is 0).
#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

using SkipTest = SndconvTest;

// -r 4: a start time of 0.5 s is sample 2.
const std::vector<std::vector<std::string>> skips = {{"-hs", "2"}, {"-r", "4", "-at", "0.5"}};

TEST_F(SkipTest, PcmSkipsTwoBytesASample) {
  dir.write("in.pcm", be16(100) + be16(0xFF38) + be16(300) + be16(0xFE70));  // 100, -200, 300, -400
  for (std::vector<std::string> args : skips) {
    args.insert(args.end(), {"in.pcm", "out.voc"});
    convert(args);
    EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{300, -400})) << args[0];
  }
}

TEST_F(SkipTest, SpeechdatCarSkipsTwoBytesASample) {
  dir.write("in.dev", le16(32868) + le16(32568) + le16(33068) + le16(32368));  // 100, -200, 300, -400
  for (std::vector<std::string> args : skips) {
    args.insert(args.end(), {"in.dev", "out.voc"});
    convert(args);
    EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{300, -400})) << args[0];
  }
}

}  // namespace
