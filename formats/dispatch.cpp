// The switches over the file mode that connect the run to the formats: one
// case a mode, each calling the format's own function.
#include "formats/dispatch.h"

#include "core/stop.h"
#include "formats/alaw.h"
#include "formats/ascii.h"
#include "formats/codecs.h"
#include "formats/coding.h"
#include "formats/float_ascii.h"
#include "formats/gradient.h"
#include "formats/htk.h"
#include "formats/matlab.h"
#include "formats/motorola.h"
#include "formats/mulaw_hex.h"
#include "formats/multi_channel.h"
#include "formats/pcm.h"
#include "formats/registry.h"
#include "formats/spdcar.h"

int read_block(const RunSettings& s, RunState& run) {
  switch (s.readMode) {
    case MODE_ASCII: return read_ascii_block(s, run);
    case MODE_VAX_ILS: return read_vax_block(run);
    case MODE_GRADIENT: return read_linear16_block(run, run.blockSize, s.swapInput);
    case MODE_ALAW: return read_alaw_block(s, run);
    case MODE_ALAW_HEX: return read_alaw_hex_block(s, run);
    case MODE_FLOAT_ASCII: return read_float_ascii_block(s, run);
    case MODE_PCM: return read_pcm_block(run);
    case MODE_MS_WAV: return read_coded_block(s, run);
    case MODE_MULAW_HEX: return read_mulaw_hex_block(s, run);
    case MODE_NIST: return read_coded_block(s, run);
    case MODE_SPDCAR: return read_spdcar_block(s, run);
    case MODE_HTK: return read_coded_block(s, run);
    case MODE_MOTOROLA: return read_motorola_block(s, run);
    default: break;
  }
  // matlab data has no reader: its first block ends the run here.
  stop_with(1, "Unknown input mode %s!\n", FILE_MODE_NAME(s.readMode));
}

void write_block(const RunSettings& s, RunState& run, FormatStates& formats, int count) {
  switch (s.writeMode) {
    case MODE_ASCII: write_ascii_block(s, run, count); return;
    case MODE_VAX_ILS: write_vax_block(run, count); return;
    case MODE_GRADIENT: write_linear16_block(s, run, count); return;
    case MODE_ALAW: write_alaw_block(s, run, count); return;
    case MODE_NONE: return;
    case MODE_ALAW_HEX: write_alaw_hex_block(run, formats.alawHex, count); return;
    case MODE_FLOAT_ASCII: write_float_ascii_block(run, count); return;
    case MODE_ASSEMBLER: write_asm_block(s, run, formats.assembler, count); return;
    case MODE_MS_WAV: write_linear16_block(s, run, count); return;
    case MODE_USER: write_user_block(run, formats.user.outDescription, count); return;
    case MODE_MULAW_HEX: write_mulaw_hex_block(run, count); return;
    case MODE_MULTI_CHANNEL: write_multi_channel_block(s, run, count); return;
    default: break;
  }
  // MOTOROLA output has no writer: its first block ends the run here.
  stop_with(1, "Unknown output mode!\n");
}

OutputUnits output_units(const RunSettings& s, const FormatStates& formats) {
  switch (s.writeMode) {
    case MODE_VAX_ILS: return {static_cast<int64_t>(formats.vaxIls.header.size()), 2};
    case MODE_GRADIENT: return {0, 2};
    case MODE_ALAW: return {0, 1};
    case MODE_MS_WAV: return {44, 2 * static_cast<int64_t>(s.channels)};
    case MODE_USER: return {0, user_value_bytes(formats.user.outDescription)};
    case MODE_MULTI_CHANNEL: return {0, 2};
    default: return {0, 0};
  }
}

void refuse_modes_without_samples(const RunSettings& s, const FormatStates& formats) {
  if (s.readMode == MODE_MATLAB) stop_with(1, "Unknown input mode %s!\n", FILE_MODE_NAME(s.readMode));
  switch (s.outmode) {
    case MODE_MOTOROLA: stop_with(1, "Unknown output mode!\n");
    case MODE_MULAW_HEX: audio_s2u(0);
    case MODE_USER: check_user_description(formats.user.outDescription); return;
    default: return;
  }
}

// The header step describes the input from the mode's defaults on; the samples
// start where it leaves the input, and a channel count it found above 1 becomes
// the run's unless "-nc" was given.
void read_input_header(RunSettings& s, RunState& run, FormatStates& formats) {
  run.inputDescription = mode_description(s.readMode);
  switch (s.readMode) {
    case MODE_VAX_ILS: read_vax_header(s, run, formats.vaxIls); break;
    case MODE_MS_WAV: read_wav_header(s, run); break;
    case MODE_MATLAB: read_matlab_header(s, run); break;
    case MODE_NIST: read_nist_header(s, run, formats.nist); break;
    case MODE_HTK: read_htk_header(s, run); break;
    default: break;
  }
  InputDescription& described = run.inputDescription;
  described.dataStart = run.input.position;
  if (described.channels > 1 && !s.channelsGiven) {
    s.channels = described.channels;
    check_channel_count(s.channels);
  }
}

void write_output_header(const RunSettings& s, RunState& run, FormatStates& formats) {
  switch (s.writeMode) {
    case MODE_VAX_ILS: write_vax_header(run, formats.vaxIls); return;
    case MODE_ASSEMBLER: write_asm_header(s, run); return;
    case MODE_MS_WAV: write_wav_header(s, run, formats.wav); return;
    default: return;
  }
}

void finish_output_header(const RunSettings& s, RunState& run, const FormatStates& formats, bool checked) {
  switch (s.writeMode) {
    case MODE_MS_WAV: finish_wav_header(s, run, formats.wav, checked); return;
    default: return;
  }
}
