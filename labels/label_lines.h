// Reading label files line by line, and the two label formats behind
// read_label_file: ESPS (header, "#", records) and SAM (keyed lines).
#pragma once
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/streams.h"
#include "labels/label_file.h"

// The next piece of a line, as fgets reads it into the 200-byte line buffer with
// a limit of 199: at most 198 characters, the line feed included when it fits.
// A longer line comes in several pieces. The piece ends at a NUL byte, as the C
// text does. False at the end of the file.
bool read_label_line(InStream& in, std::string& line);
// The text without blanks (spaces, tabs, line ends) at its ends.
std::string_view trim_blanks(std::string_view text);

// The rest of an ESPS file after its first line.
void read_esps_labels(RunSettings& s, LabelState& labels, InStream& in);
// The rest of a SAM file after its "LHD:" line.
void read_sam_labels(RunSettings& s, LabelState& labels, InStream& in);
