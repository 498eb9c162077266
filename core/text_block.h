// A block's text gathered in one fixed buffer and handed to the output stream
// in as few checked writes as possible. Formatted pieces are printf's own text.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>

#include "core/streams.h"

struct TextBlock {
  explicit TextBlock(OutStream& stream) : out(stream) {}
  OutStream& out;
  std::array<char, 1 << 14> bytes;  // only the first `used` bytes are text
  size_t used = 0;
};

// Adds a piece; a full buffer is written out first, a piece larger than the
// whole buffer goes straight to the stream.
void text_append(TextBlock& text, std::string_view piece);
// Adds printf-formatted text.
void text_printf(TextBlock& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Adds one "%g\n" line.
void text_general_line(TextBlock& text, double value);
// Writes what the buffer holds.
void text_flush(TextBlock& text);
