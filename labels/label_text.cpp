// The text of a label file: blanks at the ends of a text.
#include "labels/label_lines.h"

std::string_view trim_blanks(std::string_view text) {
  const char* const blanks = " \t\r\n\v\f";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
