// MOTOROLA text input: decimal integers written with leading zeros, one token a
// value. The zeros are blanked first so that "%hi" does not read them as octal.
#include "formats/motorola.h"

#include <cstdio>
#include <string>

#include "core/stop.h"

// 0012 -> "  12", 000 -> "0  ", -0012 -> "  -12", -05 -> " -5", -000 -> "   0".
// Tokens beginning otherwise stay as they are (+012 is still octal).
static void blank_leading_zeros(std::string& token) {
  size_t i = 0;
  if (token[0] == '0') {
    while (i < token.size() && token[i] == '0') token[i++] = ' ';
    if (i == token.size()) token[0] = '0';
  } else if (token[0] == '-') {
    token[i++] = ' ';
    while (i < token.size() && token[i] == '0') token[i++] = ' ';
    // The sign moves up to the first significant character; a sign before
    // zeros only is the number 0. A lone '-' stays and is no number.
    token[i - 1] = (i == token.size() && i > 1) ? '0' : '-';
  }
}

int read_motorola_block(const RunSettings& s, RunState& run) {
  std::string token;
  size_t count = 0;
  while (count < run.blockSize && read_token(run.input, token)) {
    blank_leading_zeros(token);
    if (sscanf(token.c_str(), "%hi", &run.inShorts[count]) < 1)
      stop_unrecognizable(s.inname, run.valueCounter);
    ++run.valueCounter;
    ++count;
  }
  return static_cast<int>(count);
}
