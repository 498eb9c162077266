// Label file reading: opens the file, tells ESPS from SAM by the first line,
// and prints the segment that the file leaves in the start and end times.
#include "labels/label_file.h"

#include <array>
#include <cstdio>
#include <memory>

#include "core/stop.h"
#include "labels/label_lines.h"

bool read_label_line(InStream& in, std::string& line) {
  std::array<char, 200> lineBuffer{};
  if (fgets(lineBuffer.data(), 199, in.file) == nullptr) {
    check_read(in);
    line.clear();
    return false;
  }
  line = lineBuffer.data();
  return true;
}

void read_label_file(RunSettings& s, LabelState& labels) {
  const std::string& name = *s.labelFile;
  printf("Using label file %s\n", name.c_str());
  std::unique_ptr<FILE, int (*)(FILE*)> file(open_or_die(name, "r"), fclose);
  InStream in{file.get(), name, nullptr};

  std::string line;
  if (!read_label_line(in, line)) stop_with(1, "empty label file \n");
  if (verbose) printf("%s", line.c_str());
  if (line.starts_with("LHD:"))
    read_sam_labels(s, labels, in);
  else
    read_esps_labels(s, labels, in);

  file.reset();
  printf("%g %g %s\n", s.startTime, s.endTime, labels.espsLabel.c_str());
}
