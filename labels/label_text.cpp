// The text of a label file: byte-order marks, UTF-16 turned into UTF-8, lines
// with LF or CR LF ends, blanks at the ends of a text, and decimal numbers.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "labels/label_lines.h"

// A code point as UTF-8.
static void append_utf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// UTF-16 code units after the byte-order mark, most significant byte first or
// last. A surrogate without its partner becomes U+FFFD; an odd last byte is dropped.
static std::string utf16_to_utf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  const size_t units = bytes.size() / 2;
  auto unit = [&](size_t k) -> uint32_t {
    const uint32_t first = static_cast<uint8_t>(bytes[2 * k]),
                   second = static_cast<uint8_t>(bytes[2 * k + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  for (size_t k = 0; k < units; ++k) {
    uint32_t c = unit(k);
    if (c >= 0xD800 && c < 0xDC00 && k + 1 < units && unit(k + 1) >= 0xDC00 && unit(k + 1) < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(++k) - 0xDC00);
    else if (c >= 0xD800 && c < 0xE000)
      c = 0xFFFD;
    append_utf8(out, c);
  }
  return out;
}

std::string label_text_utf8(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (bytes.starts_with("\xFE\xFF")) return utf16_to_utf8(bytes.substr(2), true);
  if (bytes.starts_with("\xFF\xFE")) return utf16_to_utf8(bytes.substr(2), false);
  return std::string(bytes);
}

std::vector<std::string_view> text_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

std::string_view trim_blanks(std::string_view text) {
  const char* const blanks = " \t\r\n\v\f";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool parse_decimal(std::string_view text, double& value) {
  text = trim_blanks(text);
  if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string_view::npos) return false;
  const std::string digits(text);
  char* end = nullptr;
  const double number = strtod(digits.c_str(), &end);
  if (end != digits.c_str() + digits.size() || !std::isfinite(number)) return false;
  value = number;
  return true;
}
