// MS-wav through the program: the input header's lines, the chunk walk, the
// sample widths, refused and cut-short files, and the 44-byte output header.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

constexpr auto npos = std::string::npos;

const std::string head = "in.wav\nout.asc\ninmode = MS-wav,   outmode = ASCII\n";
const std::string formatLines8k =
    "seems like a PC-wav file\n version          = 1\n channel          = 1\n rate             = 8000\n"
    " bytes_per_sec    = 16000\n bytes_per_sample = 2\n";

using WavReadTest = SndconvTest;

TEST_F(WavReadTest, PlainReadPrintsSevenLinesAndDeliversTheSamples) {
  std::vector<int16_t> samples(16000, 0);
  samples[0] = 1, samples[1] = -2, samples[2] = 300, samples[3] = -32768;
  dir.write("in.wav", pcm16_wav(16000, le16_bytes(samples)));
  EXPECT_EQ(
      convert({"-ns", "in.wav", "out.asc"}),
      head +
          "seems like a PC-wav file\n version          = 1\n channel          = 1\n"
          " rate             = 16000\n bytes_per_sec    = 32000\n bytes_per_sample = 2\nchunk: <data>\n" +
          nsample_line(16000, 1.0));
  EXPECT_EQ(dir.read("out.asc").substr(0, 18), "1\n-2\n300\n-32768\n0\n");
}

TEST_F(WavReadTest, VerboseReadShowsEveryField) {
  dir.write("in.wav", pcm16_wav(16000, le16_bytes({5, 6, 7})));
  std::string out = convert({"-v", "-ns", "in.wav", "out.asc"});
  EXPECT_NE(
      out.find("RIFF\nseems like a PC-wav file\nlen = 42\nchunk: <WAVE>\nchunk: <fmt >\nlen = 16\n"
               " version          = 1\n channel          = 1\n rate             = 16000\nread_len = 16\n"
               " bytes_per_sec    = 32000\n bytes_per_sample = 2\n nbit = 16\nchunk: <data>\n len = 6\n"
               "cnt = 3\n"),
      npos)
      << out;
}

TEST_F(WavReadTest, ChunkWalkSkipsOtherChunksAndPadBytes) {
  const std::string fmt = chunk("fmt ", format_body(1, 1, 8000, 2, 16));
  const std::string data = chunk("data", le16_bytes({11, -12}));
  // LIST of even length, then a chunk of odd length with its pad byte.
  dir.write("in.wav",
            riff(fmt + chunk("LIST", "INFOabcd") + chunk("odd ", "xyz") + std::string(1, '\0') + data));
  std::string out = convert({"-v", "-ns", "in.wav", "out.asc"});
  // Only the first chunk after the format chunk has its length shown.
  EXPECT_NE(out.find("chunk: <LIST>\n len = 8\nchunk: <odd >\nchunk: <data>\ncnt = 2\n"), npos) << out;
  EXPECT_EQ(dir.read("out.asc"), "11\n-12\n");

  // Padded odd chunk first, and an odd chunk written without its pad byte.
  dir.write("in.wav", riff(fmt + chunk("odd ", "a") + std::string(1, '\0') + data));
  EXPECT_NE(convert({"-ns", "in.wav", "out.asc"}).find("chunk: <odd >\nchunk: <data>\nnsample"), npos);
  EXPECT_EQ(dir.read("out.asc"), "11\n-12\n");
  dir.write("in.wav", riff(fmt + chunk("odd ", "abc") + data));
  EXPECT_NE(convert({"-ns", "in.wav", "out.asc"}).find("chunk: <odd >\nchunk: <data>\nnsample"), npos);
  EXPECT_EQ(dir.read("out.asc"), "11\n-12\n");
}

TEST_F(WavReadTest, ChunksBeforeTheFormatChunkAndRf64) {
  const std::string fmt = chunk("fmt ", format_body(1, 1, 8000, 2, 16));
  dir.write("in.wav", riff(chunk("JUNK", std::string(28, '\0')) + chunk("bext", "odd") +
                           std::string(1, '\0') + fmt + chunk("data", le16_bytes({11, -12}))));
  std::string lines = formatLines8k;
  lines.insert(lines.find('\n') + 1, "chunk: <JUNK>\nchunk: <bext>\n");
  EXPECT_EQ(convert({"-ns", "in.wav", "out.asc"}), head + lines + "chunk: <data>\n" + nsample_line(2, 0));
  EXPECT_EQ(dir.read("out.asc"), "11\n-12\n");

  // RF64: the data chunk says 0xFFFFFFFF, "ds64" the 4 bytes of data; the lines
  // are those of a RIFF file.
  const std::string ds64 =
      chunk("ds64", le32(60) + le32(0) + le32(4) + le32(0) + le32(2) + le32(0) + le32(0));
  dir.write("in.wav", "RF64" + le32(0xFFFFFFFF) + "WAVE" + ds64 + fmt + "data" + le32(0xFFFFFFFF) +
                          le16_bytes({11, -12, 13}));
  EXPECT_EQ(convert({"-ns", "in.wav", "out.asc"}),
            head + formatLines8k + "chunk: <data>\n" + nsample_line(2, 0));
  EXPECT_EQ(dir.read("out.asc"), "11\n-12\n");
}

TEST_F(WavReadTest, LongerFormatChunksAreSkipped) {
  const std::string data = chunk("data", le16_bytes({7, -8}));
  dir.write("in.wav", riff(chunk("fmt ", format_body(1, 1, 8000, 2, 16) + le16(0)) + data));
  EXPECT_EQ(convert({"-ns", "in.wav", "out.asc"}),
            head + formatLines8k + "chunk: <data>\n" + nsample_line(2, 0));
  EXPECT_EQ(dir.read("out.asc"), "7\n-8\n");

  // WAVE_FORMAT_EXTENSIBLE: 40 bytes, the tag shown as a signed number; read
  // when its sub-format is PCM, refused with the sub-format's code when it is
  // one no coding has (2, ADPCM).
  const std::string pcmGuid("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
  for (const char first : {'\x01', '\x02'}) {
    const std::string extension = le16(22) + le16(16) + le32(4) + std::string(1, first) + pcmGuid.substr(1);
    dir.write("in.wav", riff(chunk("fmt ", format_body(0xFFFE, 1, 8000, 2, 16) + extension) +
                             chunk("fact", le32(2)) + data));
    const ProgramResult r = sndconv({"-ns", "in.wav", "out.asc"});
    EXPECT_NE(r.out.find(" version          = -2\n"), npos) << r.out;
    EXPECT_NE(r.out.find("chunk: <fact>\nchunk: <data>\n"), npos) << r.out;
    if (first == '\x01')
      EXPECT_EQ(dir.read("out.asc"), "7\n-8\n");
    else
      EXPECT_TRUE(r.out.ends_with("chunk: <data>\ncan't handle MS-wav format 2\n")) << r.out;
  }
}

TEST_F(WavReadTest, SampleWidthFollowsBlockAlign) {
  // 8 bits: unsigned, 128 is silence.
  dir.write("in.wav", riff(chunk("fmt ", format_body(1, 1, 8000, 1, 8)) +
                           chunk("data", std::string("\x00\x80\xff", 3))));
  convert({"in.wav", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "-32768\n0\n32512\n");

  // 4 bytes: 32-bit words on the 16-bit scale; the statistics see the fraction.
  dir.write("in.wav", riff(chunk("fmt ", format_body(1, 1, 8000, 4, 32)) +
                           chunk("data", le32(70000) + le32(static_cast<uint32_t>(-70000)) + "\x01\x02")));
  std::string out = convert({"in.wav", "out.asc"});
  EXPECT_NE(out.find("max       =        1.07\n"), npos) << out;
  // The data chunk's 8 bytes: the 2 bytes after it are no sample.
  EXPECT_EQ(dir.read("out.asc"), "1\n-1\n");
}

TEST_F(WavReadTest, EightBitSwapExchangesNeighbours) {
  // With -sw the header must be big-endian too; here the numbers are written so.
  const std::string be = "RIFF" + be32(40) + "WAVE" + "fmt " + be32(16) + be16(1) + be16(1) + be32(8000) +
                         be32(8000) + be16(1) + be16(8) + "data" + be32(3) + std::string("\x00\x80\xff", 3);
  dir.write("in.wav", be);
  std::string out = convert({"-sw", "in.wav", "out.asc"});
  EXPECT_NE(out.find(" rate             = 8000\n bytes_per_sec    = 8000\n bytes_per_sample = 1\n"), npos)
      << out;
  EXPECT_EQ(dir.read("out.asc"), "0\n-32768\n32512\n");
}

TEST_F(WavReadTest, SwapFlagReadsBigEndianHeaders) {
  const std::string be = "RIFF" + be32(40) + "WAVE" + "fmt " + be32(16) + be16(1) + be16(1) + be32(8000) +
                         be32(16000) + be16(2) + be16(16) + "data" + be32(4) + be16(300) + be16(0xFFFE);
  dir.write("in.wav", be);
  EXPECT_EQ(convert({"-ns", "-sw", "in.wav", "out.asc"}),
            head + formatLines8k + "chunk: <data>\n" + nsample_line(2, 0));
  EXPECT_EQ(dir.read("out.asc"), "300\n-2\n");

  // An ordinary file read with -sw: the format length 16 becomes 0x10000000 and
  // the skip runs past the end.
  dir.write("in.wav", pcm16_wav(8000, le16_bytes({1})));
  ProgramResult swapped = sndconv({"-sw", "in.wav", "out.asc"});
  EXPECT_NE(swapped.out.find(" rate             = 1075773440\n"), npos) << swapped.out;
  EXPECT_EQ(swapped.out.substr(swapped.out.size() - 32), "ERROR: PC-wav header ends early\n");
  EXPECT_EQ(swapped.code, 1);
}

TEST_F(WavReadTest, RifxIsRefused) {
  std::string file = pcm16_wav(8000, le16_bytes({1}));
  file[3] = 'X';
  dir.write("in.wav", file);
  ProgramResult r = sndconv({"in.wav", "out.asc"});
  EXPECT_EQ(r.out, head + "ERROR: not a PC-wav file\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_FALSE(dir.exists("out.asc"));
  r = sndconv({"-v", "in.wav", "out.asc"});
  EXPECT_NE(r.out.find("RIFX\nERROR: not a PC-wav file\n"), npos) << r.out;
}

TEST_F(WavReadTest, HeaderEndingEarlyIsAnError) {
  const std::string file = pcm16_wav(8000, le16_bytes({1}));
  dir.write("in.wav", "");
  ProgramResult r = sndconv({"in.wav", "out.asc"});
  EXPECT_EQ(r.out, head + "ERROR: PC-wav header ends early\n");
  EXPECT_EQ(r.code, 1);

  // Cut inside the format chunk, after the rate.
  dir.write("in.wav", file.substr(0, 30));
  r = sndconv({"in.wav", "out.asc"});
  EXPECT_EQ(r.out, head +
                       "seems like a PC-wav file\n version          = 1\n channel          = 1\n"
                       " rate             = 8000\nERROR: PC-wav header ends early\n");
  EXPECT_EQ(r.code, 1);

  // No data chunk at all.
  dir.write("in.wav", riff(chunk("fmt ", format_body(1, 1, 8000, 2, 16)) + chunk("LIST", "INFO")));
  r = sndconv({"in.wav", "out.asc"});
  EXPECT_EQ(r.out, head + formatLines8k + "chunk: <LIST>\nERROR: PC-wav header ends early\n");
  EXPECT_EQ(r.code, 1);

  // A length beyond the signed range still moves forward and meets the end.
  dir.write("in.wav", riff(chunk("fmt ", format_body(1, 1, 8000, 2, 16)) + "junk" + le32(0xFFFFFFF8u) +
                           chunk("data", le16_bytes({1}))));
  r = sndconv({"in.wav", "out.asc"});
  EXPECT_EQ(r.out, head + formatLines8k + "chunk: <junk>\nERROR: PC-wav header ends early\n");
  EXPECT_EQ(r.code, 1);
}

using WavWriteTest = SndconvTest;

std::vector<int16_t> ramp(int n) {
  std::vector<int16_t> v;
  for (int i = 0; i < n; ++i) v.push_back(static_cast<int16_t>(i * 7 - 3000));
  return v;
}

const std::string littleHeader1000 = "RIFF" + le32(2036) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) +
                                     le32(8000) + le32(16000) + le16(2) + le16(16) + "data" + le32(2000);
const std::string bigHeader1000 = "RIFF" + be32(2036) + "WAVE" + "fmt " + be32(16) + be16(1) + be16(1) +
                                  be32(8000) + be32(16000) + be16(2) + be16(16) + "data" + be32(2000);

TEST_F(WavWriteTest, HeaderOfAThousandSamplesAt8000Hz) {
  dir.write("in.voc", le16_bytes(ramp(1000)));
  std::string out = convert({"-le", "1000", "in.voc", "out.wav"});
  EXPECT_NE(
      out.find("inmode = Gradient,   outmode = MS-wav\n version = 1\n channel = 1\n rate = 8000\nnsample"),
      npos)
      << out;
  const std::string wav = dir.read("out.wav");
  ASSERT_EQ(wav.size(), 2044u);
  EXPECT_EQ(wav.substr(0, 44), littleHeader1000);
  EXPECT_EQ(le16_samples(wav.substr(44)), ramp(1000));

  // -swo: every number most significant byte first, the identifiers unchanged.
  convert({"-swo", "-le", "1000", "in.voc", "out.wav"});
  const std::string swapped = dir.read("out.wav");
  EXPECT_EQ(swapped.substr(0, 44), bigHeader1000);
  EXPECT_EQ(swapped.substr(44, 4), "\xF4\x48\xF4\x4F");  // -3000 and -2993, big-endian
}

TEST_F(WavWriteTest, VerboseLinesAndChannelCount) {
  dir.write("in.voc", le16_bytes(ramp(1000)));
  std::string out = convert({"-v", "-nc", "2", "-r", "16000", "in.voc", "out.wav"});
  EXPECT_NE(out.find(" version = 1\n channel = 2\n rate = 16000\nlen = 0\n bytes_per_sec = 64000\n"
                     " bytes_per_sample = 4\n nbit = 16\n"),
            npos)
      << out;
  // Bytes per second and block align count every channel.
  const std::string wav = dir.read("out.wav");
  EXPECT_EQ(wav.substr(20, 16), le16(1) + le16(2) + le32(16000) + le32(64000) + le16(4) + le16(16));
  // After -inc 3 the header has the rate of the samples written.
  out = convert({"-inc", "3", "-nc", "2", "-r", "16000", "in.voc", "out.wav"});
  EXPECT_NE(out.find(" version = 1\n channel = 2\n rate = 5333\n"), npos) << out;
  EXPECT_EQ(dir.read("out.wav").substr(24, 10), le32(5333) + le32(5333 * 4) + le16(4));
}

TEST_F(WavWriteTest, LengthsAreMadeTrueAtTheEnd) {
  dir.write("in.voc", le16_bytes(ramp(10)));
  for (const std::vector<std::string>& lengthArgs :
       std::vector<std::vector<std::string>>{{}, {"-le", "1000"}, {"-le", "3"}}) {
    std::vector<std::string> args = lengthArgs;
    args.insert(args.end(), {"in.voc", "out.wav"});
    convert(args);
    const std::string wav = dir.read("out.wav");
    ASSERT_EQ(wav.size(), 64u);
    EXPECT_EQ(wav.substr(4, 4), le32(56));
    EXPECT_EQ(wav.substr(40, 4), le32(20));
  }
  convert({"-swo", "in.voc", "out.wav"});
  const std::string wav = dir.read("out.wav");
  EXPECT_EQ(wav.substr(4, 4), be32(56));
  EXPECT_EQ(wav.substr(40, 4), be32(20));
  // The limit counts: 4 samples written.
  convert({"-l", "4", "-le", "1000", "in.voc", "out.wav"});
  EXPECT_EQ(dir.read("out.wav").substr(40, 4), le32(8));
}

TEST_F(WavWriteTest, OutputThatCannotSeekKeepsTheHeaderAsWritten) {
  dir.write("in.voc", le16_bytes(ramp(10)));
  const std::string pipe = dir.file("pipe.wav");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  // A reader that is already open lets the program open the pipe; 64 bytes fit
  // into the pipe, so the program never waits for them to be read.
  const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ProgramResult r = sndconv({"-le", "1000", "in.voc", "pipe.wav"});
  std::string got;
  char buffer[256];
  for (ssize_t n; (n = read(reader, buffer, sizeof buffer)) > 0;) got.append(buffer, static_cast<size_t>(n));
  close(reader);
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(got.substr(0, 44), littleHeader1000);
  EXPECT_EQ(got.size(), 64u);
}

TEST_F(WavWriteTest, WriteErrorsAreStillFound) {
  dir.write("in.voc", le16_bytes(ramp(10)));
  ProgramResult r = sndconv({"-o", ".wav", "in.voc", "/dev/full"});
  EXPECT_EQ(r.err, "/dev/full: No space left on device\n");
  EXPECT_EQ(r.code, 1);
}

TEST_F(WavWriteTest, EightBitInputGivesSixteenBitOutput) {
  dir.write("in.wav", riff(chunk("fmt ", format_body(1, 1, 11025, 1, 8)) +
                           chunk("data", std::string("\x00\x80\xff\x01", 4))));
  convert({"in.wav", "out.wav"});
  const std::string wav = dir.read("out.wav");
  EXPECT_EQ(wav.substr(24, 12), le32(11025) + le32(22050) + le16(2) + le16(16));
  EXPECT_EQ(wav.substr(40), le32(8) + le16_bytes({-32768, 0, 32512, -32512}));
}

}  // namespace
