// Praat TextGrids: the intervals of one interval tier, the one "-tier" names (a
// name, or a number counting every tier from 1) or else the first.
#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/stop.h"
#include "labels/label_lines.h"
#include "labels/textgrid_values.h"

namespace {

struct GridTier {
  std::string name;
  bool intervals = false;             // an IntervalTier; else a TextTier of points
  std::vector<LabelSegment> entries;  // the intervals
};

// A grid that does not hold the values its counts promise.
[[noreturn]] void grid_incomplete() { stop_with(1, "incomplete label file \n"); }

GridValue expect(GridScan& scan, GridValueKind kind) {
  GridValue value = next_grid_value(scan);
  if (value.kind != kind) grid_incomplete();
  return value;
}

double grid_number(GridScan& scan) { return expect(scan, GRID_NUMBER).number; }
std::string grid_text(GridScan& scan) { return expect(scan, GRID_TEXT).text; }

int64_t grid_count(GridScan& scan) {
  const double count = grid_number(scan);
  if (count < 0 || count > 1e15 || count != std::floor(count)) grid_incomplete();
  return static_cast<int64_t>(count);
}

// Class, name, xmin, xmax, count, then count intervals (xmin xmax text) or
// count points (time mark).
GridTier read_tier(GridScan& scan) {
  GridTier tier;
  const std::string kind = grid_text(scan);
  tier.intervals = kind == "IntervalTier";
  if (!tier.intervals && kind != "TextTier") grid_incomplete();
  tier.name = grid_text(scan);
  grid_number(scan);
  grid_number(scan);
  const int64_t count = grid_count(scan);
  for (int64_t k = 0; k < count; ++k) {
    LabelSegment entry;
    entry.start = grid_number(scan);
    entry.end = tier.intervals ? grid_number(scan) : entry.start;
    entry.text = grid_text(scan);
    if (tier.intervals) tier.entries.push_back(std::move(entry));
  }
  return tier;
}

// After "ooTextFile" and the object class "TextGrid": xmin, xmax, <exists> or
// <absent>, the tier count and the tiers. Another class holds no tiers.
std::vector<GridTier> read_tiers(GridScan& scan) {
  grid_text(scan);
  if (grid_text(scan) != "TextGrid") return {};
  grid_number(scan);
  grid_number(scan);
  if (expect(scan, GRID_FLAG).text != "exists") return {};
  const int64_t count = grid_count(scan);
  std::vector<GridTier> tiers;
  for (int64_t k = 0; k < count; ++k) tiers.push_back(read_tier(scan));
  return tiers;
}

// An interval tier of the name wins over the same text read as a number.
GridTier* chosen_tier(std::vector<GridTier>& tiers, const std::optional<std::string>& wanted) {
  for (GridTier& tier : tiers)
    if (tier.intervals && (!wanted || tier.name == *wanted)) return &tier;
  if (!wanted) return nullptr;
  size_t number = 0;
  const char* const end = wanted->data() + wanted->size();
  const auto [stop, error] = std::from_chars(wanted->data(), end, number);
  if (wanted->empty() || error != std::errc() || stop != end || number < 1 || number > tiers.size())
    return nullptr;
  GridTier& tier = tiers[number - 1];
  return tier.intervals ? &tier : nullptr;
}

}  // namespace

// Without "-tier" the message names the tier as an empty text.
void read_textgrid_labels(const RunSettings& s, LabelState& labels, std::string_view text) {
  GridScan scan{text};
  std::vector<GridTier> tiers = read_tiers(scan);
  GridTier* tier = chosen_tier(tiers, s.labelTier);
  if (tier == nullptr)
    stop_with(1, "no interval tier %s in %s\n", s.labelTier ? s.labelTier->c_str() : "",
              s.labelFile->c_str());
  labels.segments = std::move(tier->entries);
}
