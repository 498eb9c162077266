// SIGINT while sndconv converts a regular file, which never makes a read wait: the
// run ends at the next block, with whole samples written and no report.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "tests/driver/sndconv_fixture.h"

namespace {

using InterruptTest = SndconvTest;

TEST_F(InterruptTest, SigintEndsAConversionFromARegularFileAtTheNextBlock) {
  // tmpfs reads a hole as fast as memory: 2^31 samples, 2^19 of them kept.
  struct stat shm;
  if (stat("/dev/shm", &shm) != 0 || !S_ISDIR(shm.st_mode)) GTEST_SKIP() << "no /dev/shm for a sparse file";
  const std::string sparse = "/dev/shm/" + std::filesystem::path(dir.path()).filename().string() + ".voc";
  { std::ofstream create(sparse); }
  std::filesystem::resize_file(sparse, 1ull << 32);
  // Job control, so that the program in the background keeps SIGINT.
  const ProgramResult r = run_program("/bin/bash",
                                      {"-c", "set -m\n" + std::string(SNDCONV_BIN) + " -inc 4096 " + sparse +
                                                 " out.voc >report 2>err & pid=$!\n"
                                                 "while [ ! -s out.voc ]; do sleep 0.01; done\nkill -INT "
                                                 "$pid; wait $pid; code=$?; cat err; exit $code"},
                                      dir.path());
  std::filesystem::remove(sparse);
  EXPECT_EQ(r.code, 130);
  EXPECT_EQ(r.out, "interrupted\n");
  EXPECT_EQ(dir.read("report").find("nsample"), std::string::npos);
  const size_t written = dir.read("out.voc").size();
  EXPECT_LT(written, 1u << 20) << "the run went on to the end";
  EXPECT_EQ(written % 2, 0u);
}

}  // namespace
