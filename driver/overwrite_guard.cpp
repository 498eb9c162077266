// No output over an input: every file the run will write is compared, by device
// and inode, with every regular file it reads, before anything is truncated.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "core/stop.h"
#include "driver/run.h"
#include "formats/registry.h"

namespace {

struct FileId {
  dev_t device;
  ino_t inode;
};

void add_file(std::vector<FileId>& files, const struct stat& status) {
  if (S_ISREG(status.st_mode)) files.push_back({status.st_dev, status.st_ino});
}

void add_named(std::vector<FileId>& files, const std::optional<std::string>& name) {
  struct stat status;
  if (name && stat(name->c_str(), &status) == 0) add_file(files, status);
}

// The input (standard input when it is a redirected file), the label file and
// the descriptions. The "-LI" file only counts against the sample outputs and
// "-lfo": "-LI name -L" writes the count back into it.
std::vector<FileId> files_read(const RunSettings& s, bool withLengthFile) {
  std::vector<FileId> files;
  struct stat status;
  if (s.inmode == MODE_STDIN_A) {
    if (fstat(STDIN_FILENO, &status) == 0) add_file(files, status);
  } else {
    add_named(files, s.inname);
  }
  add_named(files, s.labelFile);
  add_named(files, s.inDescFile);
  add_named(files, s.outDescFile);
  if (withLengthFile) add_named(files, s.lengthInFile);
  return files;
}

void refuse_if_read(const std::string& name, const std::vector<FileId>& inputs) {
  struct stat status;
  if (stat(name.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
  for (const FileId& input : inputs)
    if (input.device == status.st_dev && input.inode == status.st_ino) {
      fflush(stdout);
      fprintf(stderr, "%s: is also an input file\n", name.c_str());
      stop_run(1);
    }
}

// The sample output's name as it will be opened, once it can be known.
std::optional<std::string> sample_output_name(const RunSettings& s, bool namesFinal) {
  if (namesFinal) return s.outname;
  if (s.composeName) return std::nullopt;
  if (is_bare_extension(s.outname)) return name_from_input(s);
  return s.outname;
}

void refuse_sample_outputs(const RunSettings& s, bool namesFinal, const std::vector<FileId>& inputs) {
  if (s.outmode == MODE_NONE || s.outmode == MODE_STDOUT_A) return;
  const std::optional<std::string> name = sample_output_name(s, namesFinal);
  if (!name) return;
  if (s.outmode != MODE_MULTI_CHANNEL) return refuse_if_read(*name, inputs);
  for (int k = 0; k < s.channels; ++k) refuse_if_read(channel_file_name(*name, k), inputs);
}

}  // namespace

void refuse_inputs_as_outputs(const RunSettings& s, bool namesFinal) {
  const std::vector<FileId> inputs = files_read(s, true);
  refuse_sample_outputs(s, namesFinal, inputs);
  if (s.labelOutFile) refuse_if_read(*s.labelOutFile, inputs);
  if (s.lengthOnly && s.lengthFile) refuse_if_read(*s.lengthFile, files_read(s, false));
}
