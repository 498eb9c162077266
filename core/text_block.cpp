// Gathering a block's text: fixed buffer, printf formatting, checked writes.
// Nothing is lost: every piece reaches the stream through write_bytes.
#include "core/text_block.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/stop.h"
#include "core/text_format.h"

void text_flush(TextBlock& text) {
  write_bytes(text.out, text.bytes.data(), text.used);
  text.used = 0;
}

void text_append(TextBlock& text, std::string_view piece) {
  if (piece.size() > text.bytes.size() - text.used) text_flush(text);
  if (piece.size() > text.bytes.size()) {
    write_bytes(text.out, piece.data(), piece.size());
    return;
  }
  memcpy(text.bytes.data() + text.used, piece.data(), piece.size());
  text.used += piece.size();
}

void text_general_line(TextBlock& text, double value) {
  char line[24];
  char* end = format_general(line, value);
  *end++ = '\n';
  text_append(text, std::string_view(line, static_cast<size_t>(end - line)));
}

void text_printf(TextBlock& text, const char* format, ...) {
  std::array<char, 256> small;
  std::vector<char> large;
  va_list args;
  va_start(args, format);
  const std::string_view piece = format_text(small, large, text.out.name, format, args);
  va_end(args);
  text_append(text, piece);
}
