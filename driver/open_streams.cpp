// Opening and closing the run's streams by file mode: the input in text or
// binary form or standard input; the output file, standard output, channel files.
#include <cstdio>

#include "core/stop.h"
#include "driver/run.h"
#include "formats/dispatch.h"
#include "formats/registry.h"

static constexpr size_t streamBufferSize = 1 << 16;

// A file stream with a buffer of its own: whole blocks pass in few system calls.
template <typename Stream>
static Stream open_buffered(const std::string& name, const char* mode) {
  Stream stream{open_or_die(name, mode), name, std::make_unique<char[]>(streamBufferSize)};
  setvbuf(stream.file, stream.buffer.get(), _IOFBF, streamBufferSize);
  return stream;
}

void open_input(RunSettings& s, RunState& run) {
  const ModeTraits* traits = mode_traits(s.inmode);
  s.readMode = s.inmode;
  switch (traits != nullptr ? traits->input : Opening::refused) {
    case Opening::text: run.input = open_buffered<InStream>(s.inname, "r"); return;
    case Opening::binary: run.input = open_buffered<InStream>(s.inname, "rb"); return;
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

// One binary file per channel; the output name ends as the last one.
static void open_channel_files(RunSettings& s, RunState& run) {
  const std::string outname = s.outname;
  run.channelStreams.clear();
  for (int k = 0; k < s.channels; ++k) {
    s.outname = channel_file_name(outname, k);
    run.channelStreams.push_back(open_buffered<OutStream>(s.outname, "wb"));
  }
}

void open_outputs(RunSettings& s, RunState& run, const UserFormatState& user) {
  const ModeTraits* traits = mode_traits(s.outmode);
  s.writeMode = s.outmode;
  switch (traits != nullptr ? traits->output : Opening::refused) {
    case Opening::text: run.output = open_buffered<OutStream>(s.outname, "w"); return;
    case Opening::binary: run.output = open_buffered<OutStream>(s.outname, "wb"); return;
    case Opening::nothing: return;
    case Opening::described:
      run.output = open_buffered<OutStream>(s.outname, user.outDescription.mode == FORM_BINARY ? "wb" : "w");
      return;
    case Opening::standard:
      run.output = {stdout, "stdout", nullptr};
      s.writeMode = MODE_ASCII;
      return;
    case Opening::channels: open_channel_files(s, run); return;
    default: break;
  }
  stop_with(1, "sorry! output mode %s not implemented\n", FILE_MODE_NAME(s.outmode));
}

void finish_outputs(const RunSettings& s, RunState& run, const FormatStates& formats, bool checked) {
  for (OutStream& channel : run.channelStreams) end_output(channel, checked);
  if (run.output.file == nullptr) return;
  finish_output_header(s, run, formats, checked);
  // The report stays off standard output once the samples went there.
  if (run.output.file == stdout) run.stdoutClosed = true;
  end_output(run.output, checked);
}

void release_input(RunState& run) {
  if (run.input.file != nullptr && run.input.file != stdin) fclose(run.input.file);
  run.input.file = nullptr;
}
