// NIST SPHERE input: the header lines and fields, the header lengths accepted,
// speaker id and transliteration (also for -cm), the -N display, corrupt headers.
#include "formats/nist.h"

#include "core/stop.h"
#include "tests/driver/sndconv_fixture.h"

namespace {

constexpr auto npos = std::string::npos;

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// A header of `length` bytes: the two first lines, the fields, zero bytes up to
// the length; then the samples.
std::string nist_file(const std::string& fields, int length, const std::vector<int16_t>& samples = {},
                      char fill = '\0') {
  std::string header = "NIST_1A\n" + std::string(7 - std::to_string(length).size(), ' ') +
                       std::to_string(length) + "\n" + fields;
  header.resize(static_cast<size_t>(length), fill);
  return header + le16_bytes(samples);
}

const std::string usualFields =
    "sample_count -i 3\nspeaker_id -s3 abc\ntransliteration -s11 hello world\nsample_rate -i 16000\n"
    "sample_byte_format -s2 01\nend_head\n";

using NistTest = SndconvTest;

TEST_F(NistTest, PlainReadPrintsTheFieldsItTakes) {
  dir.write("in.nis", nist_file(usualFields, 1024, {1, -2, 3}));
  EXPECT_EQ(convert({"-ns", "in.nis", "out.asc"}),
            "in.nis\nout.asc\ninmode = NIST,   outmode = ASCII\nNIST_1A\n   1024\nid: abc\ntr: hello_world\n"
            "sampling rate: 16000\nlength: 3\n" +
                nsample_line(3, 0));
  EXPECT_EQ(dir.read("out.asc"), "1\n-2\n3\n");
  std::string out = convert({"-v", "-ns", "in.nis", "out.asc"});
  EXPECT_NE(out.find("Headertype: NIST_1A \nLength:    1024 \nNIST header length: 1024 \nNIST_1A\n"), npos)
      << out;
  // The samples are 16-bit words; -sw reads them most significant byte first.
  convert({"-sw", "in.nis", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "256\n-257\n768\n");
}

TEST_F(NistTest, HeaderLengthUpTo2048) {
  dir.write("in.nis", nist_file("sample_rate -i 8000\nend_head\n", 2048, {77, 78}));
  convert({"in.nis", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "77\n78\n");

  dir.write("in.nis", nist_file("end_head\n", 2049, {77}));
  ProgramResult r = sndconv({"-v", "in.nis", "long.asc"});
  EXPECT_NE(r.out.find("NIST header length: 2049 \nNIST header is too long \n"), npos) << r.out;
  EXPECT_EQ(r.code, 1);
  EXPECT_FALSE(dir.exists("long.asc"));
}

TEST_F(NistTest, MissingFieldsGiveMinusOne) {
  dir.write("in.nis", nist_file("channel_count -i 1\nend_head\n", 1024, {4}));
  std::string out = convert({"-ns", "in.nis", "out.asc"});
  EXPECT_NE(out.find("   1024\nsampling rate: -1\nlength: -1\n"), npos) << out;
  EXPECT_EQ(out.find("id:"), npos);
  EXPECT_EQ(out.find("tr:"), npos);
}

TEST_F(NistTest, SpeakerIdAndTransliterationTakeFixedPositions) {
  // A one-character id takes its line feed (written as '_', like any control
  // byte or '/') and the next line's first character.
  dir.write("in.nis", nist_file("speaker_id -s1 a\nsample_rate -i 8000\n"
                                "transliteration -s100 x  y\nend_head\n",
                                1024));
  std::string out = convert({"in.nis", "-"});
  // The last of three length digits leads the transliteration; blanks become underscores.
  EXPECT_NE(out.find("id: a_s\ntr: 0_x__y\n"), npos) << out;

  // Values that reach the end of the header text are cut there; DEL is no
  // character of a name either.
  dir.write("in.nis", "NIST_1A\n     64\nspeaker_id -s3 a\x7f");
  out = convert({"in.nis", "-"});
  EXPECT_NE(out.find("id: a_\n"), npos) << out;
  dir.write("in.nis", "NIST_1A\n     64\ntransliteration -s5 ab cd");
  out = convert({"in.nis", "-"});
  EXPECT_NE(out.find("tr: ab_cd\n"), npos) << out;
}

TEST_F(NistTest, ComposedNamesComeFromTheHeader) {
  dir.write("in.nis", nist_file(usualFields, 1024, {9}));
  // -cm_id is overridden by the header; the name is printed before the open.
  ProgramResult r = sndconv({"-cm_id", "7", "in.nis", "out/.asc"});
  EXPECT_NE(r.out.find("New outname : out/hello_world#abc.asc\n"), npos) << r.out;
  EXPECT_EQ(r.err, "out/hello_world#abc.asc: No such file or directory\n");
  std::filesystem::create_directory(dir.file("out"));
  convert({"-cm", "in.nis", "out/.asc"});
  EXPECT_EQ(dir.read("out/hello_world#abc.asc"), "9\n");

  // Without the fields the command line's values stay.
  dir.write("in.nis", nist_file("sample_rate -i 8000\nend_head\n", 1024, {9}));
  std::string out = convert({"-cm_id", "7", "-cm_tr", "abc", "in.nis", "x.asc"});
  EXPECT_NE(out.find("New outname : xabc#7.asc\n"), npos) << out;
  EXPECT_EQ(dir.read("xabc#7.asc"), "9\n");
}

TEST_F(NistTest, DisplayShowsTheHeaderAndEndsTheRun) {
  dir.write("in.nis", nist_file(usualFields, 1024, {1}));
  ProgramResult r = sndconv({"-N", "in.nis", "out.asc"});
  EXPECT_EQ(
      r.out,
      "inmode = NIST,   outmode = NONE\nsample_count -i 3 \nspeaker_id -s3 abc \n"
      "transliteration -s11 hello world \nsample_rate -i 16000 \nsample_byte_format -s2 01 \nend_head \n");
  EXPECT_EQ(r.code, 0);
  EXPECT_FALSE(dir.exists("out.asc"));

  // Without end_head the display stops at the end of the header text.
  dir.write("in.nis", nist_file("sample_rate -i 8000\nabc -i 1\n", 1024, {1, 2, 3}));
  r = sndconv({"-N", "-v", "in.nis", "out.asc"});
  EXPECT_NE(r.out.find("NIST header length: 1024 \nHeadertype: NIST_1A \nLength:    1024 \n"
                       "sample_rate -i 8000 \nabc -i 1 \n"),
            npos)
      << r.out;
  EXPECT_EQ(r.out.substr(r.out.size() - 10), "abc -i 1 \n");
  EXPECT_EQ(r.code, 0);

  // A length line that understates the text: the display still runs to end_head.
  std::string text = "NIST_1A\n     32\nsample_rate -i 8000\nsample_count -i 3\nend_head\n";
  text.resize(1024, '\0');
  dir.write("in.nis", text);
  r = sndconv({"-N", "in.nis", "out.asc"});
  EXPECT_EQ(r.out, "inmode = NIST,   outmode = NONE\nsample_rate -i 8000 \nsample_count -i 3 \nend_head \n");
}

TEST_F(NistTest, CodingsItCannotReadAreRefusedBeforeAnyOutput) {
  const std::pair<std::string, std::string> cases[] = {
      {"sample_coding -s26 pcm,embedded-shorten-v2.00\n",
       "can't handle NIST sample_coding pcm,embedded-shorten-v2.00\n"},
      {"sample_coding -s7 wavpack\nsample_n_bytes -i 2\n", "can't handle NIST sample_coding wavpack\n"},
      {"sample_n_bytes -i 5\n", "can't handle 5 bytes_per_sample\n"},
      {"sample_coding -s4 ulaw\nsample_n_bytes -i 2\n", "can't handle 2 bytes_per_sample\n"},
  };
  for (const auto& [fields, message] : cases) {
    dir.write("in.nis", nist_file("sample_rate -i 8000\n" + fields + "end_head\n", 1024, {1, 2}));
    const ProgramResult r = sndconv({"in.nis", "out.voc"});
    EXPECT_TRUE(r.out.ends_with("length: -1\n" + message)) << r.out;
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(dir.exists("out.voc"));
  }
}

TEST_F(NistTest, AlawFieldsWhateverTheirTypeMark) {
  // As libsndfile writes them; the same bytes as an A-law file, times 8.
  std::string codes;
  for (int code = 0; code < 256; ++code) codes += static_cast<char>(code);
  dir.write("in.nis", nist_file("sample_coding -s4 alaw\nsample_n_bytes -s1 1\nend_head\n", 1024) + codes);
  dir.write("in.ala", codes);
  for (const std::string bits : {"", "-br"}) {
    convert({bits.empty() ? "-ns" : bits, "in.nis", "nist.asc"});
    convert({bits.empty() ? "-ns" : bits, "-s", "8", "in.ala", "alaw.asc"});
    EXPECT_EQ(dir.read("nist.asc"), dir.read("alaw.asc")) << bits;
  }
  // mu-law by either name: G.711's largest and smallest magnitudes, times 4.
  dir.write("in.nis",
            nist_file("sample_coding -s6 mu-law\nend_head\n", 1024) + std::string("\x00\xff\x7f\x80\x8f", 5));
  convert({"in.nis", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "-32124\n0\n0\n32124\n16764\n");
}

TEST_F(NistTest, HeadersOutsideTheLayoutAreCorrupt) {
  const std::string corrupt = "NIST header is corrupt \n";
  const std::vector<std::string> files = {
      "NIST_1A",                                        // no line feed
      "NIST_1A\n   1024",                               // the length line has none either
      "NIST_1A\n  abc\nend_head\n",                     // no number
      "NIST_1A\n   -16\nend_head\n",                    // negative
      "NIST_1A\n     10\nend_head\n",                   // shorter than its own two lines
      std::string(300, 'N') + "\n   1024\nend_head\n",  // longer than a line may be
      std::string(2048, 'x') + "\n   1024\n",           // the line feed lies beyond the buffer
  };
  for (const std::string& file : files) {
    dir.write("in.nis", file);
    ProgramResult r = sndconv({"in.nis", "out.asc"});
    EXPECT_EQ(r.out.substr(r.out.size() - corrupt.size()), corrupt) << file.substr(0, 40);
    EXPECT_EQ(r.code, 1);
  }
  // The display allows lines of 1023 characters, no more.
  dir.write("in.nis", nist_file(std::string(1023, 'a') + "\nend_head\n", 2048));
  ProgramResult r = sndconv({"-N", "in.nis", "out.asc"});
  EXPECT_EQ(r.code, 0);
  dir.write("in.nis", nist_file(std::string(1024, 'a') + "\nend_head\n", 2048));
  r = sndconv({"-N", "in.nis", "out.asc"});
  EXPECT_EQ(r.out.substr(r.out.size() - corrupt.size()), corrupt);
  EXPECT_EQ(r.code, 1);
}

TEST(NistFieldTest, IntegerAfterTheNextTypeMark) {
  const std::string text =
      "NIST_1A\n   1024\nsample_rate -i   16000\nsample_count -s3 abc\nbig -i 99999999999\n"
      "neg -i -42\nnumberless -i x\n";
  EXPECT_EQ(nist_field(text, "sample_rate"), 16000);
  EXPECT_EQ(nist_field(text, "neg"), -42);
  EXPECT_EQ(nist_field(text, "missing"), -1);
  // The first "-i" after the name counts, even on a later line.
  EXPECT_EQ(nist_field(text, "sample_count"), 99999999999);
  EXPECT_EQ(nist_field(text, "big"), 99999999999);
  EXPECT_EQ(nist_field(text, "numberless"), -1);
  EXPECT_EQ(nist_field("name without type", "name"), -1);
}

TEST(NistFieldTest, HeaderLengthOfTheSecondLine) {
  EXPECT_EQ(nist_header_length("NIST_1A\n   1024\n"), 1024);
  EXPECT_EQ(nist_header_length("NIST_1A\n+12 bytes\n"), 12);
  EXPECT_EQ(nist_header_length("x\n0\n"), 0);
  CaptureStdout();
  bool stopped = false;
  try {
    nist_header_length("NIST_1A\n\n");
  } catch (const RunStop& stop) {
    stopped = stop.code == 1;
  }
  const std::string out = GetCapturedStdout();
  EXPECT_TRUE(stopped);
  EXPECT_EQ(out, "NIST header is corrupt \n");
}

TEST_F(NistTest, FieldsComeFromTheStatedLengthOnly) {
  // Without a zero byte the text runs on into the samples; what stands there
  // (and the part of a value past the stated length) is no header field.
  const std::string header = "NIST_1A\n     64\nsample_count -i 2\ndb -s6 abcde\nsample_rate -i 16";
  ASSERT_EQ(header.size(), 64u);
  const std::string samples = "000\nspeaker_id -s3 xyz\nsample_coding -s4 ulaw\n";
  dir.write("in.nis", header + samples);
  const std::string out = convert({"-ns", "in.nis", "out.voc"});
  EXPECT_NE(out.find("   64\nsampling rate: 16\nlength: 2\n"), npos) << out;
  EXPECT_EQ(dir.read("out.voc"), samples);
}

}  // namespace
