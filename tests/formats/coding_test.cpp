// Stored codings through the program: MS-wav and NIST files of every coding,
// made by sox, against values computed here from their bytes; values held to
// the 16-bit range as they enter; headered inputs read from a pipe.
#include <cmath>
#include <cstring>

#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

// The stored bytes of sample i of `size` bytes as a signed number.
int64_t stored_integer(const std::string& data, size_t i, size_t size, bool msbFirst) {
  uint64_t bits = 0;
  for (size_t k = 0; k < size; ++k) {
    const auto byte = static_cast<uint8_t>(data[i * size + (msbFirst ? k : size - 1 - k)]);
    bits = bits << 8 | byte;
  }
  const uint64_t sign = uint64_t{1} << (8 * size - 1);
  return static_cast<int64_t>(bits ^ sign) - static_cast<int64_t>(sign);
}

// What each stored sample is on the 16-bit scale, in single precision: PCM of
// n bytes divided by 2^(8n-16) (8-bit MS-wav less 128 first), floats times 32768.
std::vector<float> stored_values(const std::string& data, const std::string& coding, bool msbFirst = false) {
  std::vector<float> values;
  const size_t size = coding == "u8" || coding == "s8" ? 1 : coding == "f64" ? 8 : coding == "s24" ? 3 : 4;
  for (size_t i = 0; i < data.size() / size; ++i) {
    const int64_t x = stored_integer(data, i, size, msbFirst);
    if (coding == "u8") values.push_back(static_cast<float>((static_cast<uint8_t>(data[i]) - 128) * 256));
    if (coding == "s8" || coding == "s24" || coding == "s32")
      values.push_back(
          static_cast<float>(std::ldexp(static_cast<double>(x), 16 - 8 * static_cast<int>(size))));
    if (coding == "f32") {
      float f;
      const auto bits = static_cast<uint32_t>(x);
      memcpy(&f, &bits, 4);
      values.push_back(static_cast<float>(f * 32768.0));
    }
    if (coding == "f64") {
      double d;
      memcpy(&d, &x, 8);
      values.push_back(static_cast<float>(d * 32768.0));
    }
  }
  return values;
}

// The 16-bit samples "-s 2" makes of them (all stay within range here).
std::vector<int16_t> doubled(const std::vector<float>& values) {
  std::vector<int16_t> samples;
  for (float v : values) samples.push_back(static_cast<int16_t>(std::trunc(static_cast<float>(v * 2.0))));
  return samples;
}

std::vector<float> as_floats(const std::vector<int16_t>& samples) { return {samples.begin(), samples.end()}; }

// The contents of a RIFF file's "data" chunk, found by walking its chunks.
std::string data_chunk(const std::string& wav) {
  for (size_t at = 12; at + 8 <= wav.size();) {
    uint32_t length = 0;
    for (size_t k = 0; k < 4; ++k)
      length |= static_cast<uint32_t>(static_cast<uint8_t>(wav[at + 4 + k])) << 8 * k;
    if (wav.compare(at, 4, "data") == 0) return wav.substr(at + 8, length);
    at += 8 + length + (length & 1);
  }
  return "";
}

class CodingSoxTest : public SndconvTest {
 protected:
  std::string sox;

  void SetUp() override {
    sox = find_program("sox");
    if (sox.empty()) GTEST_SKIP() << "sox is not installed; the codings are made with sox";
  }
  void run_sox(const std::vector<std::string>& args) {
    const ProgramResult r = run_program(sox, args, dir.path());
    ASSERT_EQ(r.code, 0) << r.err;
  }
  // Two channels made right in the coding, at under half scale so that "-s 2"
  // stays within 16 bits.
  void synthesize(const std::vector<std::string>& encoding, const std::string& name) {
    std::vector<std::string> args = {"-n", "-r", "16000", "-c", "2"};
    args.insert(args.end(), encoding.begin(), encoding.end());
    args.insert(args.end(), {name, "synth", "0.2", "sine", "300-3000", "sine", "440", "vol", "0.45"});
    run_sox(args);
  }
  std::vector<int16_t> sox_samples(const std::vector<std::string>& input) {
    std::vector<std::string> args = input;
    args.insert(args.end(), {"-t", "raw", "-e", "signed-integer", "-b", "16", "-L", "decoded.raw"});
    run_sox(args);
    return le16_samples(dir.read("decoded.raw"));
  }
  // "-s 2" acts on the value as it entered, before the truncation to 16 bits.
  std::vector<int16_t> doubled_by_sndconv(const std::string& input) {
    convert({"-ns", "-s", "2", input, "out.voc"});
    return le16_samples(dir.read("out.voc"));
  }
};

TEST_F(CodingSoxTest, EveryMsWavCoding) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"u8", {"-b", "8", "-e", "unsigned-integer"}},
      {"s24", {"-b", "24"}},
      {"s32", {"-b", "32"}},
      {"f32", {"-e", "floating-point", "-b", "32"}},
      {"f64", {"-e", "floating-point", "-b", "64"}},
      {"alaw", {"-e", "a-law"}},
      {"mulaw", {"-e", "mu-law"}},
  };
  for (const auto& [coding, encoding] : cases) {
    synthesize(encoding, coding + ".wav");
    // G.711 bytes as sox decodes them; the others by the rule, from the bytes.
    const bool companded = coding == "alaw" || coding == "mulaw";
    const std::vector<float> values = companded
                                          ? as_floats(sox_samples({coding + ".wav"}))
                                          : stored_values(data_chunk(dir.read(coding + ".wav")), coding);
    ASSERT_EQ(values.size(), 6400u) << coding;
    EXPECT_EQ(doubled_by_sndconv(coding + ".wav"), doubled(values)) << coding;
  }
}

TEST_F(CodingSoxTest, EveryNistCoding) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"mulaw", {"-e", "mu-law"}}, {"s8", {"-b", "8"}},   {"s16", {"-b", "16", "-B"}},
      {"s24", {"-b", "24", "-B"}}, {"s32", {"-b", "32"}},
  };
  for (const auto& [coding, encoding] : cases) {
    synthesize(encoding, coding + ".sph");
    const bool big = encoding.back() == "-B";
    const std::vector<float> values = coding == "s24" || coding == "s32"
                                          ? stored_values(dir.read(coding + ".sph").substr(1024), coding, big)
                                          : as_floats(sox_samples({coding + ".sph"}));
    ASSERT_EQ(values.size(), 6400u) << coding;
    EXPECT_EQ(doubled_by_sndconv(coding + ".sph"), doubled(values)) << coding;
  }
  // The header's two channels reach the MS-wav output.
  convert({"s16.sph", "back.wav"});
  EXPECT_EQ(dir.read("back.wav").substr(22, 2), le16(2));
}

TEST_F(CodingSoxTest, HeaderedInputsFromAPipe) {
  synthesize({"-e", "mu-law"}, "in.sph");
  synthesize({"-b", "16"}, "src.wav");
  // A chunk before "fmt " and one after the data; an HTK file as HTK writes it.
  const std::string samples = data_chunk(dir.read("src.wav"));
  dir.write("in.wav",
            riff(chunk("JUNK", std::string(28, '\0')) + chunk("fmt ", format_body(1, 2, 16000, 4, 16)) +
                 chunk("data", samples) + chunk("LIST", "INFO")));
  dir.write("in.htk", be32(6400) + be32(625) + be16(2) + be16(0) + samples);
  for (const std::string name : {"in.sph", "in.wav", "in.htk"}) {
    const std::string mode = name.substr(2);
    convert({"-ns", name, "file.voc"});
    const ProgramResult piped = run_program(
        "/bin/sh", {"-c", "cat " + name + " | " + SNDCONV_BIN + " -ns -i " + mode + " /dev/stdin piped.voc"},
        dir.path());
    EXPECT_EQ(piped.code, 0) << piped.out << piped.err;
    EXPECT_EQ(dir.read("piped.voc"), dir.read("file.voc")) << name;
  }
}

using CodingTest = SndconvTest;

TEST_F(CodingTest, ValuesBeyondTheScaleAreHeldAsTheyEnter) {
  auto f32 = [](float f) {
    uint32_t bits;
    memcpy(&bits, &f, 4);
    return le32(bits);
  };
  auto f64 = [](double d) {
    uint64_t bits;
    memcpy(&bits, &d, 8);
    return le32(static_cast<uint32_t>(bits)) + le32(static_cast<uint32_t>(bits >> 32));
  };
  const std::string files[] = {
      riff(chunk("fmt ", format_body(3, 1, 8000, 4, 32)) +
           chunk("data", f32(1.0f) + f32(-1.5f) + f32(0.25f) + f32(-0.75f))),
      riff(chunk("fmt ", format_body(3, 1, 8000, 8, 64)) +
           chunk("data", f64(0.99999999999) + f64(-2.0) + f64(0.25) + f64(-0.75))),
      riff(chunk("fmt ", format_body(1, 1, 8000, 4, 32)) +
           chunk("data", le32(0x7FFFFFFF) + le32(0x80000000) + le32(0x20000000) + le32(0xA0000000))),
  };
  for (const std::string& file : files) {
    dir.write("in.wav", file);
    convert({"in.wav", "out.asc"});
    EXPECT_EQ(dir.read("out.asc"), "32767\n-32768\n8192\n-24576\n");
    // The held value is what "-s" scales: 32767 * 0.5, not 32768 * 0.5.
    convert({"-s", "0.5", "in.wav", "out.asc"});
    EXPECT_EQ(dir.read("out.asc"), "16383\n-16384\n4096\n-12288\n");
  }
}

}  // namespace
