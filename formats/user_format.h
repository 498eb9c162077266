// The user-defined format (mode 14): a description file naming the sample type
// and text or binary form, its display, and the block writer it describes.
#pragma once
#include <string>

#include "core/run_state.h"
#include "core/settings.h"

// Reads the description word by word to the end of the file, echoing each word
// it reads in its own right; keywords fill the record, the last one given wins.
void read_format_description(InStream& in, FormatDescription& description);
// Three lines: name, mode and type.
void print_format_description(const FormatDescription& description);
// Before the input is opened: reads and shows the description of a mode-14
// input, then that of a mode-14 output.
void read_format_descriptions(const RunSettings& s, RunState& run);
// One block in the described form: text lines or little-endian binary words.
void write_user_block(RunState& run, int count);
