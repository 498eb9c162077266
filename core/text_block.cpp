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
  char small[64];
  va_list args;
  va_start(args, format);
  const int n = vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < 0) stop_on_errno(text.out.name);
  if (static_cast<size_t>(n) < sizeof small) {
    text_append(text, std::string_view(small, static_cast<size_t>(n)));
    return;
  }
  std::vector<char> large(static_cast<size_t>(n) + 1);
  va_start(args, format);
  vsnprintf(large.data(), large.size(), format, args);
  va_end(args);
  text_append(text, std::string_view(large.data(), static_cast<size_t>(n)));
}
