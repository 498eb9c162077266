// The file mode registry: names to mode codes, codes to display names and
// default extensions, and the known-extensions list of the help text.
#pragma once
#include <string>

// File mode codes. 9 and 13 do not exist; -1 is a name that matched nothing.
enum FileMode {
  MODE_ASCII = 0,
  MODE_SUN_AUDIO = 1,
  MODE_VAX_ILS = 2,
  MODE_GRADIENT = 3,
  MODE_ALAW = 4,
  MODE_NONE = 5,
  MODE_ALAW_HEX = 6,
  MODE_FLOAT_ASCII = 7,
  MODE_PCM = 8,
  MODE_ASSEMBLER = 10,
  MODE_MS_WAV = 11,
  MODE_MATLAB = 12,
  MODE_USER = 14,
  MODE_MULAW_HEX = 15,
  MODE_STDOUT_A = 16,
  MODE_STDIN_A = 17,
  MODE_NIST = 18,
  MODE_SPDCAR = 19,
  MODE_HTK = 20,
  MODE_MOTOROLA = 21,
  MODE_MULTI_CHANNEL = 22,
  MODE_UNKNOWN = -1,
};

// The mode selected by a name; echoes the name first while the echo is on.
int FILE_MODE_FROM_NAME(const std::string& name);
// Display name of a mode; any other value stops the run.
const char* FILE_MODE_NAME(int mode);
// Default extension (with its dot) of an output mode; modes without one stop the run.
const char* EXTENSION_NAME(int mode);
// The same, or nullptr for a mode without one.
const char* default_extension(int mode);
void set_name_echo(bool on);
void print_known_extensions();
