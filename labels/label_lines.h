// The readers behind read_label_file: ESPS and SAM read from the stream line by
// line; TextGrid, Audacity and HTK from the whole file as UTF-8 text.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "core/streams.h"
#include "labels/label_file.h"

// The next piece of a line, as fgets reads it into the 200-byte line buffer with
// a limit of 199: at most 198 characters, the line feed included when it fits.
// A longer line comes in several pieces. The piece ends at a NUL byte, as the C
// text does. False at the end of the file.
bool read_label_line(InStream& in, std::string& line);

// The kind of a label file from the first piece of its first line (the bytes
// read_label_line reads, NUL bytes kept).
LabelFormat label_format_of(std::string_view firstPiece);
// The bytes of a label file as UTF-8: a UTF-8 byte-order mark dropped, UTF-16
// in either byte order (with its mark) converted; anything else as it is.
std::string label_text_utf8(std::string_view bytes);
// The lines of a text without their line ends (LF or CR LF).
std::vector<std::string_view> text_lines(std::string_view text);
// The text without blanks (spaces, tabs, line ends) at its ends.
std::string_view trim_blanks(std::string_view text);
// A decimal number in seconds, blanks around it allowed ("0.5", "-1e-3"); false,
// with the value left, for any other text, infinities and NaN included.
bool parse_decimal(std::string_view text, double& value);
// One line of an Audacity label track, "START<TAB>END[<TAB>TEXT]" in seconds, or
// of an HTK label file, "START END [TEXT ...]" in units of 100 ns; false for any
// other line. The first line of a file that parses tells its kind.
bool parse_audacity_line(std::string_view line, LabelSegment& entry);
bool parse_htk_line(std::string_view line, LabelSegment& entry);

// The rest of an ESPS file after its first line.
void read_esps_labels(RunSettings& s, LabelState& labels, InStream& in);
// The rest of a SAM file after its "LHD:" line.
void read_sam_labels(RunSettings& s, LabelState& labels, InStream& in);
// Whole files, as UTF-8 text, into labels.segments.
void read_textgrid_labels(const RunSettings& s, LabelState& labels, std::string_view text);
void read_audacity_labels(LabelState& labels, std::string_view text);
void read_htk_labels(LabelState& labels, std::string_view text);
