// The file mode registry: names to mode codes, codes to display names and
// default extensions, and the known-extensions list of the help text.
#pragma once
#include <string>

#include "core/file_mode.h"

// The mode selected by a name; echoes the name first while the echo is on.
FileMode FILE_MODE_FROM_NAME(const std::string& name);
// The same without the echo, and the echo alone.
FileMode mode_from_name(const std::string& name);
void echo_name(const std::string& name);
// Display name of a mode; any other value stops the run.
const char* FILE_MODE_NAME(int mode);
// Default extension (with its dot) of an output mode; modes without one stop the run.
const char* EXTENSION_NAME(int mode);
// The same, or nullptr for a mode without one.
const char* default_extension(int mode);
void set_name_echo(bool on);
void print_known_extensions();
