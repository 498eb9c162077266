// NIST SPHERE input (file mode 18): the text header, the fields the run takes
// from it (the samples' coding among them), and the -N display of the header.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/run_state.h"
#include "core/settings.h"

struct NistState {
  std::array<char, 2048> header{};  // the header text as read
};

// Reads the header into nistHeader and leaves the input at the first sample;
// sets rate, length, and speakerId and transliteration when the header has them,
// and describes the samples. With showNistHeader the header is shown and the
// run ends with exit code 0.
void read_nist_header(RunSettings& s, RunState& run, NistState& nist);
// The header length of the second line of the header text.
int nist_header_length(std::string_view text);
// Prints the header lines from the third to "end_head".
void show_nist_header(std::string_view text);
// Takes speaker id and transliteration from the header text when it holds them.
void nist_speaker_info(std::string_view text, std::string& speakerId, std::string& transliteration);
// The integer after "-i" that follows the field name; -1 when there is none.
int64_t nist_field(std::string_view text, std::string_view name);
