// Numbers from command-line values and length files, converted the way the C
// library's formatted scan does: a text that is no number leaves the setting.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// A long held to the 32-bit range the programs keep.
int32_t clamp_to_int32(long value);

// "%f": stores a float and returns true when the text begins with a number.
bool scan_float(const std::string& text, float& value);
// "%ld" / "%d" on a platform of 32-bit integers: beyond the range saturates.
bool scan_int32(const std::string& text, int32_t& value);
bool scan_int(const std::string& text, int& value);
// Counts and positions ("-l", "-hs", "-le", "-LI", NIST sample counts) hold
// 64 bits: "%lld", saturating at the 64-bit limits.
bool scan_int64(const std::string& text, int64_t& value);
bool scan_int64(FILE* file, int64_t& value);
