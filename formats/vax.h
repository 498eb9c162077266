// VAX-ILS (file mode 2): the 512-byte header block and the input's samples,
// 16-bit words most significant byte first.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Keeps the input's 512 header bytes in vaxHeader.
void read_vax_header(const RunSettings& s, RunState& run);
// Writes vaxHeader: the input's header, or 512 zero bytes for other inputs.
void write_vax_header(const RunSettings& s, RunState& run);
// One block of 16-bit words, always byte-swapped.
int read_vax_block(const RunSettings& s, RunState& run);
