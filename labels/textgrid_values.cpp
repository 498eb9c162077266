// Reading a TextGrid text file as a sequence of values. Both text forms give the
// same sequence: the long form only adds names, "=", "size" and [indices].
#include "labels/textgrid_values.h"

#include "labels/label_lines.h"

static bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Moves past the next `close`; false, at the end, when there is none.
static bool skip_past(GridScan& scan, char close) {
  const size_t at = scan.text.find(close, scan.at);
  scan.at = at == std::string_view::npos ? scan.text.size() : at + 1;
  return at != std::string_view::npos;
}

// A quoted text, from after its opening quote: "" inside stands for one quote.
static bool read_quoted(GridScan& scan, std::string& text) {
  for (;;) {
    const size_t quote = scan.text.find('"', scan.at);
    if (quote == std::string_view::npos) {
      scan.at = scan.text.size();
      return false;
    }
    text.append(scan.text.substr(scan.at, quote - scan.at));
    scan.at = quote + 1;
    if (scan.at >= scan.text.size() || scan.text[scan.at] != '"') return true;
    text.push_back('"');
    ++scan.at;
  }
}

// A word outside quotes: a number, or a name or an index ("[1]:") to skip. It
// ends at a blank or where a text, flag or comment begins.
static bool read_number_word(GridScan& scan, double& number) {
  const size_t start = scan.at - 1;
  while (scan.at < scan.text.size() && !is_space(scan.text[scan.at]) &&
         std::string_view("\"<!").find(scan.text[scan.at]) == std::string_view::npos)
    ++scan.at;
  return parse_decimal(scan.text.substr(start, scan.at - start), number);
}

GridValue next_grid_value(GridScan& scan) {
  GridValue value;
  while (scan.at < scan.text.size()) {
    const char c = scan.text[scan.at++];
    if (is_space(c)) continue;
    switch (c) {
      case '"':
        if (read_quoted(scan, value.text)) value.kind = GRID_TEXT;
        return value;
      case '<': {
        const size_t start = scan.at;
        if (skip_past(scan, '>')) {
          value.kind = GRID_FLAG;
          value.text = scan.text.substr(start, scan.at - 1 - start);
        }
        return value;
      }
      case '!': skip_past(scan, '\n'); break;
      default:
        if (read_number_word(scan, value.number)) {
          value.kind = GRID_NUMBER;
          return value;
        }
    }
  }
  return value;
}
