// Faults injected through the command line: outputs that cannot be written,
// inputs that are folders or cut short, oversized lines and names, values at the
// integer limits. Every run must end with its message and a defined exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "driver/sndconv.h"
#include "tests/driver/sndconv_fixture.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class FaultInjectionTest : public SndconvTest {};

struct InProcessResult {
  int code;
  std::string out;
};

// Runs sndconv_main in this process, for sweeps of many runs.
InProcessResult run_in_process(std::vector<std::string> args) {
  args.insert(args.begin(), "sndconv");
  std::vector<char*> argv;
  for (std::string& word : args) argv.push_back(word.data());
  argv.push_back(nullptr);
  CaptureStdout();
  const int code = sndconv_main(static_cast<int>(args.size()), argv.data());
  return {code, GetCapturedStdout()};
}

long open_descriptors() {
  const std::filesystem::directory_iterator entries("/proc/self/fd");
  return std::distance(begin(entries), end(entries));
}

TEST_F(FaultInjectionTest, FilesOfAStoppedRunAreClosed) {
  dir.write("in.asc", "1\n");
  std::filesystem::create_directory(dir.file("folder"));
  const long before = open_descriptors();
  const InProcessResult r =
      run_in_process({"-O", dir.file("folder"), dir.file("in.asc"), dir.file("out.usr")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(open_descriptors(), before);
}

// A shell runs the program, so that its standard streams can be a full device
// or a folder.
ProgramResult run_shell(const std::string& command, const std::string& dir) {
  return run_program("/bin/sh", {"-c", "exec " + command}, dir);
}

TEST_F(FaultInjectionTest, StandardOutputThatCannotBeWritten) {
  dir.write("in.asc", "1\n2\n");
  dir.write("in.nis", "NIST_1A\n   1024\nend_head\n" + std::string(1000, ' '));
  const std::string sndconv = SNDCONV_BIN;
  // The data stream of "++", the report, the count of -L, the -N display, the help.
  for (const std::string args : {"in.asc ++", "in.asc -", "-L in.asc -", "-N in.nis -", "-h"}) {
    ProgramResult r = run_shell(sndconv + " " + args + " > /dev/full", dir.path());
    EXPECT_TRUE(r.err.ends_with("stdout: No space left on device\n")) << args << r.err;
    EXPECT_EQ(r.code, 1) << args;
  }
}

TEST_F(FaultInjectionTest, FoldersAsInput) {
  dir.write("in.asc", "1\n");
  for (const char* name : {"d.wav", "d.nis", "d.htk", "d.sam", "d.mat"}) {
    std::filesystem::create_directory(dir.file(name));
    ProgramResult r = sndconv({name, "out.asc"});
    EXPECT_EQ(r.err, std::string(name) + ": Is a directory\n");
    EXPECT_EQ(r.code, 1) << name;
  }
  ProgramResult length = sndconv({"-LI", "d.wav", "in.asc", "-"});
  EXPECT_EQ(length.err, "d.wav: Is a directory\n");
  EXPECT_EQ(length.code, 1);
  ProgramResult input = run_shell(std::string(SNDCONV_BIN) + " -- out.asc < d.wav", dir.path());
  EXPECT_EQ(input.err, "stdin: Is a directory\n");
  EXPECT_EQ(input.code, 1);
}

// Each binary input mode cut at every length up to 3 bytes past its header: a
// header cut short ends with the mode's message, anything longer runs normally
// with the whole samples there are.
TEST_F(FaultInjectionTest, BinaryInputsCutAtEveryLength) {
  std::string nist =
      "NIST_1A\n   1024\nspeaker_id -s3 abc\ntransliteration -s5 a b c\n"
      "sample_rate -i 16000\nsample_count -i 2\nend_head\n";
  nist.resize(1024, ' ');
  std::string wav(
      "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data\x04\0\0\0", 44);
  struct Mode {
    const char* name;
    std::string header;
    size_t complete;  // shorter files end with `shortMessage`
    std::string shortMessage;
    int sampleBytes;
    std::string fullMessage;  // what a complete header leads to, if not a report
  };
  const std::string early = " ends early\n";
  const Mode modes[] = {
      {"in.sam", std::string(512, 'v'), 512, "header of " + dir.file("in.sam") + early, 2, ""},
      {"in.wav", wav, 44, "ERROR: PC-wav header ends early\n", 2, ""},
      {"in.mat", std::string(20, '\1'), 20, "header of " + dir.file("in.mat") + early, 2,
       "Unknown input mode matlab!\n"},
      {"in.htk", std::string("\2\0\0\0\x71\x02\0\0\2\0\0\0", 12), 12,
       "header of " + dir.file("in.htk") + early, 2, ""},
      {"in.nis", nist, 16, "NIST header is corrupt \n", 2, ""},
      {"in.voc", "", 0, "", 2, ""},
      {"in.ala", "", 0, "", 1, ""},
      {"in.pcm", "", 0, "", 2, ""},
      {"in.dev", "", 0, "", 2, ""},
  };
  for (const Mode& mode : modes) {
    const std::string whole = mode.header + "\1\2\3\4";
    for (size_t cut = 0; cut <= mode.header.size() + 3; ++cut) {
      dir.write(mode.name, whole.substr(0, cut));
      const InProcessResult r = run_in_process({"-ns", dir.file(mode.name), "-"});
      const std::string where = std::string(mode.name) + " cut at " + std::to_string(cut);
      if (cut < mode.complete) {
        EXPECT_EQ(r.code, 1) << where;
        EXPECT_TRUE(r.out.ends_with(mode.shortMessage)) << where << "\n" << r.out;
      } else if (!mode.fullMessage.empty()) {
        EXPECT_EQ(r.code, 1) << where;
        EXPECT_TRUE(r.out.ends_with(mode.fullMessage)) << where << "\n" << r.out;
      } else {
        const size_t data = cut > mode.header.size() ? cut - mode.header.size() : 0;
        char line[40];
        snprintf(line, sizeof line, "nsample   =  %10zu,", data / mode.sampleBytes);
        EXPECT_EQ(r.code, 0) << where;
        EXPECT_NE(r.out.find(line), std::string::npos) << where << "\n" << r.out;
      }
    }
  }
}

TEST_F(FaultInjectionTest, LinesOf100000Characters) {
  const std::string longWord(100000, 'w');
  dir.write("in.voc", le16_bytes(std::vector<int16_t>(8000, 3)));
  // An ESPS header line, a label word and a record of many words, each that long.
  std::string words;
  for (int k = 0; k < 50000; ++k) words += "b ";
  dir.write("x.lab",
            std::string(100000, 'h') + "\n#\n0.25 1 " + longWord + "\n0.5 1 a " + words + "\n0.75 1 c\n");
  std::string out = convert({"-ns", "-lf", "x.lab", "in.voc", "-"});
  EXPECT_NE(out.find("\n0.5 0.75 c\n"), std::string::npos) << out.substr(0, 300);
  EXPECT_NE(out.find(nsample_line(2000, 0.25)), std::string::npos);
  dir.write("x.lab", "0.25 1 x\n#\n0.5 1 " + longWord + "\n");
  out = convert({"-ns", "-lf", "x.lab", "in.voc", "-"});
  EXPECT_NE(out.find("\n0 0.5 " + longWord + "\n"), std::string::npos);
  // A SAM segment line: its first piece (with no line end) is the line, the
  // rest is ignored.
  dir.write("x.lab", "LHD:\nLB0: 8, 0, 16, " + longWord + "\n");
  out = convert({"-ns", "-lf", "x.lab", "in.voc", "-"});
  EXPECT_NE(out.find("\nLB0: 8, 0, 16, " + std::string(183, 'w') + "8 0 16\n"), std::string::npos);
  EXPECT_NE(out.find(nsample_line(8, 0.001)), std::string::npos);
  // A description word is held whole.
  dir.write("desc", "<name> " + longWord + " <data> short <binary>\n");
  out = convert({"-O", "desc", "-l", "3", "in.voc", "out.usr"});
  EXPECT_NE(out.find("name:   " + longWord + "\nmode:   binary\ntype:   short\n"), std::string::npos);
  EXPECT_EQ(dir.read("out.usr"), le16_bytes({3, 3, 3}));
}

TEST_F(FaultInjectionTest, NamesOf10000Characters) {
  const std::string name(10000, 'n');
  const std::string tooLong = name + ".asc: File name too long\n";
  dir.write("in.asc", "1\n2\n");
  const std::vector<std::vector<std::string>> runs = {{name + ".asc", "out.asc"},
                                                      {"in.asc", name + ".asc"},
                                                      {"-lf", name + ".asc", "in.asc", "-"},
                                                      {"-lfo", name + ".asc", "in.asc", "-"},
                                                      {"-LF", name + ".asc", "in.asc", "-"},
                                                      {"-LI", name + ".asc", "in.asc", "-"},
                                                      {"-O", name + ".asc", "in.asc", "-"},
                                                      {"-I", name + ".asc", "in.asc", "-"},
                                                      {"-cm_tr", name, "-cm_id", ".asc", "in.asc", "x.voc"}};
  for (const auto& args : runs) {
    ProgramResult r = sndconv(args);
    EXPECT_EQ(r.code, 1) << args[0];
    EXPECT_TRUE(r.err.ends_with("File name too long\n")) << args[0] << r.err.substr(0, 40);
  }
  EXPECT_EQ(sndconv({"in.asc", name + ".asc"}).err, tooLong);
  // Held whole where no file is made of them.
  const std::string header(10000, 'h');
  convert({"-i", name + ".asc", "-a_h", header, "-a_lin", "in.asc", "out.asm"});
  const std::string listing = dir.read("out.asm");
  EXPECT_TRUE(listing.ends_with("\n" + header + "21\n")) << listing.substr(listing.size() - 40);
}

TEST_F(FaultInjectionTest, OptionValuesAtTheIntegerLimits) {
  dir.write("in.voc", le16_bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  const std::string max = "2147483647", min = "-2147483648", beyond = "99999999999";
  struct Case {
    std::vector<std::string> options;
    std::string output;
    int code;
    std::string out;  // the end of standard output
  };
  const std::string all = nsample_line(10, 10 / 8000.0), none = nsample_line(0, 0);
  const std::string rest = "Sorry, can not do multi channel,  BUFSIZE = 1000, leaves rest of 1000\n";
  const Case cases[] = {
      {{"-l", max}, "-", 0, all},
      {{"-l", beyond}, "-", 0, all},
      {{"-l", min}, "-", 0, none},
      {{"-hs", max}, "-", 0, none},
      {{"-hs", min}, "-", 1, "inmode = Gradient,   outmode = NONE\n"},
      {{"-le", max}, "out.wav", 0, all},
      {{"-le", min}, "out.wav", 0, all},
      {{"-inc", max}, "-", 0, nsample_line(1, 1 / 8000.0)},
      {{"-inc", min}, "-", 1, "increment must be at least 1\n"},
      {{"-nc", max}, "-", 1, rest},
      {{"-nc", beyond}, "-", 1, rest},
      {{"-nc", min}, "-", 1, "can not handle -2147483648 channels\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.options;
    args.insert(args.end(), {"-ns", "in.voc", c.output});
    ProgramResult r = sndconv(args);
    EXPECT_EQ(r.code, c.code) << args[0] << " " << args[1];
    EXPECT_TRUE(r.out.ends_with(c.out)) << args[0] << " " << args[1] << "\n" << r.out;
    // The MS-wav header's data length is made true at the end: 10 samples.
    if (c.output == "out.wav") {
      EXPECT_EQ(dir.read("out.wav").substr(40, 4), std::string("\x14\0\0\0", 4));
    }
  }
  EXPECT_EQ(sndconv({"-hs", min, "in.voc", "-"}).err, "skip header: Invalid argument\n");

  // tonemaker: counts that would fill the disk end at the first failed write.
  const std::vector<std::vector<std::string>> endless = {
      {"-n", max},  {"-n", beyond},          {"-nz", max},
      {"-nz", min}, {"-nz", min, "-n", min}, {"-nz", max, "-n", max}};
  for (std::vector<std::string> args : endless) {
    args.push_back("/dev/full");
    ProgramResult r = run_program(TONEMAKER_BIN, args, dir.path());
    EXPECT_EQ(r.code, 1) << args[0] << " " << args[1];
    EXPECT_EQ(r.err, "/dev/full: No space left on device\n") << args[0] << " " << args[1];
  }
  EXPECT_EQ(run_program(TONEMAKER_BIN, {"-n", min, "t.asc"}, dir.path()).code, 0);
  EXPECT_EQ(dir.read("t.asc"), "");
  for (const std::string& count : {max, min}) {
    EXPECT_EQ(
        run_program(TONEMAKER_BIN, {"-nc", count, "-f2", "1", "-n", "3", "-const", "t.asc"}, dir.path()).code,
        0);
    EXPECT_EQ(dir.read("t.asc"), "2048\n2048\n2048\n");
  }
}

}  // namespace
