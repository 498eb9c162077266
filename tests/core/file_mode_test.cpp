// The mode table against the program: every input mode's sample size is the
// one its reader takes, and the modes that can seek skip by whole samples.
#include "core/file_mode.h"

#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

// The samples behind what each headered mode needs at 1000 Hz.
std::string input_file(FileMode mode, const std::string& samples) {
  switch (mode) {
    case MODE_VAX_ILS: return std::string(512, '\0') + samples;
    case MODE_MS_WAV: return riff(chunk("fmt ", format_body(1, 1, 1000, 2, 16)) + chunk("data", samples));
    case MODE_HTK: return le32(12) + le32(10000) + le16(2) + le16(0) + samples;
    case MODE_MATLAB: return std::string(20, '\0') + samples;
    case MODE_NIST: {
      std::string header = "NIST_1A\n   1024\nsample_rate -i 1000\nend_head\n";
      header.resize(1024, ' ');
      return header + samples;
    }
    default: return samples;
  }
}

size_t line_count(const std::string& text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

using FileModeTest = SndconvTest;

TEST_F(FileModeTest, SampleSizesAndSeeksAreTheReaders) {
  // Read by the text modes as numbers, by the binary ones as bytes.
  const std::string samples = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 \n";
  ASSERT_EQ(samples.size(), 52u);
  for (const ModeTraits& row : modeTable) {
    // matlab has no sample reader: it is refused before any skip.
    if ((row.input != Opening::binary && row.input != Opening::text && row.input != Opening::standard) ||
        row.mode == MODE_MATLAB)
      continue;
    const std::string name = row.exactName != nullptr ? row.exactName : std::string("in") + row.pieces[0];
    if (row.exactName == nullptr) dir.write(name, input_file(row.mode, samples));
    const ProgramResult skipped = sndconv({"-r", "1000", "-at", "0.002", name, "skipped.asc"}, samples);
    if (!row.canSeek) {
      EXPECT_NE(skipped.out.find("sorry! skipping in input mode"), std::string::npos) << name;
      EXPECT_EQ(skipped.code, 1) << name;
      continue;
    }
    convert({"-r", "1000", name, "whole.asc"});
    const std::string whole = dir.read("whole.asc");
    if (row.sampleSize != 0) {
      EXPECT_EQ(line_count(whole), samples.size() / static_cast<size_t>(row.sampleSize)) << name;
    }
    // Two samples after the header, as many bytes as the reader gives them.
    EXPECT_EQ(skipped.code, 0) << name;
    const size_t third = whole.find('\n', whole.find('\n') + 1) + 1;
    EXPECT_EQ(dir.read("skipped.asc"), whole.substr(third)) << name;
  }
}

}  // namespace
