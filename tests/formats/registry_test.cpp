// The file mode registry in-process: the order of the name pieces, the special
// names, display names and extensions, and the stops for codes without them.
#include "formats/registry.h"

#include <gtest/gtest.h>

#include "core/stop.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { set_name_echo(false); }
  void TearDown() override { set_name_echo(true); }
};

TEST_F(RegistryTest, TheExtensionDecidesInAnyCase) {
  const std::pair<const char*, int> cases[] = {
      {"x.dat.wav", MODE_MS_WAV},    {"a.au.wav", MODE_MS_WAV},
      {"song.au.asc", MODE_ASCII},   {"take1.sample.wav", MODE_MS_WAV},
      {"take.pcm.wav", MODE_MS_WAV}, {"utt1.fast.wav", MODE_MS_WAV},
      {"TAKE1.WAV", MODE_MS_WAV},    {"x.Dev", MODE_SPDCAR},
      {"a.fas.sam", MODE_VAX_ILS},   {"x.sph", MODE_NIST},
      {"X.SPH", MODE_NIST},          {"x.sph.asc", MODE_ASCII},
      {"x.wav.HWAV", MODE_HTK},      {"data.asc/take1.wav", MODE_MS_WAV},
      {"run.data/.asc", MODE_ASCII},
  };
  for (const auto& [name, mode] : cases) EXPECT_EQ(FILE_MODE_FROM_NAME(name), mode) << name;
}

TEST_F(RegistryTest, OtherwiseEarlierPiecesWinAnywhereInTheFilesOwnName) {
  const std::pair<const char*, int> cases[] = {
      {"x.mulaw", MODE_MULTI_CHANNEL},
      {"x.nist", MODE_NIST},
      {"x.vocal", MODE_GRADIENT},
      {"a.au.dat.x", MODE_SUN_AUDIO},
      {"x.fas.nis1", MODE_FLOAT_ASCII},
      {"x.mat", MODE_MATLAB},
      {"x.DEV", MODE_SPDCAR},
      {"x.dev", MODE_SPDCAR},
      {"x.io", MODE_MOTOROLA},
      {"x.fas", MODE_FLOAT_ASCII},
      {"x.sam", MODE_VAX_ILS},
      {"x.ala", MODE_ALAW},
      {"x.ahx", MODE_ALAW_HEX},
      {"x.mhx", MODE_MULAW_HEX},
      {"x.pcm", MODE_PCM},
      {"x.asm", MODE_ASSEMBLER},
      {"x.wav", MODE_MS_WAV},
      {"x.htk", MODE_HTK},
      {"x.mul", MODE_MULTI_CHANNEL},
      {"dir.voc/x.ala", MODE_ALAW},
      {"run.data/out.wav", MODE_MS_WAV},
      {"x.audio/a.wav", MODE_MS_WAV},
      {"a/b.dat/c.voc", MODE_GRADIENT},
      {"take.wav/", MODE_UNKNOWN},
  };
  for (const auto& [name, mode] : cases) EXPECT_EQ(FILE_MODE_FROM_NAME(name), mode) << name;
}

TEST_F(RegistryTest, UnknownNamesAndSpecialNames) {
  for (const char* name : {"x.m", "x.sphere", "x.SPHx", "-x", "---", "+", "", "wav", "WAV"})
    EXPECT_EQ(FILE_MODE_FROM_NAME(name), MODE_UNKNOWN) << name;
  EXPECT_EQ(FILE_MODE_FROM_NAME("-"), MODE_NONE);
  EXPECT_EQ(FILE_MODE_FROM_NAME("--"), MODE_STDIN_A);
  EXPECT_EQ(FILE_MODE_FROM_NAME("++"), MODE_STDOUT_A);
}

TEST_F(RegistryTest, EchoPrintsTheNameAsGiven) {
  set_name_echo(true);
  testing::internal::CaptureStdout();
  FILE_MODE_FROM_NAME("dir/In.asc");
  FILE_MODE_FROM_NAME("nothing");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "dir/In.asc\nnothing\n");
}

int stop_code_of(const char* (*lookup)(int), int mode, std::string& printed) {
  testing::internal::CaptureStdout();
  int code = -100;
  try {
    lookup(mode);
  } catch (const RunStop& stop) {
    code = stop.code;
  }
  printed = testing::internal::GetCapturedStdout();
  return code;
}

TEST_F(RegistryTest, CodesWithoutANameOrExtensionStop) {
  std::string printed;
  for (int mode : {9, 13, 23, -1, -100}) {
    EXPECT_EQ(stop_code_of(FILE_MODE_NAME, mode, printed), 1) << mode;
    EXPECT_EQ(printed, "FILE_MODE_NAME: sorry! mode not implemented\n");
  }
  for (int mode : {4, 5, 6, 9, 13, 14, 15, 16, 17, 20, 21, -1}) {
    EXPECT_EQ(stop_code_of(EXTENSION_NAME, mode, printed), 1) << mode;
    EXPECT_EQ(printed, "EXTENSION_NAME: sorry! mode not implemented\n");
  }
}

TEST_F(RegistryTest, ExtensionsKeepTheirMismatches) {
  EXPECT_STREQ(EXTENSION_NAME(MODE_VAX_ILS), ".voc");
  EXPECT_STREQ(EXTENSION_NAME(MODE_MATLAB), ".m");
  EXPECT_STREQ(EXTENSION_NAME(MODE_SPDCAR), ".dev");
  EXPECT_STREQ(FILE_MODE_NAME(MODE_GRADIENT), "Gradient");
  // Every name a valid code shows reads back as that code's extension where it has one.
  for (int mode : {0, 1, 3, 7, 8, 10, 11, 18, 22})
    EXPECT_EQ(FILE_MODE_FROM_NAME(std::string("x") + EXTENSION_NAME(mode)), mode) << mode;
}

}  // namespace
