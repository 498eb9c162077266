// matlab input: the five header numbers are shown, then the run stops at the
// first block because there is no reader for the matrix.
#include "tests/driver/sndconv_fixture.h"
#include "tests/formats/riff_bytes.h"

namespace {

using MatlabTest = SndconvTest;

TEST_F(MatlabTest, HeaderShownThenNoReader) {
  dir.write("in.mat", le32(0) + le32(2) + le32(3) + le32(static_cast<uint32_t>(-1)) + le32(2) + "x" +
                          std::string(1, '\0') + le16_bytes({1, 2, 3, 4, 5, 6}));
  dir.write("out.asc", "kept\n");
  ProgramResult r = sndconv({"in.mat", "out.asc"});
  EXPECT_EQ(r.out,
            "in.mat\nout.asc\ninmode = matlab,   outmode = ASCII\n"
            "type:   0\nmrows:  2\nncols:  3\nimagf:  -1\nnamlen: 2\nUnknown input mode matlab!\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(dir.read("out.asc"), "kept\n");
  // Never byte-swapped.
  r = sndconv({"-sw", "in.mat", "-"});
  EXPECT_NE(r.out.find("mrows:  2\nncols:  3\n"), std::string::npos) << r.out;
}

TEST_F(MatlabTest, ShortHeaderEndsEarly) {
  dir.write("in.mat", le32(0) + le32(2));
  ProgramResult r = sndconv({"in.mat", "out.asc"});
  EXPECT_EQ(r.out, "in.mat\nout.asc\ninmode = matlab,   outmode = ASCII\nheader of in.mat ends early\n");
  EXPECT_EQ(r.code, 1);
}

}  // namespace
