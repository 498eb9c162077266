// Numbers from command-line values and length files, converted the way the C
// library's formatted scan does: a text that is no number leaves the setting.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// A long held to the 32-bit range the programs keep.
int32_t clamp_to_int32(long value);

// Each parse stores the number a text begins with and returns true; a text that
// begins with no number leaves the value and returns false.
// "%f":
bool parse_float(const std::string& text, float& value);
// "%lf": times, held in double precision.
bool parse_double(const std::string& text, double& value);
// "%ld" / "%d" on a platform of 32-bit integers: beyond the range saturates.
bool parse_int32(const std::string& text, int32_t& value);
bool parse_int(const std::string& text, int& value);
// Counts and positions ("-l", "-hs", "-le", "-LI", NIST sample counts) hold
// 64 bits: "%lld", saturating at the 64-bit limits.
bool parse_int64(const std::string& text, int64_t& value);
// The same from the start of a text file (the "-LI" file).
bool parse_int64(FILE* file, int64_t& value);
