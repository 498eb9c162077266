// What users and administrators expect around the two programs: "--help" and "--version"
// as the only argument, and a Debian package with the programs, pages and completion.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/docs/docs_support.h"

namespace {

// Runs the program with the one word in an empty folder, which must stay empty.
ProgramResult run_alone(const std::string& program, const std::string& word) {
  TempDir dir;
  const ProgramResult r = run_program(program, {word}, dir.path());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << program << " " << word << " wrote a file";
  EXPECT_EQ(r.code, 0) << program << " " << word;
  EXPECT_EQ(r.err, "") << program << " " << word;
  return r;
}

}  // namespace

TEST(Conventions, HelpAndVersionAsTheOnlyArgument) {
  const std::string sndconvHelp = run_program(SNDCONV_BIN, {"-h"}, ".").out;
  const std::string tonemakerHelp = run_program(TONEMAKER_BIN, {"-h"}, ".").out;
  ASSERT_NE(tonemakerHelp.find('\n'), std::string::npos);
  // sndconv's "--help" adds the options the help text does not list.
  const std::string more = run_alone(SNDCONV_BIN, "--help").out;
  EXPECT_EQ(more.substr(0, sndconvHelp.size()), sndconvHelp);
  for (const char* added : {"-split", "-manifest", "-tier", "16k"})
    EXPECT_NE(more.find(added, sndconvHelp.size()), std::string::npos) << added;
  EXPECT_EQ(run_alone(SNDCONV_BIN, "--version").out, run_program(SNDCONV_BIN, {"-V"}, ".").out);
  EXPECT_EQ(run_alone(TONEMAKER_BIN, "--help").out, tonemakerHelp);
  EXPECT_EQ(run_alone(TONEMAKER_BIN, "--version").out, tonemakerHelp.substr(0, tonemakerHelp.find('\n') + 1));
}

TEST(Package, DebHoldsProgramsGzippedPagesCompletionAndLicense) {
  if (!file_exists("/usr/bin/dpkg-deb")) GTEST_SKIP() << "dpkg-deb is needed to look into the package";
  TempDir dir;
  const ProgramResult made = run_program(
      CPACK_BIN, {"-G", "DEB", "--config", BUILD_DIR "/CPackConfig.cmake", "-B", dir.path()}, dir.path());
  ASSERT_EQ(made.code, 0) << made.out << made.err;
  std::string deb;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    if (entry.path().extension() == ".deb") deb = entry.path().string();
  ASSERT_FALSE(deb.empty()) << made.out;

  const ProgramResult fields =
      run_program("/usr/bin/dpkg-deb", {"-f", deb, "Version", "Maintainer"}, dir.path());
  EXPECT_EQ(fields.out, "Version: " SNDCONV_VERSION "\nMaintainer: " PACKAGE_MAINTAINER "\n") << fields.err;
  ASSERT_EQ(run_program("/usr/bin/dpkg-deb", {"-x", deb, "root"}, dir.path()).code, 0);
  const std::string usr = dir.file("root/usr/");
  for (const char* program : {"sndconv", "tonemaker"}) {
    EXPECT_EQ(access((usr + "bin/" + program).c_str(), X_OK), 0) << program;
    const std::string page = usr + "share/man/man1/" + program + ".1.gz";
    EXPECT_EQ(run_program("/bin/gzip", {"-dc", page}, dir.path()).out,
              source_text(std::string("man/") + program + ".1"));
    EXPECT_TRUE(file_exists(usr + "share/bash-completion/completions/" + program)) << program;
  }
  const std::string doc = usr + "share/doc/tamsel-audio-tools/";
  EXPECT_EQ(read_file(doc + "copyright"), source_text("LICENSE"));
  EXPECT_TRUE(run_program("/bin/gzip", {"-dc", doc + "changelog.gz"}, dir.path())
                  .out.starts_with("tamsel-audio-tools (" SNDCONV_VERSION ") "));
}
