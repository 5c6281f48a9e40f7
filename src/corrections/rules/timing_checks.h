// The timing checks over the rows' start and end time codes: overlaps (checked or repaired),
// rows shorter than half a second (counted, or stretched to half a second), the list of rows
// lasting exactly half a second and their extension to three quarters.
//
// Times are whole milliseconds: "exactly half a second" is 500 ms, an overlap repair adds
// 1 ms, an extension 250 ms. Each check writes its change-list entries and counts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corrections/rules/change_list.h"

namespace corrections {

// A row's start and end time codes; the checks change them in place.
struct TimedRow {
  std::string start;
  std::string end;
};

// The overlap window's options.
struct OverlapOptions {
  bool check_only = true;    // `RbCsak`; false: `RBV`, repair
  bool errors_only = false;  // `CBhiba`
  bool stretch = false;      // `CB5`: rows under half a second become half a second long
  bool statistics = true;    // `CBstat`: the short rows are counted (and only then stretched)
};

// The short-row statistics of the last check.
struct DurationStatistics {
  int non_positive = 0;   // NonPositiveDurationRows: duration <= 0
  int under_quarter = 0;  // UnderQuarterSecondRows: 0 < duration < 249 ms
  int under_half = 0;     // UnderHalfSecondRows: 249 ms < duration < 500 ms
};

struct OverlapResult {
  int overlaps = 0;      // p
  int errors = 0;        // q
  int stretched = 0;     // r
  bool changed = false;  // a time was written
  DurationStatistics statistics;
  ChangeList list;
};

inline constexpr int64_t kHalfSecondMs = 500;

// The overlap check over all rows in their order (rows are numbered from 1). A repair moves a
// start forward only, also past 24 hours; a start beyond the last time code stays as it is
// and is listed as the check alone lists it.
OverlapResult RunOverlapCheck(std::vector<TimedRow>& rows, const OverlapOptions& options);

// The duration check of row `index` (0-based): stretches it when asked and counts it.
void CheckShortDuration(std::vector<TimedRow>& rows, std::size_t index,
                        const OverlapOptions& options, OverlapResult& result);

// The rows lasting exactly half a second, as the "0.5 mp" list shows them; gives their count.
// The entries show the values of `shown` when given (the same rows as the table holds them).
int ListHalfSecondRows(const std::vector<TimedRow>& rows, ChangeList& list,
                       const std::vector<TimedRow>* shown = nullptr);

// Every half-second row except the last whose end can grow by 250 ms and stay before the next
// start grows; gives the count of rows extended.
int ExtendAllHalfSecondRows(std::vector<TimedRow>& rows, ChangeList& list);

}  // namespace corrections
