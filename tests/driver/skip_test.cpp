// Skips on the headerless inputs through the program: "-hs" and a start time on
// PCM (most significant byte first) and Speechdat-Car words (unsigned, 32768 is 0).
#include <utility>

#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

using SkipTest = SndconvTest;

TEST_F(SkipTest, PcmAndSpeechdatCarSkipTwoBytesASample) {
  // 100, -200, 300, -400 in each; -r 4 puts a start time of 0.5 s on sample 2.
  const std::pair<std::string, std::string> inputs[] = {
      {"in.pcm", be16(100) + be16(0xFF38) + be16(300) + be16(0xFE70)},
      {"in.dev", le16(32868) + le16(32568) + le16(33068) + le16(32368)}};
  for (const auto& [name, bytes] : inputs) {
    dir.write(name, bytes);
    for (std::vector<std::string> args : {std::vector<std::string>{"-hs", "2"}, {"-r", "4", "-at", "0.5"}}) {
      args.insert(args.end(), {name, "out.voc"});
      convert(args);
      EXPECT_EQ(le16_samples(dir.read("out.voc")), (std::vector<int16_t>{300, -400}))
          << name << " " << args[0];
    }
  }
}

}  // namespace
