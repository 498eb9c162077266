// Which entries of a label file are segments: a text that is not only blanks,
// and an end after the start. Blank intervals and point labels are not.
#include "labels/label_file.h"
#include "labels/label_lines.h"

bool is_segment(const LabelSegment& entry) {
  return entry.end > entry.start && !trim_blanks(entry.text).empty();
}

std::string segment_label(const LabelSegment& entry) { return std::string(trim_blanks(entry.text)); }
