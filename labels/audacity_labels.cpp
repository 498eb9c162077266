// Audacity label tracks: one label a line, "START<TAB>END<TAB>TEXT" in seconds
// (a point label has START = END); a line beginning "\" holds its frequencies.
#include "core/stop.h"
#include "labels/label_lines.h"

bool parse_audacity_line(std::string_view line, LabelSegment& entry) {
  const size_t endAt = line.find('\t');
  if (endAt == std::string_view::npos) return false;
  const size_t textAt = line.find('\t', endAt + 1);
  const std::string_view end =
      line.substr(endAt + 1, textAt == std::string_view::npos ? textAt : textAt - endAt - 1);
  LabelSegment parsed;
  if (!parse_decimal(line.substr(0, endAt), parsed.start) || !parse_decimal(end, parsed.end)) return false;
  if (textAt != std::string_view::npos) parsed.text = line.substr(textAt + 1);
  entry = std::move(parsed);
  return true;
}

void read_audacity_labels(LabelState& labels, std::string_view text) {
  for (const std::string_view line : text_lines(text)) {
    if (trim_blanks(line).empty() || line.starts_with('\\')) continue;
    LabelSegment entry;
    if (!parse_audacity_line(line, entry)) stop_with(1, "incomplete label line\n");
    labels.segments.push_back(std::move(entry));
  }
}
