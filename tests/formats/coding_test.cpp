// Stored codings through the program: MS-wav and NIST files of every coding,
// made by sox, against values computed here from their bytes; values held to
// the 16-bit range as they enter; headered inputs read from a pipe.
#include <cmath>
#include <cstring>

#include "tests/driver/sox_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

// What each stored sample of PCM ("s<bits>") or IEEE float ("f<bits>") is on the
// 16-bit scale, in single precision: PCM divided by 2^(bits-16), floats times
// 32768. Floats are least significant byte first, as MS-wav and this host store them.
std::vector<float> stored_values(const std::string& data, const std::string& coding, bool msbFirst) {
  const size_t size = std::stoul(coding.substr(1)) / 8;
  std::vector<float> values;
  for (size_t at = 0; at + size <= data.size(); at += size) {
    uint64_t bits = 0;
    for (size_t k = 0; k < size; ++k)
      bits = bits << 8 | static_cast<uint8_t>(data[at + (msbFirst ? k : size - 1 - k)]);
    const int shift = 64 - 8 * static_cast<int>(size);
    const double pcm = std::ldexp(static_cast<double>(static_cast<int64_t>(bits << shift) >> shift),
                                  16 - 8 * static_cast<int>(size));
    float f32;
    double f64;
    memcpy(&f32, &bits, 4);
    memcpy(&f64, &bits, 8);
    values.push_back(static_cast<float>(coding[0] == 's' ? pcm : (size == 4 ? f32 : f64) * 32768.0));
  }
  return values;
}

// The 16-bit samples "-s 3" makes of them (all stay within range here).
std::vector<int16_t> tripled(const std::vector<float>& values) {
  std::vector<int16_t> samples;
  for (float v : values) samples.push_back(static_cast<int16_t>(std::trunc(static_cast<float>(v * 3.0))));
  return samples;
}

// The contents of a RIFF file's "data" chunk, found by walking its chunks.
std::string data_chunk(const std::string& wav) {
  for (size_t at = 12; at + 8 <= wav.size();) {
    uint32_t length = 0;
    memcpy(&length, &wav[at + 4], 4);
    if (wav.compare(at, 4, "data") == 0) return wav.substr(at + 8, length);
    at += 8 + length + (length & 1);
  }
  return "";
}

class CodingSoxTest : public SoxTest {
 protected:
  // Two channels made right in the coding, at under a third of full scale so
  // that "-s 3" stays within 16 bits.
  void synthesize(const std::vector<std::string>& encoding, const std::string& name) {
    std::vector<std::string> args = {"-n", "-r", "16000", "-c", "2"};
    args.insert(args.end(), encoding.begin(), encoding.end());
    args.insert(args.end(), {name, "synth", "0.2", "sine", "300-3000", "sine", "440", "vol", "0.3"});
    run_sox(args);
  }
  std::vector<float> sox_values(const std::string& input) {
    const std::vector<int16_t> samples = as_sox_reads(input);
    return {samples.begin(), samples.end()};
  }
};

TEST_F(CodingSoxTest, EveryCodingOfMsWavAndNist) {
  // 8-bit, A-law and mu-law as sox decodes them (G.711 and x 256 are exact); the
  // wider ones by the rule, from the stored bytes. "-s 3" acts on the value as it
  // entered, before the truncation to 16 bits.
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"u8.wav", {"-b", "8", "-e", "unsigned-integer"}},
      {"s24.wav", {"-b", "24"}},
      {"s32.wav", {"-b", "32"}},
      {"f32.wav", {"-e", "floating-point", "-b", "32"}},
      {"f64.wav", {"-e", "floating-point", "-b", "64"}},
      {"alaw.wav", {"-e", "a-law"}},
      {"mulaw.wav", {"-e", "mu-law"}},
      {"mulaw.sph", {"-e", "mu-law"}},
      {"s8.sph", {"-b", "8"}},
      {"s16.sph", {"-b", "16", "-B"}},
      {"s24.sph", {"-b", "24", "-B"}},
      {"s32.sph", {"-b", "32"}},
  };
  for (const auto& [name, encoding] : cases) {
    synthesize(encoding, name);
    const std::string coding = name.substr(0, name.find('.')), file = dir.read(name);
    const bool wav = name.ends_with(".wav"), wide = coding == "s24" || coding == "s32" || coding[0] == 'f';
    const std::vector<float> values =
        wide ? stored_values(wav ? data_chunk(file) : file.substr(1024), coding, encoding.back() == "-B")
             : sox_values(name);
    ASSERT_EQ(values.size(), 6400u) << name;
    convert({"-ns", "-s", "3", name, "out.voc"});
    EXPECT_EQ(le16_samples(dir.read("out.voc")), tripled(values)) << name;
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
    convert({"-ns", name, "file.voc"});
    const std::string command =
        "cat " + name + " | " + SNDCONV_BIN + " -ns -i " + name.substr(2) + " /dev/stdin piped.voc";
    const ProgramResult piped = run_program("/bin/sh", {"-c", command}, dir.path());
    EXPECT_EQ(piped.code, 0) << piped.out << piped.err;
    EXPECT_EQ(dir.read("piped.voc"), dir.read("file.voc")) << name;
  }
}

using CodingTest = SndconvTest;

std::string le_bytes(const void* value, size_t size) {
  return std::string(static_cast<const char*>(value), size);
}
std::string f32(float f) { return le_bytes(&f, 4); }
std::string f64(double d) { return le_bytes(&d, 8); }

TEST_F(CodingTest, ValuesBeyondTheScaleAreHeldAsTheyEnter) {
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
