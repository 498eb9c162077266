// "-split": every labelled segment of the label file into its own output, each
// with its own header, in file order; names from a pattern; an optional manifest.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "core/interrupt.h"
#include "core/stop.h"
#include "driver/run.h"

namespace {

// One segment to cut: its label, the frames it spans and the file it goes to.
struct Cut {
  const LabelSegment* label;
  int64_t first;  // first frame
  int64_t end;    // frame after the last
  std::string name;
};

// The label as a piece of a file name: no blanks at its ends, and every '/',
// control byte and DEL written as '_' so the name stays in its folder.
std::string name_piece(const LabelSegment& segment) {
  std::string piece = segment_label(segment);
  for (char& c : piece)
    if (c == '/' || static_cast<unsigned char>(c) < 32 || c == 127) c = '_';
  return piece;
}

// The input's name without its folders and its final extension.
std::string input_base(const std::string& inname) {
  std::string base = inname.substr(inname.rfind('/') + 1);
  strip_extension(base);
  return base;
}

// %n the segment's number (four digits at least), %l its label, %b the input's
// base name, %% a '%'; anything else stands as it is.
std::string expand_pattern(const std::string& pattern, int number, const LabelSegment& segment,
                           const std::string& base) {
  std::string name;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] != '%' || (next != 'n' && next != 'l' && next != 'b' && next != '%')) {
      name += pattern[i];
      continue;
    }
    ++i;
    if (next == 'n') {
      char digits[16];
      snprintf(digits, sizeof digits, "%04d", number);
      name += digits;
    } else if (next == 'l') {
      name += name_piece(segment);
    } else if (next == 'b') {
      name += base;
    } else {
      name += '%';
    }
  }
  return name;
}

// The cuts of every segment, numbered from 1, each at least one sample long.
std::vector<Cut> plan_cuts(RunSettings& s, const LabelState& labels) {
  const std::string pattern = s.outname, base = input_base(s.inname);
  std::vector<Cut> cuts;
  for (const LabelSegment& segment : labels.segments) {
    if (!is_segment(segment)) continue;
    const int64_t first = segment.start > 0 ? nearest_sample(segment.start, s.rate) : 0;
    const int64_t end = nearest_sample(segment.end, s.rate);
    if (end - first < 1)
      stop_with(1, "Extracted segment has only length %lld\n",
                static_cast<long long>((end - first) * s.channels));
    s.outname = expand_pattern(pattern, static_cast<int>(cuts.size()) + 1, segment, base);
    derive_output_name(s);
    cuts.push_back({&segment, first, end, s.outname});
  }
  s.outname = pattern;
  return cuts;
}

// What cannot be cut is refused before any output exists: segments out of order
// or overlapping on an input that cannot be positioned, a start on a text input,
// names that are inputs or come out twice.
void refuse_unsplittable(const RunSettings& s, const RunState& run, const std::vector<Cut>& cuts) {
  const bool positionable = lseek(fileno(run.input.file), 0, SEEK_CUR) >= 0;
  int64_t reached = 0;
  std::vector<std::string> names;
  for (const Cut& cut : cuts) {
    if (!positionable && cut.first < reached)
      stop_with(1, "segments overlap; the input cannot be positioned\n");
    reached = cut.end;
    if (cut.first > 0 || s.skip_size != 0) refuse_unpositionable(s);
    if (s.outmode != MODE_NONE) names.push_back(cut.name);  // "-" writes no file at all
  }
  if (s.manifestFile) names.push_back(*s.manifestFile);
  refuse_output_names(s, run, names);
}

// Nothing left to read where the cut starts: the data or the file has ended.
bool input_exhausted(RunState& run) {
  const InputDescription& in = run.inputDescription;
  if (in.dataLength >= 0 && run.input.position >= in.dataStart + in.dataLength) return true;
  const int c = getc(run.input.file);
  if (c == EOF) {
    check_read(run.input);
    return true;
  }
  ungetc(c, run.input.file);
  return false;
}

// The manifest's line of a cut: file, label (control bytes as blanks), the
// label's times, and the cut in frames.
void write_manifest_line(OutStream& manifest, const Cut& cut, int64_t frames) {
  std::string label = segment_label(*cut.label);
  for (char& c : label)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  write_format(manifest, "%s\t%s\t%.6f\t%.6f\t%lld\t%lld\n", cut.name.c_str(), label.c_str(),
               cut.label->start, cut.label->end, static_cast<long long>(cut.first),
               static_cast<long long>(frames));
}

// One cut into its own output: positioned, with a header of its length, read
// no further than its end; returns the frames it took from the input.
int64_t cut_segment(RunSettings& s, Conversion& c, const Cut& cut) {
  RunState& run = c.run;
  s.outname = cut.name;
  s.length = (cut.end - cut.first) * s.channels;
  run.inputLeft = s.length;
  run.decimationCarry = 0;
  c.formats.alawHex = {};
  c.formats.assembler = {};
  open_outputs(s, run, c.labels);
  write_output_header(s, run, c.formats);
  run_block_loop(s, run, c.formats);
  check_interrupt();
  finish_outputs(s, run, c.formats, true);
  return (s.length - run.inputLeft) / s.channels;
}

}  // namespace

void run_split(RunSettings& s, Conversion& c) {
  RunState& run = c.run;
  const std::vector<Cut> cuts = plan_cuts(s, c.labels);
  refuse_unsplittable(s, run, cuts);
  OutStream manifest;
  if (s.manifestFile) {
    manifest = open_single_output(s, run, *s.manifestFile);
    write_text(manifest, "file\tlabel\tstart\tend\tfirst_frame\tframes\n");
  }
  const int64_t skip = s.skip_size;
  int64_t delivered = 0;
  for (const Cut& cut : cuts) {
    position_after_header(s, run, skip + cut.first * s.channels);
    if (input_exhausted(run)) {
      fflush(stdout);
      fprintf(stderr, "segment %s starts after the end of the input\n", cut.name.c_str());
      run.segmentsMissed = true;
      continue;
    }
    run.nsample = 0;
    const int64_t frames = cut_segment(s, c, cut);
    delivered += run.nsample;
    if (manifest.file != nullptr) write_manifest_line(manifest, cut, frames);
  }
  run.nsample = delivered;
  run.inputLeft = -1;
  if (manifest.file != nullptr) close_output(manifest);
}
