// ESPS label files: header lines up to one beginning with "#", then records of
// a time in seconds, an integer and a label word; each record ends a segment.
#include <cstdio>

#include "core/stop.h"
#include "labels/label_lines.h"

// Reads header lines until one that begins with "#" has been read.
static void skip_esps_header(InStream& in) {
  std::string line;
  do {
    if (!read_label_line(in, line)) stop_with(1, "incomplete label file \n");
    if (verbose) printf("%s", line.c_str());
  } while (!line.starts_with('#'));
}

// Drops everything up to and including the next line feed.
static void skip_rest_of_line(InStream& in) {
  int c;
  do c = getc(in.file);
  while (c != EOF && c != '\n');
  check_read(in);
}

// One record as the scan "%g %*i %s" reads it: EOF at the end of the file, 0
// when no time stands at the current place, otherwise 1 with the time (and the
// word, when the integer and a word followed; else the word is empty).
static int scan_esps_record(InStream& in, double& time, std::string& word) {
  word.clear();
  int afterInteger = -1;
  const int got = fscanf(in.file, "%lg %*i%n", &time, &afterInteger);
  check_read(in);
  if (got == 1 && afterInteger >= 0) read_token(in, word);
  return got;
}

void read_esps_labels(RunSettings& s, LabelState& labels, InStream& in) {
  printf("Assuming ESPS label file\n");
  skip_esps_header(in);
  double previous = 0;  // the first segment begins at 0
  for (;;) {
    double time = 0;
    std::string word;
    const int got = scan_esps_record(in, time, word);
    if (got == EOF) break;
    if (got == 0) {
      // Text where a time should be: the rest of a record that does not fit
      // (a label of several words, say) or no record at all.
      skip_rest_of_line(in);
      continue;
    }
    // A record without a word keeps the label of the one before, but its own
    // segment has no text.
    if (!word.empty()) labels.espsLabel = word;
    labels.segments.push_back({previous, time, word});
    previous = time;
    s.startTime = s.endTime;
    s.endTime = time;
    if (verbose) printf("%g %g %s\n", s.startTime, s.endTime, labels.espsLabel.c_str());
  }
}
