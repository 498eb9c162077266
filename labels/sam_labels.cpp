// SAM label files: lines keyed by their first four characters. "LB0:" gives the
// segment in samples and the label text, "SAM:" the rate, "NCH:" the channels.
#include <cstdio>

#include "core/stop.h"
#include "core/value_scan.h"
#include "labels/label_lines.h"

// The text after the n-th comma of the line, or npos when it has fewer commas.
static size_t after_comma(const std::string& line, int n) {
  size_t at = 0;
  for (int k = 0; k < n; ++k) {
    at = line.find(',', at);
    if (at == std::string::npos) return at;
    ++at;
  }
  return at;
}

// "LB0: first, unused, last, text": the segment from first to last sample.
static void read_segment_line(RunSettings& s, LabelState& labels, const std::string& line) {
  printf("%s", line.c_str());
  long long first = 0, unused = 0, last = 0;
  const bool complete = sscanf(line.c_str() + 4, "%lld,%lld,%lld", &first, &unused, &last) == 3;
  if (!complete || after_comma(line, 3) == std::string::npos) stop_with(1, "incomplete label line\n");
  printf("%lld %lld %lld\n", first, unused, last);
  if (last < first) stop_with(1, "Empty utterance\n");
  if (s.rate <= 0) stop_with(1, "can not use sampling rate %ld\n", static_cast<long>(s.rate));
  // Sample numbers become times in double precision, so a cut lands on them again.
  s.startTime = static_cast<double>(first) / s.rate;
  s.endTime = static_cast<double>(last) / s.rate;
  printf("%s\n", line.c_str());
  printf("%s\n", line.c_str() + after_comma(line, 1));
  printf("%s\n", line.c_str() + after_comma(line, 2));

  // The label text keeps its blanks and a lone line feed; CR LF is cut off.
  std::string text = line.substr(after_comma(line, 3));
  if (text.size() >= 2 && text[text.size() - 2] == '\r') text.resize(text.size() - 2);
  labels.samLabelText = text;
  if (text.ends_with('\n')) text.pop_back();
  labels.segments.push_back({s.startTime, s.endTime, text});
}

// Checked at once: a count the blocks cannot split ends the run before any
// output exists.
static void read_channel_line(RunSettings& s, const std::string& line) {
  if (parse_int(line.substr(4), s.channels)) check_channel_count(s.channels);
}

void read_sam_labels(RunSettings& s, LabelState& labels, InStream& in) {
  printf("SAM label file\n");
  std::string line;
  while (read_label_line(in, line)) {
    if (line.starts_with("LB0:"))
      read_segment_line(s, labels, line);
    else if (line.starts_with("SAM:"))
      parse_int32(line.substr(4), s.rate);
    else if (line.starts_with("NCH:"))
      read_channel_line(s, line);
  }
}
