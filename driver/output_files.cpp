// The outputs of a run, opened as one step: each is opened without truncation,
// compared by its open descriptor with the inputs, with the other outputs and
// with standard output, and truncated only when every check has passed.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/interrupt.h"
#include "core/stop.h"
#include "driver/run.h"
#include "driver/standard_output.h"
#include "formats/registry.h"

namespace {

struct FileId {
  dev_t device;
  ino_t inode;
  bool operator==(const FileId&) const = default;
};

std::optional<FileId> regular(const struct stat& status) {
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return FileId{status.st_dev, status.st_ino};
}

std::optional<FileId> id_of_descriptor(int fd) {
  struct stat status;
  return fstat(fd, &status) == 0 ? regular(status) : std::nullopt;
}

// Two descriptors of one file of any kind (a pipe, a terminal, a file).
bool same_file(int a, int b) {
  struct stat first, second;
  return fstat(a, &first) == 0 && fstat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

std::optional<FileId> id_of_name(const std::optional<std::string>& name) {
  struct stat status;
  return name && stat(name->c_str(), &status) == 0 ? regular(status) : std::nullopt;
}

// The regular files the run reads: the input (by its open stream once it is
// open, standard input included), the label file, the descriptions and, unless
// the count goes back into it, the "-LI" file.
std::vector<FileId> files_read(const RunSettings& s, const RunState& run, bool withLengthIn) {
  std::optional<FileId> ids[] = {run.input.file != nullptr  ? id_of_descriptor(fileno(run.input.file))
                                 : s.inmode == MODE_STDIN_A ? id_of_descriptor(STDIN_FILENO)
                                                            : id_of_name(s.inname),
                                 id_of_name(s.labelFile), id_of_name(s.inDescFile), id_of_name(s.outDescFile),
                                 withLengthIn ? id_of_name(s.lengthInFile) : std::nullopt};
  std::vector<FileId> files;
  for (const std::optional<FileId>& id : ids)
    if (id) files.push_back(*id);
  return files;
}

bool is_read(const std::optional<FileId>& id, const std::vector<FileId>& inputs) {
  for (const FileId& input : inputs)
    if (id == input) return true;
  return false;
}

[[noreturn]] void refuse(const std::string& name, const char* reason) {
  fflush(stdout);
  fprintf(stderr, "%s: %s\n", name.c_str(), reason);
  stop_run(1);
}

// One output of the step: its name as opened, its descriptor, whether this run
// created the file, and where its stream goes once the step has passed.
struct Pending {
  std::string name;
  OutStream* stream;
  int fd = -1;
  bool created = false;
  std::optional<FileId> id;
};

Pending pending(std::string name, OutStream* stream) {
  return {std::move(name), stream, -1, false, std::nullopt};
}

// Closes what the step opened and removes the files it created: a refused or
// failed step leaves every file as it found it.
struct PendingOutputs {
  std::vector<Pending> outputs;
  ~PendingOutputs() {
    for (Pending& out : outputs) {
      if (out.fd < 0) continue;
      close(out.fd);
      if (out.created) unlink(out.name.c_str());
    }
  }
};

// Opens without truncating, waiting like fopen for the reader of a FIFO; a
// signal meanwhile ends the run.
void open_untruncated(Pending& out) {
  for (;;) {
    out.fd = open(out.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    out.created = out.fd >= 0;
    if (out.fd < 0 && errno == EEXIST)
      out.fd = open(out.name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (out.fd >= 0) break;
    if (errno != EINTR) stop_on_errno(out.name);
    check_interrupt();
  }
  out.id = id_of_descriptor(out.fd);
}

// Every output against the inputs, against the outputs before it and against
// standard output; the sample output may be standard output itself.
void check_outputs(const std::vector<Pending>& outputs, const std::vector<FileId>& inputs,
                   const OutStream* sampleStream) {
  const std::optional<FileId> standard = id_of_descriptor(original_stdout());
  if (standard && is_read(standard, inputs)) refuse("stdout", "is also an input file");
  for (size_t k = 0; k < outputs.size(); ++k) {
    const Pending& out = outputs[k];
    if (!out.id) continue;
    if (is_read(out.id, inputs)) refuse(out.name, "is also an input file");
    for (size_t j = 0; j < k; ++j)
      if (outputs[j].id == out.id) refuse(out.name, "is also an output file");
    if (out.id == standard && out.stream != sampleStream) refuse(out.name, "is also an output file");
  }
}

// The "-LF" file is written at the end; a name that is one of the outputs or of
// the inputs (but the "-LI" file) is refused now, before any output exists.
void check_length_file(const RunSettings& s, const RunState& run, const std::vector<Pending>& outputs) {
  if (!s.lengthOnly || !s.lengthFile) return;
  const std::optional<FileId> id = id_of_name(s.lengthFile);
  if (!id) return;
  if (is_read(id, files_read(s, run, false))) refuse(*s.lengthFile, "is also an input file");
  for (const Pending& out : outputs)
    if (out.id == id) refuse(*s.lengthFile, "is also an output file");
}

constexpr size_t streamBufferSize = 1 << 16;

// The checked descriptor becomes the stream, emptied first when it is a file
// that was there before.
void make_stream(Pending& out, const char* mode) {
  if (!out.created && out.id && ftruncate(out.fd, 0) != 0) stop_on_errno(out.name);
  FILE* file = fdopen(out.fd, mode);
  if (file == nullptr) stop_on_errno(out.name);
  out.fd = -1;
  *out.stream = {file, out.name, std::make_unique<char[]>(streamBufferSize)};
  setvbuf(file, out.stream->buffer.get(), _IOFBF, streamBufferSize);
}

// The sample output's streams by the output mode: one file, one file per
// channel, standard output or nothing. A name that is standard output
// ("/dev/stdout") is not opened anew: by now it would lead to standard error.
void list_sample_outputs(const RunSettings& s, RunState& run, std::vector<Pending>& outputs) {
  const ModeTraits* traits = mode_traits(s.outmode);
  switch (traits != nullptr ? traits->output : Opening::refused) {
    case Opening::text:
    case Opening::binary:
    case Opening::described:
      if (!run.samplesOnStdout) outputs.push_back(pending(s.outname, &run.output));
      return;
    case Opening::channels:
      run.channelStreams.resize(static_cast<size_t>(s.channels));
      for (size_t k = 0; k < run.channelStreams.size(); ++k)
        outputs.push_back(pending(channel_file_name(s.outname, static_cast<int>(k)), &run.channelStreams[k]));
      return;
    case Opening::standard:
    case Opening::nothing: return;
    default: break;
  }
  stop_with(1, "sorry! output mode %s not implemented\n", FILE_MODE_NAME(s.outmode));
}

// Standard output as the sample stream: a descriptor of its own, so that the
// texts, now on standard error, and the samples never share a buffer.
void open_standard_output(RunState& run) {
  const int fd = dup(original_stdout());
  FILE* file = fd >= 0 ? fdopen(fd, "w") : nullptr;
  if (file == nullptr) {
    if (fd >= 0) close(fd);
    stop_on_errno("stdout");
  }
  run.output = {file, "stdout", std::make_unique<char[]>(streamBufferSize)};
  setvbuf(file, run.output.buffer.get(), _IOFBF, streamBufferSize);
}

}  // namespace

void refuse_output_names(const RunSettings& s, const RunState& run, const std::vector<std::string>& names) {
  const std::vector<FileId> inputs = files_read(s, run, true);
  std::vector<std::pair<std::string, std::optional<FileId>>> seen;
  for (const std::string& name : names) {
    const std::optional<FileId> id = id_of_name(name);
    if (is_read(id, inputs)) refuse(name, "is also an input file");
    const std::string normal = std::filesystem::absolute(name).lexically_normal().string();
    for (const auto& [other, otherId] : seen)
      if (other == normal || (id && id == otherId)) refuse(name, "is also an output file");
    seen.emplace_back(normal, id);
  }
}

void refuse_stdout_as_input(const RunSettings& s, const RunState& run) {
  const std::optional<FileId> standard = id_of_descriptor(original_stdout());
  if (standard && is_read(standard, files_read(s, run, true))) refuse("stdout", "is also an input file");
}

void open_outputs(RunSettings& s, RunState& run, const LabelState& labels) {
  PendingOutputs step;
  std::vector<Pending>& outputs = step.outputs;
  list_sample_outputs(s, run, outputs);
  OutStream labelOut;
  if (s.labelOutFile) outputs.push_back(pending(*s.labelOutFile, &labelOut));
  for (Pending& out : outputs) open_untruncated(out);
  check_outputs(outputs, files_read(s, run, true), &run.output);
  check_length_file(s, run, outputs);
  // A composed name can turn out to be standard output only now.
  if (!outputs.empty() && outputs[0].stream == &run.output && same_file(outputs[0].fd, original_stdout()))
    send_texts_to_stderr();

  s.writeMode = mode_traits(s.outmode)->output == Opening::standard ? MODE_ASCII : s.outmode;
  if (run.samplesOnStdout) open_standard_output(run);
  for (Pending& out : outputs) make_stream(out, "w");
  if (s.outmode == MODE_MULTI_CHANNEL) s.outname = outputs[run.channelStreams.size() - 1].name;
  if (s.labelOutFile) {
    write_label_output_file(s, labels, labelOut);
    close_output(labelOut);
  }
}

OutStream open_single_output(const RunSettings& s, const RunState& run, const std::string& name) {
  PendingOutputs step;
  step.outputs.push_back(pending(name, nullptr));
  Pending& out = step.outputs.back();
  open_untruncated(out);
  if (is_read(out.id, files_read(s, run, s.lengthFile != name))) refuse(out.name, "is also an input file");
  OutStream stream;
  out.stream = &stream;
  make_stream(out, "w");
  return stream;
}
