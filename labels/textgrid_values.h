// The values of a Praat TextGrid text file, long or short form: numbers, quoted
// texts and <flags>. Names, "=", "size", [indices] and "!" comments are skipped.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

enum GridValueKind { GRID_END, GRID_NUMBER, GRID_TEXT, GRID_FLAG };

struct GridValue {
  GridValueKind kind = GRID_END;
  double number = 0;  // GRID_NUMBER
  std::string text;   // GRID_TEXT ("" inside read as one "), GRID_FLAG (without < >)
};

// Where the reading of a file's text stands.
struct GridScan {
  std::string_view text;
  size_t at = 0;
};

// The next value; GRID_END at the end of the text, and for a text or flag that
// the end of the file leaves open.
GridValue next_grid_value(GridScan& scan);
