// Telling label files apart by their first line, after a byte-order mark:
// TextGrid, Audacity and HTK by their shapes, SAM by "LHD:", ESPS otherwise.
#include "labels/label_lines.h"

// Praat's text files begin 'File type = "ooTextFile"' (older short ones with
// "ooTextFile short"); the class of object follows on the next line.
static bool is_praat_text_header(std::string_view line) {
  line = trim_blanks(line);
  return line == "File type = \"ooTextFile\"" || line == "File type = \"ooTextFile short\"";
}

LabelFormat label_format_of(std::string_view firstPiece) {
  const std::string text = label_text_utf8(firstPiece);
  const std::vector<std::string_view> lines = text_lines(text);
  const std::string_view line = lines.empty() ? std::string_view() : lines.front();
  LabelSegment entry;
  if (is_praat_text_header(line)) return LABELS_TEXTGRID;
  if (parse_audacity_line(line, entry)) return LABELS_AUDACITY;
  if (parse_htk_line(line, entry)) return LABELS_HTK;
  if (firstPiece.starts_with("LHD:")) return LABELS_SAM;
  return LABELS_ESPS;
}
