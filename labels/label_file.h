// Label files: the segments of an ESPS, SAM, TextGrid, Audacity or HTK label file,
// the one segment a run copies, and the two-line ESPS label file of the cut.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/streams.h"

// The label file kinds, told apart by the file's first line.
enum LabelFormat { LABELS_NONE, LABELS_ESPS, LABELS_SAM, LABELS_TEXTGRID, LABELS_AUDACITY, LABELS_HTK };

// One entry of a label file, in seconds: an ESPS record (from the record before
// it, the first from 0), a SAM "LB0:" line, an interval of the chosen TextGrid
// tier, an Audacity or HTK line. `text` is the label as the file gives it (blanks
// kept, no line end; UTF-8).
struct LabelSegment {
  double start = 0;
  double end = 0;
  std::string text;
};

// What the label file leaves beside the times: its kind, every entry in file
// order, and the labels of its last record.
struct LabelState {
  LabelFormat format = LABELS_NONE;
  std::vector<LabelSegment> segments;       // every entry, blank ones and points too
  std::string espsLabel;                    // word of the last ESPS record
  std::optional<std::string> samLabelText;  // text of the last SAM "LB0:" line
};

// An entry is a segment when its text, blanks at both ends removed, is not
// empty and its end is after its start. Only segments are cut and numbered.
bool is_segment(const LabelSegment& entry);
// The text without blanks (spaces, tabs, line ends) at its ends.
std::string segment_label(const LabelSegment& entry);

// Reads `labelFile`: fills `labels`, and sets startTime and endTime (a SAM file
// may also set rate and channels). ESPS: the last record; SAM: the last "LB0:"
// line; the other kinds: their last segment (none leaves the times).
void read_label_file(RunSettings& s, LabelState& labels);

// Writes the label output file into `out` (opened by the run): "#", then one
// record at half the segment's duration carrying the SAM label text ("(null)"
// when there is none).
void write_label_output_file(const RunSettings& s, const LabelState& labels, OutStream& out);
