// sscanf-compatible conversions of option values. Integers are read as the C
// library reads a long and then held to the 32-bit range the programs keep.
#include "core/value_scan.h"

#include <limits>

int32_t clamp_to_int32(long value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

bool parse_float(const std::string& text, float& value) { return sscanf(text.c_str(), "%f", &value) == 1; }

bool parse_double(const std::string& text, double& value) { return sscanf(text.c_str(), "%lf", &value) == 1; }

bool parse_int32(const std::string& text, int32_t& value) {
  long wide = 0;
  if (sscanf(text.c_str(), "%ld", &wide) != 1) return false;
  value = clamp_to_int32(wide);
  return true;
}

bool parse_int(const std::string& text, int& value) {
  int32_t narrow = 0;
  if (!parse_int32(text, narrow)) return false;
  value = narrow;
  return true;
}

bool parse_int64(const std::string& text, int64_t& value) {
  long long wide = 0;
  if (sscanf(text.c_str(), "%lld", &wide) != 1) return false;
  value = wide;
  return true;
}

bool parse_int64(FILE* file, int64_t& value) {
  long long wide = 0;
  if (fscanf(file, "%lld", &wide) != 1) return false;
  value = wide;
  return true;
}
