// The user-defined format through the program: reading and showing description
// files, the text and binary forms of the output, and the two refusals.
#include <filesystem>

#include "tests/driver/sndconv_fixture.h"

namespace {

using UserFormatTest = SndconvTest;

const std::string head = "in.asc\ninmode = ASCII,   outmode = User defined\n";

std::string display(const std::string& name, const std::string& mode, const std::string& type) {
  return "name:   " + name + "\nmode:   " + mode + "\ntype:   " + type + "\n";
}

TEST_F(UserFormatTest, BinaryShortsLowByteFirst) {
  dir.write("desc", "<name> mine\n<data> short\n<binary>\n");
  dir.write("in.asc", ascii_lines({0x1234, -2}));
  std::string out = convert({"-O", "desc", "in.asc", "out.usr"});
  EXPECT_EQ(out.substr(0, out.find("nsample")),
            head + "<name>\n<data>\n<binary>\n" + display("mine", "binary", "short"));
  EXPECT_EQ(dir.read("out.usr"), std::string("\x34\x12\xfe\xff", 4));
  // The output byte swap does not apply.
  convert({"-O", "desc", "-swo", "in.asc", "out.usr"});
  EXPECT_EQ(dir.read("out.usr"), std::string("\x34\x12\xfe\xff", 4));
}

TEST_F(UserFormatTest, BinaryLongsAndFloats) {
  dir.write("in.asc", ascii_lines({-2, 1}));
  dir.write("desc", "<data> long <binary>");
  convert({"-O", "desc", "in.asc", "out.usr"});
  EXPECT_EQ(dir.read("out.usr"), std::string("\xfe\xff\xff\xff\x01\0\0\0", 8));
  dir.write("desc", "<binary> <data> float");
  convert({"-O", "desc", "-s", "0.25", "in.asc", "out.usr"});
  EXPECT_EQ(dir.read("out.usr"), std::string("\0\0\0\xbf\0\0\x80\x3e", 8));  // -0.5, 0.25
  convert({"-O", "desc", "-swo", "-s", "0.25", "in.asc", "out.usr"});
  EXPECT_EQ(dir.read("out.usr"), std::string("\0\0\0\xbf\0\0\x80\x3e", 8));
}

TEST_F(UserFormatTest, TextLines) {
  dir.write("in.asc", ascii_lines({1, -3}));
  dir.write("desc", "<ascii> <data> float");
  convert({"-O", "desc", "-s", "0.25", "in.asc", "out.usr"});
  EXPECT_EQ(dir.read("out.usr"), "0.25\n-0.75\n");
  // Every other type writes the 16-bit samples.
  for (const char* type : {"short", "long", "int", "char", "double"}) {
    dir.write("desc", std::string("<ascii> <data> ") + type);
    convert({"-O", "desc", "-s", "10.6", "in.asc", "out.usr"});
    EXPECT_EQ(dir.read("out.usr"), "10\n-31\n") << type;
  }
}

TEST_F(UserFormatTest, BinaryTypesWithoutAWriterStop) {
  dir.write("in.asc", ascii_lines({1, 2}));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<binary> <data> int", "PLEASE use either short or long!\n"},
      {"<binary> <data> char", "Unknown output type in USER mode!\n"},
      {"<binary> <data> Short", "Unknown output type in USER mode!\n"},
      {"<binary>", "Unknown output type in USER mode!\n"},
      {"", "Unknown output type in USER mode!\n"}};
  for (const auto& [description, message] : cases) {
    dir.write("desc", description);
    ProgramResult r = sndconv({"-O", "desc", "in.asc", "out.usr"});
    EXPECT_EQ(r.code, 1) << description;
    ASSERT_GE(r.out.size(), message.size());
    EXPECT_EQ(r.out.substr(r.out.size() - message.size()), message) << description;
    EXPECT_FALSE(dir.exists("out.usr")) << description;
  }
  // Refused before any output exists, also without samples.
  dir.write("in.asc", "");
  dir.write("desc", "<binary> <data> int");
  EXPECT_EQ(sndconv({"-O", "desc", "in.asc", "out.usr"}).code, 1);
  EXPECT_FALSE(dir.exists("out.usr"));
}

TEST_F(UserFormatTest, EveryWordIsEchoedAndTheLastKeywordWins) {
  dir.write("in.asc", "");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", display("", "UNKNOWN", "UNKNOWN")},
      {"# my format\t<ascii>", "#\nmy\nformat\n<ascii>\n" + display("", "ascii", "UNKNOWN")},
      {"<binary> <ascii>", "<binary>\n<ascii>\n" + display("", "ascii", "UNKNOWN")},
      {"<ascii>\n\n<binary>", "<ascii>\n<binary>\n" + display("", "binary", "UNKNOWN")},
      {"<name> a <name> b", "<name>\n<name>\n" + display("b", "UNKNOWN", "UNKNOWN")},
      {"<data> short <data> long", "<data>\n<data>\n" + display("", "UNKNOWN", "long")},
      {"<data> char", "<data>\n" + display("", "UNKNOWN", "char")},
      {"<data> int", "<data>\n" + display("", "UNKNOWN", "int")},
      {"<data> float", "<data>\n" + display("", "UNKNOWN", "float")},
      {"<data> FLOAT", "<data>\n" + display("", "UNKNOWN", "UNKNOWN")},
      {"<ASCII> <Name> x", "<ASCII>\n<Name>\nx\n" + display("", "UNKNOWN", "UNKNOWN")},
      // A value word is taken whatever it says, and is not echoed.
      {"<name> <ascii>", "<name>\n" + display("<ascii>", "UNKNOWN", "UNKNOWN")},
      // A keyword without a value word leaves its field as it was.
      {"<data> long <name> x <data>", "<data>\n<name>\n<data>\n" + display("x", "UNKNOWN", "long")},
      {"<name> x <name>", "<name>\n<name>\n" + display("x", "UNKNOWN", "UNKNOWN")}};
  // Descriptions of binary words that cannot be written end the run after the display.
  for (const auto& [description, shown] : cases) {
    dir.write("desc", description);
    const ProgramResult r = sndconv({"-O", "desc", "in.asc", "out.usr"});
    EXPECT_EQ(r.out.substr(0, (head + shown).size()), head + shown) << description;
    EXPECT_EQ(r.code == 0, r.out.find("nsample") != std::string::npos) << description;
  }
}

TEST_F(UserFormatTest, LongWordsAreKeptWhole) {
  const std::string name(300, 'n');
  const std::string stray(200, 's');
  dir.write("desc", stray + " <name> " + name + " <ascii>");
  dir.write("in.asc", "7\n");
  std::string out = convert({"-O", "desc", "in.asc", "out.usr"});
  EXPECT_EQ(out.substr(0, out.find("nsample")),
            head + stray + "\n<name>\n<ascii>\n" + display(name, "ascii", "UNKNOWN"));
  EXPECT_EQ(dir.read("out.usr"), "7\n");
}

TEST_F(UserFormatTest, InputDescriptionIsShownThenRefused) {
  dir.write("indesc", "<name> in <ascii> <data> short");
  dir.write("outdesc", "<name> out <binary> <data> long");
  ProgramResult r = sndconv({"-I", "indesc", "x", "y.asc"});
  EXPECT_EQ(r.out, "y.asc\ninmode = User defined,   outmode = ASCII\n<name>\n<ascii>\n<data>\n" +
                       display("in", "ascii", "short") + "sorry! input mode  User defined not implemented\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_FALSE(dir.exists("y.asc"));
  // Both descriptions are read, the input's first.
  r = sndconv({"-I", "indesc", "-O", "outdesc", "x", "y"});
  EXPECT_EQ(r.out, "inmode = User defined,   outmode = User defined\n<name>\n<ascii>\n<data>\n" +
                       display("in", "ascii", "short") + "<name>\n<binary>\n<data>\n" +
                       display("out", "binary", "long") +
                       "sorry! input mode  User defined not implemented\n");
  EXPECT_EQ(r.code, 1);
}

TEST_F(UserFormatTest, ModeNamesWinOverDescriptions) {
  dir.write("in.asc", "5\n");
  // The description files do not exist: they are neither opened nor read.
  std::string out = convert({"-I", "nothing", "-O", "none", "-i", ".asc", "-o", ".fas", "in.asc", "out"});
  EXPECT_EQ(out.substr(0, out.find("nsample")), ".asc\n.fas\ninmode = ASCII,   outmode = Float ASCII\n");
  EXPECT_EQ(dir.read("out"), "5\n");
}

TEST_F(UserFormatTest, MissingDescriptionFile) {
  dir.write("in.asc", "5\n");
  ProgramResult r = sndconv({"-O", "none", "in.asc", "out.usr"});
  EXPECT_EQ(r.err, "none: No such file or directory\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_FALSE(dir.exists("out.usr"));
  r = sndconv({"-I", "none", "in.asc", "out.asc"});
  EXPECT_EQ(r.err, "none: No such file or directory\n");
  EXPECT_EQ(r.code, 1);
  // A description that cannot be read is no empty description.
  std::filesystem::create_directory(dir.file("folder"));
  r = sndconv({"-O", "folder", "in.asc", "out.usr"});
  EXPECT_EQ(r.err, "folder: Is a directory\n");
  EXPECT_EQ(r.code, 1);
}

TEST_F(UserFormatTest, TextWriteErrorsEndTheRun) {
  dir.write("in.asc", "5\n6\n");
  for (const char* description : {"<ascii> <data> float", "<ascii> <data> short"}) {
    dir.write("desc", description);
    ProgramResult r = sndconv({"-O", "desc", "in.asc", "/dev/full"});
    EXPECT_EQ(r.code, 1) << description;
    EXPECT_EQ(r.err, "/dev/full: No space left on device\n") << description;
  }
}

}  // namespace
