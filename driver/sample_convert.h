// The float-to-16-bit rule of the run: truncate toward zero, keep the low 16
// bits as two's complement; NaN and values beyond the 64-bit range give 0.
#pragma once
#include <cmath>
#include <cstdint>

inline int16_t float_to_sample(float value) {
  // 2^63: every float of smaller magnitude truncates to a valid 64-bit integer.
  if (!(std::fabs(value) < 9223372036854775808.0f)) return 0;
  const auto wide = static_cast<int64_t>(value);
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(wide) & 0xFFFFu));
}
