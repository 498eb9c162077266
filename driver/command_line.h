// The sndconv command line: options into RunSettings, banner and help text,
// the checks after the scan, and the input and output file modes.
#pragma once
#include "core/settings.h"

// Fills the settings from the argument vector (program name first), or prints
// the banner, help or an error and stops.
void parse_command_line(RunSettings& s, int argc, char** argv);
// The help text with the current settings, and with `moreOptions` ("--help")
// the options it does not list; stops with exit code 0.
[[noreturn]] void print_usage(const RunSettings& s, const char* programName, bool moreOptions);
// Channel count, increment and word size checks; the verbose transform summary.
void check_settings(const RunSettings& s);
// Sets inmode and outmode from the names, printing nothing.
void resolve_file_modes(RunSettings& s);
// The names that chose the modes (while the name echo is on) and the mode line.
void print_mode_lines(const RunSettings& s);
