// The "%f" conversion by hand: white space, sign, "nan"/"inf"/"infinity", decimal
// or 0x-hexadecimal digits, point and exponent, taken as the C library takes them.
#include "core/float_scan.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

int lower(int c) { return c == EOF ? EOF : tolower(c); }

// Takes the letters of `word` one by one; false at the first that differs, which
// is consumed as the C library consumes it.
bool take_word(FILE* file, const char* word, std::string& text) {
  for (const char* w = word; *w != '\0'; ++w) {
    const int c = getc_unlocked(file);
    if (lower(c) != *w) return false;
    text.push_back(static_cast<char>(c));
  }
  return true;
}

// "nan", "inf" or "infinity" after the optional sign; c is the first letter.
bool scan_special(FILE* file, int c, std::string& text) {
  text.push_back(static_cast<char>(c));
  if (lower(c) == 'n') return take_word(file, "an", text);
  if (!take_word(file, "nf", text)) return false;
  const int next = getc_unlocked(file);
  if (lower(next) != 'i') {
    if (next != EOF) ungetc(next, file);
    return true;
  }
  text.push_back(static_cast<char>(next));
  return take_word(file, "nity", text);
}

// Digits, one point and one exponent with its sign; c is the first character.
// Returns false when only a 0x prefix was found.
bool scan_digits(FILE* file, int c, std::string& text) {
  int exponentChar = 'e';
  bool hex = false, gotDigit = false, gotDot = false, gotExponent = false;
  const size_t start = text.size();
  if (c == '0') {
    text.push_back('0');
    c = getc_unlocked(file);
    if (lower(c) == 'x') {
      text.push_back(static_cast<char>(c));
      hex = true;
      exponentChar = 'p';
      c = getc_unlocked(file);
    } else {
      gotDigit = true;
    }
  }
  for (; c != EOF; c = getc_unlocked(file)) {
    if (isdigit(c) || (!gotExponent && hex && isxdigit(c))) {
      text.push_back(static_cast<char>(c));
      gotDigit = true;
    } else if (gotExponent && text.back() == exponentChar && (c == '-' || c == '+')) {
      text.push_back(static_cast<char>(c));
    } else if (gotDigit && !gotExponent && lower(c) == exponentChar) {
      text.push_back(static_cast<char>(exponentChar));
      gotExponent = gotDot = true;
    } else if (!gotDot && c == '.') {
      text.push_back('.');
      gotDot = true;
    } else {
      ungetc(c, file);
      break;
    }
  }
  return !(hex && text.size() == start + 2);
}

}  // namespace

int scan_float(FILE* file, float& value) {
  int c;
  do c = getc_unlocked(file);
  while (c != EOF && isspace(c));
  if (c == EOF) return EOF;

  std::string text;
  if (c == '-' || c == '+') {
    text.push_back(static_cast<char>(c));
    c = getc_unlocked(file);
    if (c == EOF) return 0;
  }
  bool formed;
  if (lower(c) == 'n' || lower(c) == 'i')
    formed = scan_special(file, c, text);
  else
    formed = scan_digits(file, c, text) && text.size() > (text[0] == '-' || text[0] == '+' ? 1u : 0u);
  if (!formed) return 0;
  char* end = nullptr;
  const float number = strtof(text.c_str(), &end);
  if (end == text.c_str()) return 0;
  value = number;
  return 1;
}
