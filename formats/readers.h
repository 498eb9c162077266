// Block readers of the A-law, PCM, Speechdat-Car, hexadecimal, float and MOTOROLA
// inputs. Each fills up to BUFSIZE entries of its sample array and returns the count.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Mode 4: one A-law byte a sample, into inShorts.
int read_alaw_block(const RunSettings& s, RunState& run);
// Mode 8: 16-bit words, most significant byte first, into inShorts.
int read_pcm_block(const RunSettings& s, RunState& run);
// Mode 19: unsigned 16-bit words less 32768, into inShorts.
int read_spdcar_block(const RunSettings& s, RunState& run);
// Mode 6: hexadecimal A-law bytes as text, into inShorts.
int read_alaw_hex_block(const RunSettings& s, RunState& run);
// Mode 15: hexadecimal mu-law bytes as text; the first value ends the run.
int read_mulaw_hex_block(const RunSettings& s, RunState& run);
// Mode 7: floating-point numbers as text, into floatBlock.
int read_float_ascii_block(const RunSettings& s, RunState& run);
// Mode 21: decimal integers with leading zeros, into inShorts.
int read_motorola_block(const RunSettings& s, RunState& run);

// The text readers' stop for characters that begin no value: names the input and
// the count of values accepted so far, exit code 1.
[[noreturn]] void stop_unrecognizable(const RunSettings& s, const RunState& run);
