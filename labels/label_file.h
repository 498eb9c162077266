// Label files: the segment to copy taken from an ESPS or SAM label file, and the
// two-line ESPS label file that marks the middle of the cut segment.
#pragma once
#include <optional>
#include <string>

#include "core/settings.h"
#include "core/streams.h"

// What the label file leaves beside the times: the labels of its last record.
struct LabelState {
  std::string espsLabel;                    // word of the last ESPS record
  std::optional<std::string> samLabelText;  // text of the last SAM "LB0:" line
};

// Reads `labelFile`: sets startTime and endTime (a SAM file may also set rate
// and channels) and keeps the label in espsLabel or samLabelText.
void read_label_file(RunSettings& s, LabelState& labels);

// Writes the label output file into `out` (opened by the run): "#", then one
// record at half the segment's duration carrying the SAM label text ("(null)"
// when there is none).
void write_label_output_file(const RunSettings& s, const LabelState& labels, OutStream& out);
