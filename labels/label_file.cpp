// Label file reading: opens the file, tells its kind by the first line, hands it
// to that kind's reader and prints the segment left in the start and end times.
#include "labels/label_file.h"

#include <array>
#include <cstdio>
#include <memory>

#include "core/stop.h"
#include "labels/label_lines.h"

bool read_label_line(InStream& in, std::string& line) {
  std::array<char, 200> lineBuffer{};
  if (fgets(lineBuffer.data(), 199, in.file) == nullptr) {
    check_read(in);
    line.clear();
    return false;
  }
  line = lineBuffer.data();
  return true;
}

// The bytes read_label_line would take for the first line, NUL bytes kept (a
// UTF-16 file has them): at most 198, up to and including a line feed.
static bool read_first_piece(InStream& in, std::string& piece) {
  piece.clear();
  int c = 0;
  while (piece.size() < 198 && (c = getc(in.file)) != EOF) {
    piece.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  check_read(in);
  return !piece.empty();
}

// ESPS and SAM go on reading line by line after the first piece.
static void read_keyed_labels(RunSettings& s, LabelState& labels, InStream& in, const std::string& piece) {
  if (verbose) printf("%s", piece.c_str());
  if (labels.format == LABELS_SAM)
    read_sam_labels(s, labels, in);
  else
    read_esps_labels(s, labels, in);
}

// The other kinds read the whole file as UTF-8 text.
static void read_whole_labels(const RunSettings& s, LabelState& labels, InStream& in,
                              const std::string& piece) {
  std::string bytes = piece;
  std::array<char, 4096> block{};
  while (size_t got = read_items(in, block.data(), 1, block.size())) bytes.append(block.data(), got);
  const std::string text = label_text_utf8(bytes);
  switch (labels.format) {
    case LABELS_TEXTGRID: read_textgrid_labels(s, labels, text); break;
    case LABELS_AUDACITY: read_audacity_labels(labels, text); break;
    case LABELS_HTK: read_htk_labels(labels, text); break;
    default: break;
  }
  if (verbose)
    for (const LabelSegment& entry : labels.segments)
      printf("%g %g %s\n", entry.start, entry.end, segment_label(entry).c_str());
}

// The last segment of the file is the one cut, as the last record of an ESPS
// file is; a file without any leaves the times. Returns its label.
static std::string take_last_segment(RunSettings& s, const LabelState& labels) {
  for (auto entry = labels.segments.rbegin(); entry != labels.segments.rend(); ++entry) {
    if (!is_segment(*entry)) continue;
    s.startTime = entry->start;
    s.endTime = entry->end;
    return segment_label(*entry);
  }
  return "";
}

void read_label_file(RunSettings& s, LabelState& labels) {
  const std::string& name = *s.labelFile;
  printf("Using label file %s\n", name.c_str());
  std::unique_ptr<FILE, int (*)(FILE*)> file(open_or_die(name, "r"), fclose);
  InStream in{file.get(), name, nullptr};

  std::string piece;
  if (!read_first_piece(in, piece)) stop_with(1, "empty label file \n");
  labels.format = label_format_of(piece);
  std::string label;
  switch (labels.format) {
    case LABELS_ESPS:
    case LABELS_SAM:
      read_keyed_labels(s, labels, in, piece);
      label = labels.espsLabel;
      break;
    default:
      read_whole_labels(s, labels, in, piece);
      label = take_last_segment(s, labels);
      break;
  }
  file.reset();
  printf("%g %g %s\n", s.startTime, s.endTime, label.c_str());
}
