// Opening the run's input by its file mode (a file as text or binary, or
// standard input), and letting it go at the end of the run.
#include <cstdio>

#include "core/stop.h"
#include "driver/run.h"
#include "formats/registry.h"

static constexpr size_t streamBufferSize = 1 << 16;

// A file stream with a buffer of its own: whole blocks pass in few system calls.
static InStream open_buffered(const std::string& name, const char* mode) {
  InStream stream{open_or_die(name, mode), name, std::make_unique<char[]>(streamBufferSize)};
  setvbuf(stream.file, stream.buffer.get(), _IOFBF, streamBufferSize);
  return stream;
}

void open_input(RunSettings& s, RunState& run) {
  const ModeTraits* traits = mode_traits(s.inmode);
  s.readMode = s.inmode;
  switch (traits != nullptr ? traits->input : Opening::refused) {
    case Opening::text: run.input = open_buffered(s.inname, "r"); return;
    case Opening::binary: run.input = open_buffered(s.inname, "rb"); return;
    case Opening::standard:
      run.input = {stdin, "stdin", nullptr};
      s.readMode = MODE_ASCII;
      return;
    case Opening::outputOnly:
      stop_with(1, "sorry! %s is (up to now) a output only mode\n", FILE_MODE_NAME(s.inmode));
    default: break;
  }
  stop_with(1, "sorry! input mode  %s not implemented\n", FILE_MODE_NAME(s.inmode));
}

void release_input(RunState& run) {
  if (run.input.file != nullptr && run.input.file != stdin) fclose(run.input.file);
  run.input.file = nullptr;
}
