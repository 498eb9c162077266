// The one end of every output, however the run ends: flushed, cut back to its
// last whole value after a failure, MS-wav lengths made final, closed.
#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "driver/run.h"

// The end of the file's last whole line; the whole file when it cannot be read
// back. The output descriptor is write-only, so the file is opened anew.
static off_t end_of_last_line(int fd, off_t size) {
  const int reader = open(("/proc/self/fd/" + std::to_string(fd)).c_str(), O_RDONLY | O_CLOEXEC);
  if (reader < 0) return size;
  char piece[4096];
  off_t end = size;
  while (end > 0) {
    const off_t start = std::max<off_t>(0, end - static_cast<off_t>(sizeof piece));
    const auto length = static_cast<size_t>(end - start);
    if (pread(reader, piece, length, start) != static_cast<ssize_t>(length)) {
      end = size;
      break;
    }
    const auto* newline = static_cast<const char*>(memrchr(piece, '\n', length));
    if (newline != nullptr) {
      end = start + (newline - piece) + 1;
      break;
    }
    end = start;
  }
  close(reader);
  return end;
}

// A file keeps its header and whole values only; text ends with its last line.
static void cut_to_whole_values(FILE* file, const OutputUnits& units) {
  const int fd = fileno(file);
  struct stat status;
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return;
  const off_t size = status.st_size, header = units.headerBytes, value = units.valueBytes;
  off_t keep = size;
  if (value == 0)
    keep = end_of_last_line(fd, size);
  else if (size > header)
    keep = header + (size - header) / value * value;
  if (keep < size && ftruncate(fd, keep) != 0) {
    // The file stays as it was; the failure that led here is reported anyway.
  }
}

// Writes what the stream holds. After a failure (or when that write fails and
// the run is ending anyway) what could not be written is dropped and the file is
// cut back to whole values.
static void settle_stream(OutStream& out, const OutputUnits& units, bool checked) {
  if (out.file == nullptr) return;
  if (fflush(out.file) != 0 || ferror(out.file)) {
    if (checked) stop_on_write_error(out);
    __fpurge(out.file);
    clearerr(out.file);
  }
  if (!checked) cut_to_whole_values(out.file, units);
}

void finish_outputs(const RunSettings& s, RunState& run, const FormatStates& formats, bool checked) {
  const OutputUnits units = output_units(s, formats);
  for (OutStream& channel : run.channelStreams) {
    settle_stream(channel, units, checked);
    end_output(channel, checked);
  }
  if (run.output.file == nullptr) return;
  settle_stream(run.output, units, checked);
  finish_output_header(s, run, formats, checked);
  end_output(run.output, checked);
}
