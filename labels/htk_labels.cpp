// HTK label files: one label a line, "START END [TEXT ...]", the times integers
// in units of 100 ns. A "///" line begins another labelling of the same words.
#include <algorithm>
#include <charconv>
#include <cstdint>

#include "core/stop.h"
#include "labels/label_lines.h"

// The integer that stands at `at` after blanks, as a whole word; `at` moves past it.
static bool next_integer(std::string_view line, size_t& at, int64_t& value) {
  at = std::min(line.find_first_not_of(" \t", at), line.size());
  const size_t end = std::min(line.find_first_of(" \t", at), line.size());
  if (end == at) return false;
  const auto [stop, error] = std::from_chars(line.data() + at, line.data() + end, value);
  if (error != std::errc() || stop != line.data() + end) return false;
  at = end;
  return true;
}

bool parse_htk_line(std::string_view line, LabelSegment& entry) {
  size_t at = 0;
  int64_t start = 0, end = 0;
  if (!next_integer(line, at, start) || !next_integer(line, at, end)) return false;
  at = std::min(line.find_first_not_of(" \t", at), line.size());
  entry = {static_cast<double>(start) / 1e7, static_cast<double>(end) / 1e7, std::string(line.substr(at))};
  return true;
}

// Only the first labelling is read: the file ends for the run at a "///" line.
void read_htk_labels(LabelState& labels, std::string_view text) {
  for (const std::string_view line : text_lines(text)) {
    if (trim_blanks(line).empty()) continue;
    if (trim_blanks(line) == "///") break;
    LabelSegment entry;
    if (!parse_htk_line(line, entry)) stop_with(1, "incomplete label line\n");
    labels.segments.push_back(std::move(entry));
  }
}
