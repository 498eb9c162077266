// VAX-ILS: the 512-byte header kept from the input and written in front of a
// VAX-ILS output, the samples most significant byte first, the skip over the header.
#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

std::string vax_header() {
  std::string header;
  for (int i = 0; i < 512; ++i) header.push_back(static_cast<char>(i * 37 + 1));
  return header;
}

using VaxTest = SndconvTest;

TEST_F(VaxTest, SamplesAreBigEndianWhateverTheSwapFlag) {
  dir.write("in.sam", vax_header() + be16(1) + be16(0xFF00) + be16(0x1234));
  convert({"in.sam", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "1\n-256\n4660\n");
  convert({"-sw", "in.sam", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "1\n-256\n4660\n");
  // -hs 256 is the header's own 512 bytes: the same samples.
  convert({"-hs", "256", "in.sam", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "1\n-256\n4660\n");
  convert({"-hs", "257", "in.sam", "out.asc"});
  EXPECT_EQ(dir.read("out.asc"), "-256\n4660\n");
}

TEST_F(VaxTest, OutputHeaderIsTheInputsOrZeros) {
  dir.write("in.sam", vax_header());
  convert({"in.sam", "out.sam"});
  EXPECT_EQ(dir.read("out.sam"), vax_header());
  dir.write("in.voc", "");
  convert({"in.voc", "out.sam"});
  EXPECT_EQ(dir.read("out.sam"), std::string(512, '\0'));
}

TEST_F(VaxTest, ShortHeaderEndsEarly) {
  dir.write("in.sam", vax_header().substr(0, 511));
  ProgramResult r = sndconv({"in.sam", "out.asc"});
  EXPECT_EQ(r.out, "in.sam\nout.asc\ninmode = VAX-ILS,   outmode = ASCII\nheader of in.sam ends early\n");
  EXPECT_EQ(r.code, 1);
}

}  // namespace
