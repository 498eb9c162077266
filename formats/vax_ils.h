// VAX-ILS (file mode 2): a 512-byte header block, kept uninterpreted and copied
// in front of a VAX-ILS output, then 16-bit words most significant byte first.
#pragma once
#include <array>
#include <cstdint>

#include "core/run_state.h"
#include "core/settings.h"

struct VaxIlsState {
  std::array<uint8_t, 512> header{};  // the input's header; zeros for other inputs
};

void read_vax_header(const RunSettings& s, RunState& run, VaxIlsState& vax);
void write_vax_header(RunState& run, const VaxIlsState& vax);
int read_vax_block(RunState& run);
void write_vax_block(RunState& run, int count);
