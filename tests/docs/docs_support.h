// Helpers of the documentation tests: source files, the fenced blocks of the README,
// the sections and example blocks of a manual page, and shell runs with both programs.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

inline std::string source_text(const std::string& relative) {
  return read_file(std::string(SOURCE_DIR) + "/" + relative);
}

// The contents of the Markdown blocks whose opening fence is exactly "```" + info.
inline std::vector<std::string> fenced_blocks(const std::string& markdown, const std::string& info) {
  std::vector<std::string> blocks;
  const std::string open = "\n```" + info + "\n";
  for (size_t at = markdown.find(open); at != std::string::npos; at = markdown.find(open, at)) {
    const size_t start = at + open.size();
    const size_t end = markdown.find("\n```\n", start - 1);
    if (end == std::string::npos) break;
    blocks.push_back(markdown.substr(start, end + 1 - start));
    at = end + 4;
  }
  return blocks;
}

// The "sh example" blocks in order, each with what the "text output" blocks between it
// and the next example show (empty when none does).
struct ExampleBlock {
  std::string script;
  std::string shown;
};
inline std::vector<ExampleBlock> example_blocks(const std::string& markdown) {
  std::vector<ExampleBlock> examples;
  for (size_t at = markdown.find("\n```"); at != std::string::npos; at = markdown.find("\n```", at + 1)) {
    const size_t infoEnd = markdown.find('\n', at + 1);
    const std::string info = markdown.substr(at + 4, infoEnd - (at + 4));
    const size_t end = markdown.find("\n```\n", infoEnd);
    if (infoEnd == std::string::npos || end == std::string::npos) break;
    const std::string body = markdown.substr(infoEnd + 1, end + 1 - (infoEnd + 1));
    if (info == "sh example") examples.push_back({body, ""});
    if (info == "text output" && !examples.empty()) examples.back().shown += body;
    at = end + 4;
  }
  return examples;
}

// The text of a manual page section, from its ".SH" line to the next one.
inline std::string roff_section(const std::string& page, const std::string& title) {
  const size_t start = page.find("\n.SH " + title + "\n");
  if (start == std::string::npos) return "";
  const size_t end = page.find("\n.SH ", start + 1);
  return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Roff text as the reader sees it, for the escapes the example blocks use.
inline std::string roff_unescape(const std::string& text) {
  const std::pair<std::string, char> escapes[] = {{"\\-", '-'}, {"\\e", '\\'}, {"\\(aq", '\''}};
  std::string plain;
  for (size_t i = 0; i < text.size();) {
    size_t taken = 0;
    for (const auto& [code, c] : escapes) {
      if (text.compare(i, code.size(), code) == 0) {
        plain += c;
        taken = code.size();
        break;
      }
    }
    if (taken == 0) plain += text[i++];
    i += taken;
  }
  return plain;
}

// The shell lines of the ".EX" blocks of a page's EXAMPLES section, unescaped.
inline std::string roff_examples(const std::string& page) {
  const std::string section = roff_section(page, "EXAMPLES") + "\n";
  std::string script;
  for (size_t at = section.find("\n.EX\n"); at != std::string::npos; at = section.find("\n.EX\n", at)) {
    const size_t end = section.find("\n.EE\n", at);
    if (end == std::string::npos) break;
    script += roff_unescape(section.substr(at + 5, end + 1 - (at + 5)));
    at = end;
  }
  return script;
}

// Runs the script with bash in `dir`, stopping at the first failing command, with the
// built sndconv and tonemaker first on the PATH.
inline ProgramResult run_shell(const std::string& script, const std::string& dir) {
  const std::string bins = std::filesystem::path(SNDCONV_BIN).parent_path().string() + ":" +
                           std::filesystem::path(TONEMAKER_BIN).parent_path().string();
  const std::string prologue = "set -euo pipefail\nexport PATH='" + bins + "':\"$PATH\"\n";
  return run_program("/bin/bash", {"-c", prologue + script}, dir);
}

// Compares file contents and, on a mismatch, names the sizes and the first
// differing byte instead of printing the bytes.
inline ::testing::AssertionResult same_bytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                       << " were expected, first difference at byte " << at;
}

// True when `line` is one of the lines of `text`.
inline bool has_line(const std::string& text, const std::string& line) {
  return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
}

// The lines of a text, without their line ends.
inline std::vector<std::string> text_lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

// The integers of a text file of one value a line.
inline std::vector<int16_t> text_samples(const std::string& text) {
  std::vector<int16_t> values;
  for (const auto& line : text_lines(text)) values.push_back(static_cast<int16_t>(std::stoi(line)));
  return values;
}
