// Praat TextGrids through the program: one grid written in the long and short
// text forms, with CR LF and in UTF-16 of both byte orders, cuts the same
// segment; "-tier" by name and number; point tiers and broken grids refused.
#include <cstdio>

#include "tests/labels/label_cut.h"

namespace {

struct GridItem {
  double xmin, xmax;  // a point has its time in xmin
  std::string text;
};
struct GridTier {
  bool intervals;
  std::string name;
  std::vector<GridItem> items;
};

// The grid of most tests: a point tier first, then two interval tiers. The last
// interval of "words" is blank, so the segment before it is the one cut.
const std::vector<GridTier> grid = {
    {false, "mark", {{0.7, 0, "p"}}},
    {true,
     "words",
     {{0, 0.5, ""}, {0.5, 1.25, "Grüße"}, {1.25, 1.70006, "he said \"hi\""}, {1.70006, 2.5, "  "}}},
    {true, "phones", {{0, 0.3, "a"}, {0.3, 0.9, "ß 𝄞"}, {0.9, 2.5, ""}}},
};

std::string number(double value) {
  char text[32];
  snprintf(text, sizeof text, "%.15g", value);
  return text;
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? "\"\"" : std::string(1, c);
  return out + "\"";
}

// The grid as Praat writes it: the long text form names every value, the short
// one holds the values alone.
std::string textgrid(const std::vector<GridTier>& tiers, bool longForm) {
  auto line = [&](const std::string& indent, const std::string& name, const std::string& value) {
    return longForm ? indent + name + " = " + value + " \n" : value + "\n";
  };
  std::string out = "File type = \"ooTextFile\"\nObject class = \"TextGrid\"\n\n";
  out += line("", "xmin", "0") + line("", "xmax", "2.5");
  out += longForm ? "tiers? <exists> \n" : "<exists>\n";
  out += line("", "size", std::to_string(tiers.size()));
  if (longForm) out += "item []: \n";
  for (size_t t = 0; t < tiers.size(); ++t) {
    const GridTier& tier = tiers[t];
    const std::string items = tier.intervals ? "intervals" : "points";
    if (longForm) out += "    item [" + std::to_string(t + 1) + "]:\n";
    out += line("        ", "class", tier.intervals ? "\"IntervalTier\"" : "\"TextTier\"");
    out += line("        ", "name", quoted(tier.name));
    out += line("        ", "xmin", "0") + line("        ", "xmax", "2.5");
    out += line("        ", items + ": size", std::to_string(tier.items.size()));
    for (size_t k = 0; k < tier.items.size(); ++k) {
      const GridItem& item = tier.items[k];
      if (longForm) out += "        " + items + " [" + std::to_string(k + 1) + "]:\n";
      if (tier.intervals)
        out += line("            ", "xmin", number(item.xmin)) +
               line("            ", "xmax", number(item.xmax)) +
               line("            ", "text", quoted(item.text));
      else
        out += line("            ", "number", number(item.xmin)) +
               line("            ", "mark", quoted(item.text));
    }
  }
  return out;
}

// UTF-8 text as UTF-16 with its byte-order mark.
std::string utf16(const std::string& utf8, bool bigEndian) {
  std::vector<uint32_t> units;
  for (size_t k = 0; k < utf8.size();) {
    const auto lead = static_cast<uint8_t>(utf8[k]);
    const int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    uint32_t c = more == 0 ? lead : lead & (0x3F >> more);
    for (int m = 1; m <= more; ++m) c = c << 6 | (static_cast<uint8_t>(utf8[k + m]) & 0x3F);
    k += 1 + more;
    if (c >= 0x10000) {
      units.push_back(0xD800 + ((c - 0x10000) >> 10));
      c = 0xDC00 + ((c - 0x10000) & 0x3FF);
    }
    units.push_back(c);
  }
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (uint32_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

class TextGridTest : public LabelCutTest {};

TEST_F(TextGridTest, EveryFormAndEncodingCutsTheLastSegmentOfTheFirstIntervalTier) {
  const std::string longForm = textgrid(grid, true), shortForm = textgrid(grid, false);
  std::string commented = shortForm;
  commented.replace(commented.find("<exists>\n"), 9, "<exists> ! 9 \"tiers\"\n");
  ASSERT_NE(longForm.find("        intervals: size = 4 \n        intervals [1]:\n"), std::string::npos)
      << longForm;
  const std::pair<const char*, std::string> files[] = {
      {"long", longForm},
      {"short", shortForm},
      {"short with a comment", commented},
      {"long CR LF", with_crlf(longForm)},
      {"long UTF-16 BE", utf16(longForm, true)},
      {"short UTF-16 LE CR LF", utf16(with_crlf(shortForm), false)},
  };
  for (const auto& [form, bytes] : files) {
    const ProgramResult r = cut("g.TextGrid", bytes);
    EXPECT_EQ(r.code, 0) << form << r.err;
    EXPECT_TRUE(r.out.starts_with("Using label file g.TextGrid\n1.25 1.70006 he said \"hi\"\nskip_size = "))
        << form << "\n"
        << r.out;
    EXPECT_EQ(output(), samples_between(1.25, 1.70006)) << form;
  }
}

TEST_F(TextGridTest, TierByNameOrByNumberCountingPointTiers) {
  for (const std::string& bytes : {textgrid(grid, true), utf16(textgrid(grid, false), false)}) {
    for (const char* tier : {"phones", "3"}) {
      const ProgramResult r = cut("g.TextGrid", bytes, {"-tier", tier});
      EXPECT_TRUE(r.out.starts_with("Using label file g.TextGrid\n0.3 0.9 ß 𝄞\n")) << tier << "\n" << r.out;
      EXPECT_EQ(output(), samples_between(0.3, 0.9)) << tier;
    }
  }
  // A tier named like a number is taken by its name first.
  std::vector<GridTier> numbered = grid;
  numbered[2].name = "2";
  const ProgramResult byName = cut("n.TextGrid", textgrid(numbered, false), {"-tier", "2"});
  EXPECT_NE(byName.out.find("\n0.3 0.9 ß 𝄞\n"), std::string::npos) << byName.out;
}

TEST_F(TextGridTest, PointTiersAndMissingTiersAreRefusedBeforeAnyOutput) {
  for (const char* tier : {"mark", "1", "0", "4", "Words"}) {
    const ProgramResult r = cut("g.TextGrid", textgrid(grid, true), {"-tier", tier});
    EXPECT_EQ(r.out,
              "Using label file g.TextGrid\nno interval tier " + std::string(tier) + " in g.TextGrid\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(dir.exists("out.voc")) << tier;
  }
  // Without -tier the tier shows as an empty text.
  const ProgramResult points = cut("p.TextGrid", textgrid({grid[0]}, false));
  EXPECT_EQ(points.out, "Using label file p.TextGrid\nno interval tier  in p.TextGrid\n");
  EXPECT_EQ(points.code, 1);
  // A grid cut short, or holding a text where a number belongs, is incomplete.
  const std::string shortForm = textgrid(grid, false);
  std::string textForNumber = shortForm;
  textForNumber.replace(textForNumber.find("\n0.3\n"), 5, "\n\"0.3\"\n");
  for (const std::string& broken : {shortForm.substr(0, shortForm.rfind("\"\"")), textForNumber}) {
    const ProgramResult r = cut("b.TextGrid", broken);
    EXPECT_EQ(r.out, "Using label file b.TextGrid\nincomplete label file \n");
    EXPECT_EQ(r.code, 1);
  }
}

// Praat itself writes the grid: long and short text forms, in UTF-16 as Praat
// does for texts beyond ASCII.
TEST_F(TextGridTest, GridsWrittenByPraat) {
  const std::string praat = find_program("praat");
  if (praat.empty()) GTEST_SKIP() << "praat is not installed (Debian package praat)";
  dir.write("grid.praat",
            "Create TextGrid: 0, 2.5, \"mark words phones\", \"mark\"\n"
            "Insert point: 1, 0.7, \"p\"\n"
            "Insert boundary: 2, 0.5\nInsert boundary: 2, 1.25\nInsert boundary: 2, 1.70006\n"
            "Set interval text: 2, 2, \"Grüße\"\nSet interval text: 2, 3, \"he said \"\"hi\"\"\"\n"
            "Set interval text: 2, 4, \"  \"\n"
            "Insert boundary: 3, 0.3\nInsert boundary: 3, 0.9\n"
            "Set interval text: 3, 1, \"a\"\nSet interval text: 3, 2, \"ß 𝄞\"\n"
            "Save as text file: \"long.TextGrid\"\nSave as short text file: \"short.TextGrid\"\n");
  const ProgramResult made = run_program(praat, {"--run", "grid.praat"}, dir.path());
  ASSERT_EQ(made.code, 0) << made.out << made.err;
  for (const char* name : {"long.TextGrid", "short.TextGrid"}) {
    const std::string bytes = dir.read(name);
    EXPECT_TRUE(bytes.starts_with("\xFE\xFF")) << name << " is not UTF-16";
    EXPECT_TRUE(
        cut(name, bytes)
            .out.starts_with("Using label file " + std::string(name) + "\n1.25 1.70006 he said \"hi\"\n"));
    EXPECT_EQ(output(), samples_between(1.25, 1.70006)) << name;
    EXPECT_TRUE(cut(name, bytes, {"-tier", "3"}).out.find("\n0.3 0.9 ß 𝄞\n") != std::string::npos) << name;
    EXPECT_EQ(output(), samples_between(0.3, 0.9)) << name;
  }
}

}  // namespace
