// The user-defined format (mode 14): a description file naming the sample type
// and text or binary form, its display, and the block writer it describes.
#pragma once
#include <cstdint>
#include <string>

#include "core/run_state.h"
#include "core/settings.h"

// Data type codes of a description.
enum UserType { TYPE_SHORT = 0, TYPE_LONG = 1, TYPE_INT = 2, TYPE_CHAR = 3, TYPE_FLOAT = 4, TYPE_OTHER = 5 };
// Sample forms of a description; a description without one is UNKNOWN.
enum UserForm { FORM_UNKNOWN = -1, FORM_BINARY = 0, FORM_ASCII = 1 };

// What a description file says about the user-defined format.
struct FormatDescription {
  std::string name;  // shown only
  UserType type = TYPE_OTHER;
  UserForm mode = FORM_UNKNOWN;
};

// The descriptions of a mode-14 input ("-I") and output ("-O").
struct UserFormatState {
  FormatDescription inDescription;
  FormatDescription outDescription;
};

// Reads the description word by word to the end of the file, echoing each word
// it reads in its own right; keywords fill the record, the last one given wins.
void read_format_description(InStream& in, FormatDescription& description);
// Three lines: name, mode and type.
void print_format_description(const FormatDescription& description);
// Before the input is opened: reads and shows the description of a mode-14
// input, then that of a mode-14 output.
void read_format_descriptions(const RunSettings& s, UserFormatState& user);
// Ends the run with the writer's message when the description asks for binary
// words it cannot write (int, char, or no known type or form).
void check_user_description(const FormatDescription& description);
// Bytes of one binary value of the description; 0 for text.
int64_t user_value_bytes(const FormatDescription& description);
// One block in the described form: text lines or little-endian binary words.
void write_user_block(RunState& run, const FormatDescription& description, int count);
