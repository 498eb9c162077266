// MS-wav and NIST files made by sox are read as sox reads them, and the MS-wav
// files sndconv writes are read by sox with the same samples, rate and length.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/driver/sox_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

// 8-bit MS-wav samples are unsigned: 128 is silence, each step 256 on the 16-bit scale.
std::vector<int> unsigned8_values(const std::string& bytes) {
  std::vector<int> values;
  for (char c : bytes) values.push_back((static_cast<uint8_t>(c) - 128) * 256);
  return values;
}

class WavSoxTest : public SoxTest {
 protected:
  // The samples as sox decodes them, 16-bit signed.
  std::vector<int16_t> sox_samples(const std::vector<std::string>& input) {
    std::vector<std::string> args = input;
    args.insert(args.end(), {"-t", "raw", "-e", "signed-integer", "-b", "16", "-L", "decoded.raw"});
    run_sox(args);
    return le16_samples(dir.read("decoded.raw"));
  }
  // A 0.3 s sweep at 16 kHz, 16-bit mono, as sox makes it.
  void make_sweep(const std::string& name) {
    run_sox({"-n", "-r", "16000", "-c", "1", "-b", "16", "-e", "signed-integer", name, "synth", "0.3", "sine",
             "300-3000", "vol", "0.9"});
  }
  std::vector<int16_t> sndconv_samples(const std::vector<std::string>& options, const std::string& input) {
    std::vector<std::string> args = options;
    args.insert(args.end(), {"-ns", input, "out.voc"});
    last = convert(args);
    return le16_samples(dir.read("out.voc"));
  }
  std::string last;  // standard output of the last sndconv_samples
};

TEST_F(WavSoxTest, SixteenBitMono) {
  make_sweep("src.wav");
  const std::vector<int16_t> expected = sox_samples({"src.wav"});
  ASSERT_EQ(expected.size(), 4800u);
  EXPECT_EQ(sndconv_samples({}, "src.wav"), expected);
  EXPECT_NE(last.find(" rate             = 16000\n bytes_per_sec    = 32000\n bytes_per_sample = 2\n"), npos)
      << last;
  EXPECT_NE(last.find(nsample_line(4800, 0.3)), npos) << last;
}

TEST_F(WavSoxTest, ListChunkBeforeTheData) {
  make_sweep("src.wav");
  const std::string plain = dir.read("src.wav");
  ASSERT_EQ(plain.substr(16, 4), le32(16));
  ASSERT_EQ(plain.substr(36, 4), "data");
  const std::string list = chunk("LIST", "INFOICMT" + le32(6) + std::string("hello\0", 6));
  dir.write("list.wav", riff(plain.substr(12, 24) + list + plain.substr(36)));
  const std::vector<int16_t> expected = sox_samples({"list.wav"});
  ASSERT_EQ(expected, sox_samples({"src.wav"}));
  EXPECT_EQ(sndconv_samples({}, "list.wav"), expected);
  EXPECT_NE(last.find("chunk: <LIST>\nchunk: <data>\n"), npos) << last;
}

TEST_F(WavSoxTest, EighteenByteFormatChunk) {
  make_sweep("src.wav");
  run_sox({"src.wav", "-e", "a-law", "alaw.wav"});
  const std::string alaw = dir.read("alaw.wav");
  ASSERT_EQ(alaw.substr(16, 4), le32(18));
  // 8-bit PCM with an 18-byte chunk: the 2 extra bytes are skipped.
  std::string pcm8 = alaw;
  pcm8.replace(20, 2, le16(1));
  dir.write("pcm8.wav", pcm8);
  convert({"-ns", "pcm8.wav", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), ascii_lines(unsigned8_values(alaw.substr(alaw.find("data") + 8, 4800))));
}

TEST_F(WavSoxTest, ExtensibleFormatChunk) {
  make_sweep("src.wav");
  run_sox({"src.wav", "-b", "32", "ext.wav"});
  const std::string ext = dir.read("ext.wav");
  ASSERT_EQ(ext.substr(16, 4), le32(40));
  // 32-bit words on the 16-bit scale: the 16-bit source again.
  EXPECT_EQ(sndconv_samples({}, "ext.wav"), sox_samples({"src.wav"}));
  EXPECT_NE(last.find(" version          = -2\n"), npos) << last;
  EXPECT_NE(last.find(" bytes_per_sample = 4\n"), npos) << last;
}

TEST_F(WavSoxTest, EightBitUnsigned) {
  make_sweep("src.wav");
  run_sox({"src.wav", "-b", "8", "-e", "unsigned-integer", "u8.wav"});
  run_sox({"u8.wav", "-t", "raw", "-e", "unsigned-integer", "-b", "8", "u8.raw"});
  const std::vector<int> bytes = unsigned8_values(dir.read("u8.raw"));
  ASSERT_EQ(bytes.size(), 4800u);
  convert({"-ns", "u8.wav", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), ascii_lines(bytes));
}

TEST_F(WavSoxTest, NistSphere) {
  make_sweep("src.wav");
  run_sox({"src.wav", "-t", "sph", "x.nis"});
  const std::vector<int16_t> expected = sox_samples({"-t", "sph", "x.nis"});
  ASSERT_EQ(expected.size(), 4800u);
  EXPECT_EQ(sndconv_samples({}, "x.nis"), expected);
  EXPECT_NE(last.find("sampling rate: 16000\nlength: 4800\n"), npos) << last;
}

TEST_F(WavSoxTest, OddChunkWithItsPadByte) {
  const std::vector<int16_t> samples = {1000, -1000, 32767, -32768, 5};
  const std::string file = riff(chunk("fmt ", format_body(1, 1, 8000, 2, 16)) + chunk("note", "odd") +
                                std::string(1, '\0') + chunk("data", le16_bytes(samples)));
  dir.write("pad.wav", file);
  EXPECT_EQ(sox_samples({"pad.wav"}), samples);
  EXPECT_EQ(sndconv_samples({}, "pad.wav"), samples);
  EXPECT_NE(last.find("chunk: <note>\nchunk: <data>\n"), npos) << last;
}

TEST_F(WavSoxTest, SoxReadsWhatSndconvWrites) {
  std::vector<int16_t> samples;
  for (int i = 0; i < 500; ++i) samples.push_back(static_cast<int16_t>((i * 2654435761u) >> 16));
  dir.write("in.voc", le16_bytes(samples));
  for (const std::vector<std::string>& lengthArgs :
       std::vector<std::vector<std::string>>{{}, {"-le", "500"}, {"-le", "10"}}) {
    std::vector<std::string> args = lengthArgs;
    args.insert(args.end(), {"-r", "11025", "in.voc", "out.wav"});
    convert(args);
    EXPECT_EQ(run_sox({"--i", "-r", "out.wav"}), "11025\n");
    EXPECT_EQ(run_sox({"--i", "-s", "out.wav"}), "500\n");
    EXPECT_EQ(sox_samples({"out.wav"}), samples);
  }
}

TEST_F(WavSoxTest, StereoFilesKeepTheirChannels) {
  run_sox({"-n", "-r", "16000", "-c", "2", "-b", "16", "-e", "signed-integer", "st.wav", "synth", "0.3",
           "sine", "300", "sine", "700"});
  const std::vector<int16_t> interleaved = sox_samples({"st.wav"});
  ASSERT_EQ(interleaved.size(), 9600u);
  EXPECT_EQ(sndconv_samples({}, "st.wav"), interleaved);
  convert({"st.wav", "back.wav"});
  EXPECT_EQ(run_sox({"--i", "-c", "back.wav"}), "2\n");
  EXPECT_EQ(run_sox({"--i", "-r", "back.wav"}), "16000\n");
  EXPECT_EQ(sox_samples({"back.wav"}), interleaved);
}

TEST_F(WavSoxTest, OnlyTheDataChunkIsRead) {
  make_sweep("src.wav");
  const std::string plain = dir.read("src.wav");
  const std::vector<int16_t> expected = sox_samples({"src.wav"});
  // An odd data length, its pad byte, then a LIST chunk after the data.
  const std::string data = plain.substr(44) + "\x7f";
  const std::string list = chunk("LIST", "INFOICMT" + le32(6) + std::string("hello\0", 6));
  dir.write("tail.wav", riff(plain.substr(12, 24) + chunk("data", data) + std::string(1, '\0') + list));
  EXPECT_EQ(sox_samples({"tail.wav"}), expected);
  EXPECT_EQ(sndconv_samples({}, "tail.wav"), expected);
}

TEST_F(WavSoxTest, FormatsThatCannotBeReadRightAreRefusedBeforeAnyOutput) {
  make_sweep("src.wav");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"-e", "ms-adpcm"}, "can't handle MS-wav format 2\n"},
      {{"-e", "ima-adpcm"}, "can't handle MS-wav format 17\n"},
      {{"-e", "gsm-full-rate"}, "can't handle MS-wav format 49\n"},
  };
  for (const auto& [encoding, message] : cases) {
    std::vector<std::string> args{"src.wav"};
    args.insert(args.end(), encoding.begin(), encoding.end());
    args.push_back("odd.wav");
    run_sox(args);
    const ProgramResult r = sndconv({"odd.wav", "out.voc"});
    EXPECT_EQ(r.code, 1) << message;
    EXPECT_TRUE(r.out.ends_with("chunk: <data>\n" + message)) << r.out;
    EXPECT_FALSE(dir.exists("out.voc")) << message;
  }
}

TEST_F(WavSoxTest, DecimatedOutputStatesTheRateWritten) {
  make_sweep("src.wav");
  convert({"-inc", "2", "src.wav", "half.wav"});
  EXPECT_EQ(run_sox({"--i", "-r", "half.wav"}), "8000\n");
  EXPECT_EQ(run_sox({"--i", "-D", "half.wav"}), "0.300000\n");
  // A folder's name does not choose the mode.
  std::filesystem::create_directory(dir.file("run.data"));
  convert({"src.wav", "run.data/out.wav"});
  EXPECT_EQ(sox_samples({"run.data/out.wav"}), sox_samples({"src.wav"}));
}

}  // namespace
