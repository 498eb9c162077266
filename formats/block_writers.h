// Block writers of the output modes that are not the base formats: VAX-ILS
// samples, A-law bytes and hex text, mu-law hex, float text, assembler, channels.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Mode 2: 16-bit words, most significant byte first.
void write_vax_block(const RunSettings& s, RunState& run, int count);
// Mode 4: one A-law byte a sample; -swo exchanges the bytes in pairs.
void write_alaw_block(const RunSettings& s, RunState& run, int count);
// Mode 6: A-law codes as "%2.2X " text, 20 to a line over the whole run.
void write_alaw_hex_block(const RunSettings& s, RunState& run, int count);
// Mode 15: mu-law is not available; the first sample ends the run.
void write_mulaw_hex_block(const RunSettings& s, RunState& run, int count);
// Mode 7: each float sample as "%g\n".
void write_float_ascii_block(const RunSettings& s, RunState& run, int count);
// Mode 10: the listing header, then words of A-law codes, linear values or ADPCM codes.
void write_asm_header(const RunSettings& s, RunState& run);
void write_asm_block(const RunSettings& s, RunState& run, int count);
// Mode 22: the interleaved block split into one file per channel.
void write_multi_channel_block(const RunSettings& s, RunState& run, int count);
