// The label output file: a two-line ESPS label file with one record at the
// middle of the cut segment, measured from the start of the converted output.
#include <cstdio>

#include "core/stop.h"
#include "core/streams.h"
#include "labels/label_file.h"

void write_label_output_file(const RunSettings& s, const LabelState& labels, OutStream& out) {
  printf("creating label output file %s\n", out.name.c_str());
  const double middle = (s.endTime - s.startTime) / 2;
  write_text(out, "#\n");
  write_format(out, "%10.3g 2 %s\n", middle, labels.samLabelText ? labels.samLabelText->c_str() : "(null)");
}
