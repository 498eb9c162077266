// Manual pages and bash completion: the pages render cleanly, both name every option and file mode,
// the examples run, the versions match the banners; cmake --install puts all under a prefix.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>
#include <set>

#include "tests/docs/docs_support.h"

namespace {

// Option words from a help text: the first word of each option line (before the
// known-extensions list), and the waveform words of tonemaker's "type :" line.
std::set<std::string> help_options(const std::string& help) {
  std::set<std::string> words;
  const std::string listed = help.substr(0, help.find("known extensions:"));
  const std::regex optionLine(R"(\n +(-[A-Za-z?][A-Za-z0-9_]*):?[ \n])");
  for (std::sregex_iterator it(listed.begin(), listed.end(), optionLine), end; it != end; ++it)
    if ((*it)[1] != "-type") words.insert((*it)[1]);
  const std::regex typeLine(R"(\n +type : +([a-z, ]+)\n)");
  std::smatch types;
  if (std::regex_search(listed, types, typeLine)) {
    const std::string list = types[1];
    const std::regex word("[a-z]+");
    for (std::sregex_iterator it(list.begin(), list.end(), word), end; it != end; ++it)
      words.insert(std::string(1, '-').append(it->str()));
  }
  return words;
}

// The option words of a manual page's OPTIONS section: the first word of each
// item (".B \-x", ".BI \-x ..." or ".BR \-x ..." after ".TP").
std::set<std::string> manual_options(const std::string& section) {
  std::set<std::string> words;
  const std::regex item(R"(\n\.TP\n\.B[IR]? \\(-[A-Za-z?][A-Za-z0-9_]*))");
  for (std::sregex_iterator it(section.begin(), section.end(), item), end; it != end; ++it)
    words.insert((*it)[1]);
  return words;
}

// True when the roff text holds the word with its dashes escaped and not as the
// start of a longer word ("\-s" is not found in "\-sw").
bool names_word(const std::string& roff, const std::string& word) {
  std::string escaped;
  for (char c : word) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
  for (size_t at = roff.find(escaped); at != std::string::npos; at = roff.find(escaped, at + 1)) {
    const size_t after = at + escaped.size();
    if (after == roff.size() || !(isalnum(static_cast<unsigned char>(roff[after])) || roff[after] == '_'))
      return true;
  }
  return false;
}

// What the bash completion offers for the last of `words`, in an empty folder.
std::set<std::string> completions(const std::vector<std::string>& words) {
  std::string script = "source '" SOURCE_DIR "/completion/tamsel_audio_tools.bash'\nCOMP_WORDS=(";
  for (const auto& word : words) script += " '" + word + "'";
  script += ")\nCOMP_CWORD=" + std::to_string(words.size() - 1) + "\n_" + words[0] +
            "\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n";
  TempDir dir;
  const ProgramResult r = run_program("/bin/bash", {"-c", script}, dir.path());
  EXPECT_EQ(r.code, 0) << r.err;
  std::set<std::string> offered;
  for (const auto& line : text_lines(r.out))
    if (!line.empty()) offered.insert(line);
  return offered;
}

// The option words of a manual page, as its OPTIONS section shows them.
std::set<std::string> documented_options(const std::string& program) {
  const std::string name = std::filesystem::path(program).filename().string();
  return manual_options(roff_section(source_text("man/" + name + ".1"), "OPTIONS"));
}

// Each mode item of FILE MODES: ".BR "<code>  <name>" " \(em " piece ", " piece
// " \(em ...", or "the name" of a special name: the mode's name and each piece.
std::vector<std::pair<std::string, std::string>> documented_pieces() {
  const std::string section = roff_unescape(roff_section(source_text("man/sndconv.1"), "\"FILE MODES\""));
  const std::regex item(R"re(\n\.BR "(\d+)  ([^"]+)" " \\\(em ([^\n]*?) \\\(em )re");
  const std::regex piece(R"re((^|[ ",])(\.[A-Za-z]+|[-+]+)(?=[ ",]|$))re");
  std::vector<std::pair<std::string, std::string>> pieces;
  for (std::sregex_iterator it(section.begin(), section.end(), item), end; it != end; ++it) {
    const std::string name = (*it)[2], shown = (*it)[3];
    for (std::sregex_iterator p(shown.begin(), shown.end(), piece), pend; p != pend; ++p)
      pieces.emplace_back(name, (*p)[2]);
  }
  return pieces;
}

// Every option of the help text is in the manual, and every option the manual
// names is one the program accepts (none ends in "don't understand").
void expect_options_documented(const std::string& program, const std::vector<std::string>& tail,
                               size_t atLeast) {
  const std::string name = std::filesystem::path(program).filename().string();
  const std::string section = roff_section(source_text("man/" + name + ".1"), "OPTIONS");
  ASSERT_FALSE(section.empty()) << name << ".1 has no OPTIONS section";
  for (const auto& option : help_options(run_program(program, {"-h"}, ".").out))
    EXPECT_TRUE(names_word(section, option)) << name << ".1 lacks " << option;
  const std::set<std::string> documented = manual_options(section);
  EXPECT_GE(documented.size(), atLeast) << "option items were not found in " << name << ".1";
  TempDir dir;
  dir.write("in.asc", "1\n2\n");
  for (const auto& option : documented) {
    std::vector<std::string> args{option};
    if (option != "-V") args.insert(args.end(), tail.begin(), tail.end());
    const ProgramResult r = run_program(program, args, dir.path());
    EXPECT_EQ(r.out.find("don't understand " + option + "\n"), std::string::npos)
        << name << " refuses " << option;
  }
}

}  // namespace

TEST(ManualPages, RenderWithoutAnyGroffWarning) {
  ASSERT_TRUE(file_exists("/usr/bin/groff")) << "groff is needed to check the manual pages";
  for (const char* page : {"man/sndconv.1", "man/tonemaker.1"}) {
    const ProgramResult r = run_program("/usr/bin/groff", {"-man", "-ww", "-z", page}, SOURCE_DIR);
    EXPECT_EQ(r.code, 0) << page;
    EXPECT_EQ(r.err, "") << page;
  }
}

TEST(ManualPages, NameEveryOptionTheProgramsAccept) {
  // A value for options that take one, then names; an option without a value
  // leaves "1" to be refused as an argument, never the option itself.
  expect_options_documented(SNDCONV_BIN, {"1", "in.asc", "-"}, 43);
  expect_options_documented(TONEMAKER_BIN, {"1", "-n", "1", "out.asc"}, 14);
}

// Every name piece FILE MODES shows selects the mode it names.
TEST(ManualPages, NameEveryFileModeAndItsNamePieces) {
  const auto pieces = documented_pieces();
  std::set<std::string> modes;
  for (const auto& [name, word] : pieces) {
    modes.insert(name);
    const ProgramResult r = run_program(SNDCONV_BIN, {"-i", word, "-o", "-", "missing", "-"}, ".");
    EXPECT_NE(r.out.find("inmode = " + name + ",   outmode = NONE\n"), std::string::npos)
        << word << " does not select " << name << ":\n"
        << r.out;
  }
  EXPECT_GE(modes.size(), 20u) << "mode items were not found in FILE MODES";
  EXPECT_GE(pieces.size(), 23u);
}

// The banners carry the versions the build gives the programs; the pages name them.
TEST(ManualPages, NameTheVersionsOfTheBanners) {
  const std::string sndconvBanner = run_program(SNDCONV_BIN, {"-V"}, ".").out;
  const std::string tonemakerBanner = text_lines(run_program(TONEMAKER_BIN, {"-h"}, ".").out).at(0);
  ASSERT_EQ(sndconvBanner.substr(sndconvBanner.size() - 1), "\n");
  EXPECT_TRUE(sndconvBanner.ends_with(" Version " SNDCONV_VERSION "\n")) << sndconvBanner;
  EXPECT_TRUE(tonemakerBanner.ends_with(" V" TONEMAKER_VERSION " ****")) << tonemakerBanner;
  const std::string sndconvPage = source_text("man/sndconv.1");
  EXPECT_NE(sndconvPage.find("\n.TH SNDCONV 1 \"\" \"sndconv " SNDCONV_VERSION "\" "), std::string::npos);
  EXPECT_NE(sndconvPage.find("\\(lq" + sndconvBanner.substr(0, sndconvBanner.size() - 1) + "\\(rq"),
            std::string::npos);
  const std::string tonemakerPage = source_text("man/tonemaker.1");
  EXPECT_NE(tonemakerPage.find("\n.TH TONEMAKER 1 \"\" \"tonemaker " TONEMAKER_VERSION "\" "),
            std::string::npos);
  EXPECT_NE(tonemakerPage.find("\\(lq" + tonemakerBanner + "\\(rq"), std::string::npos);
}

// The completion offers every option the manual names; after -o and as a bare extension
// the name pieces that sndconv writes, after -i those the README's table marks usable
// as input (a piece the table lacks is not checked).
TEST(Completion, OffersEveryOptionWordAndEachSideItsNamePieces) {
  for (const char* program : {SNDCONV_BIN, TONEMAKER_BIN}) {
    const std::string name = std::filesystem::path(program).filename().string();
    const std::set<std::string> offered = completions({name, "-"});
    for (const auto& option : documented_options(program))
      EXPECT_TRUE(offered.count(option)) << name << " " << option;
    EXPECT_TRUE(offered.count("--version")) << name;
  }
  const std::set<std::string> forOutput = completions({"sndconv", "-o", ""});
  const std::set<std::string> forName = completions({"sndconv", "in.wav", "."});
  TempDir dir;
  dir.write("in.asc", "1\n");
  for (const auto& [mode, piece] : documented_pieces()) {
    if (piece[0] != '.') continue;  // "-", "--" and "++" are whole names
    const bool writes = run_program(SNDCONV_BIN, {"-o", piece, "in.asc", "out"}, dir.path()).code == 0;
    EXPECT_EQ(forOutput.count(piece), writes) << piece;
    EXPECT_EQ(forName.count(piece), writes) << piece;
  }
  const std::set<std::string> forInput = completions({"sndconv", "-i", ""});
  const std::regex row(R"(\n\| *\d+ \| [^|]+\| ([^|]+)\| ([^|]+) \|)"), piece("`(\\.[A-Za-z]+)`");
  const std::string readme = source_text("README.md");
  size_t rows = 0;
  for (std::sregex_iterator it(readme.begin(), readme.end(), row), end; it != end; ++it, ++rows) {
    const std::string pieces = (*it)[1], side = (*it)[2];
    for (std::sregex_iterator p(pieces.begin(), pieces.end(), piece), pend; p != pend; ++p)
      EXPECT_EQ(forInput.count((*p)[1]), side != "–") << (*p)[1];
  }
  EXPECT_GE(rows, 20u) << "the README's file-mode table was not found";
  EXPECT_TRUE(forInput.count("--") && forOutput.count("-") && forOutput.count("++"));
}

TEST(ManualPages, ExamplesRunAsWritten) {
  TempDir dir;
  const std::string script = roff_examples(source_text("man/sndconv.1"));
  ASSERT_NE(script.find("xargs -0 -P \"$(nproc)\" -I{} sndconv -ns {} .voc"), std::string::npos) << script;
  const ProgramResult r = run_shell(script, dir.path());
  ASSERT_EQ(r.code, 0) << script << r.out << r.err;
  const std::string tone = dir.read("tone.voc");
  EXPECT_EQ(tone.size(), 16000u);
  EXPECT_TRUE(same_bytes(dir.read("back.wav").substr(44), tone));
  EXPECT_EQ(dir.read("tone.len"), "8000\n");
  EXPECT_TRUE(same_bytes(dir.read("cut.voc"), tone.substr(4000, 8000)));
  EXPECT_TRUE(same_bytes(dir.read("vowel.voc"), tone.substr(4000, 8000)));
  EXPECT_EQ(dir.read("tone.ala").size(), 8000u);
  EXPECT_TRUE(same_bytes(dir.read("stereo_c0.voc"), tone));
  EXPECT_TRUE(same_bytes(dir.read("stereo_c1.voc"), tone));
  EXPECT_TRUE(same_bytes(dir.read("corpus/a/tone.voc"), tone));
  EXPECT_TRUE(same_bytes(dir.read("corpus/b/back.voc"), tone));
  EXPECT_TRUE(has_line(r.out, "2048")) << "the largest sample of the 440 Hz tone";

  TempDir toneDir;
  const ProgramResult t = run_shell(roff_examples(source_text("man/tonemaker.1")), toneDir.path());
  ASSERT_EQ(t.code, 0) << t.out << t.err;
  EXPECT_EQ(toneDir.read("sweep.wav").size(), 44u + 2 * 32000);
  EXPECT_TRUE(has_line(t.out, "     56.98dB")) << t.out;
  const std::vector<int16_t> clicks = le16_samples(toneDir.read("clicks.voc"));
  ASSERT_EQ(clicks.size(), 8000u);
  // The sawtooth of 10 Hz at 8000 Hz starts at -1 and first passes 1 at sample 801.
  for (size_t i = 0; i < clicks.size(); ++i) EXPECT_EQ(clicks[i], i % 800 == 1 && i > 1 ? 10000 : 0) << i;
}

TEST(Install, PutsBothProgramsPagesCompletionAndLicenseUnderThePrefix) {
  TempDir prefix;
  const ProgramResult r =
      run_program(CMAKE_BIN, {"--install", BUILD_DIR, "--prefix", prefix.path()}, prefix.path());
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  for (const char* program : {"bin/sndconv", "bin/tonemaker"}) {
    struct stat info {};
    ASSERT_EQ(stat(prefix.file(program).c_str(), &info), 0) << program;
    EXPECT_TRUE(info.st_mode & S_IXUSR) << program;
  }
  for (const char* page : {"sndconv.1", "tonemaker.1"})
    EXPECT_TRUE(same_bytes(prefix.read(std::string("share/man/man1/") + page),
                           source_text(std::string("man/") + page)))
        << page;
  for (const char* program : {"sndconv", "tonemaker"})
    EXPECT_TRUE(same_bytes(prefix.read(std::string("share/bash-completion/completions/") + program),
                           source_text("completion/tamsel_audio_tools.bash")))
        << program;
  EXPECT_EQ(prefix.read("share/doc/tamsel-audio-tools/copyright"), source_text("LICENSE"));
  const ProgramResult banner = run_program(prefix.file("bin/sndconv"), {"-V"}, prefix.path());
  EXPECT_EQ(banner.out, "Tamsel Audio Conversion Tool,  Version 2.37\n");
  const ProgramResult help = run_program(prefix.file("bin/tonemaker"), {"-h"}, prefix.path());
  EXPECT_EQ(help.code, 0);
}
