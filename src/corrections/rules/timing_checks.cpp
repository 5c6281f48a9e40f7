#include "corrections/rules/timing_checks.h"

#include "platform/text/text.h"
#include "timecode/timecode.h"

namespace corrections {

namespace {

int64_t Ms(const std::string& time_code) {
  return timecode::TimeCodeToMs(time_code);
}

std::string Span(const TimedRow& row) {
  return row.start + "-->" + row.end;
}

std::string RowNumberLine(std::size_t index) {
  return "Sor száma: " + text::IntToStr(static_cast<int64_t>(index) + 1);
}

void ReportOverlap(ChangeList& list, const std::vector<TimedRow>& rows, std::size_t index,
                   const std::string& previous, std::string_view kind, int& counter) {
  const std::string row = text::IntToStr(static_cast<int64_t>(index) + 1);
  const std::string before = text::IntToStr(static_cast<int64_t>(index));
  list.push_back("");
  list.push_back("Sor száma: " + before + "      Érték: " + previous);
  list.push_back("Sor száma: " + row + "      Érték: " + Span(rows[index]));
  if (kind == "egyenlo")
    list.push_back("Átfedés");
  else if (kind == "javitas")
    list.push_back("Javítás");
  else
    list.push_back("A " + row + ". sor kezdő értéke kisebb, mint az " + before +
                   ". sor befejező értéke!");
  ++counter;
}

void ReportTimeChange(ChangeList& list, const std::vector<TimedRow>& rows, std::size_t index,
                      const std::string& old, std::string_view what, int& counter) {
  list.push_back("");
  list.push_back(RowNumberLine(index));
  list.push_back("Miről:  Érték: " + old);
  list.push_back("Mire:   Érték: " + Span(rows[index]));
  list.push_back(std::string(what));
  ++counter;
}

}  // namespace

void CheckShortDuration(std::vector<TimedRow>& rows, std::size_t index,
                        const OverlapOptions& options, OverlapResult& result) {
  TimedRow& row = rows[index];
  const int64_t start = Ms(row.start);
  int64_t end = Ms(row.end);
  const int64_t duration = end - start;
  if (duration > 0 && duration < kHalfSecondMs && options.stretch && index + 1 < rows.size()) {
    const int64_t new_end = start + kHalfSecondMs;
    TimedRow& next = rows[index + 1];
    const int64_t next_start = Ms(next.start);
    if (new_end >= next_start)
      next.start = timecode::MsToTimeCode((new_end == next_start ? next_start : new_end) + 1);
    const std::string old = Span(row);
    row.end = timecode::MsToTimeCode(new_end);
    result.changed = true;
    ReportTimeChange(result.list, rows, index, old, "0,5 mp-re állítás", result.stretched);
    end = new_end;
  }
  const int64_t counted = end - start;
  if (counted <= 0)
    ++result.statistics.non_positive;
  else if (counted < 249)
    ++result.statistics.under_quarter;
  else if (counted > 249 && counted < kHalfSecondMs)
    ++result.statistics.under_half;
}

OverlapResult RunOverlapCheck(std::vector<TimedRow>& rows, const OverlapOptions& options) {
  OverlapResult result;
  if (rows.empty())
    return result;
  const int64_t first_end = Ms(rows[0].end);
  if (options.statistics)
    CheckShortDuration(rows, 0, options, result);
  std::string previous = Span(rows[0]);
  int64_t previous_end = first_end;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const int64_t start = Ms(rows[i].start);
    const int64_t end = Ms(rows[i].end);
    if (options.statistics)
      CheckShortDuration(rows, i, options, result);
    // A repaired start only ever moves forward, past 24 hours too, as far as a time code
    // goes; a start that cannot move is listed as the check lists it.
    auto repair = [&](int64_t new_start) {
      if (options.check_only || new_start > timecode::kMaxTimeCodeMs)
        return false;
      rows[i].start = timecode::MsToTimeCode(new_start);
      result.changed = true;
      ReportOverlap(result.list, rows, i, previous, "javitas", result.overlaps);
      return true;
    };
    if (start == previous_end) {
      if (!repair(start + 1)) {
        if (options.errors_only)
          ++result.overlaps;
        else
          ReportOverlap(result.list, rows, i, previous, "egyenlo", result.overlaps);
      }
    } else if (start < previous_end && end > start) {
      if (!repair(previous_end + 1))
        ReportOverlap(result.list, rows, i, previous, "kisebb", result.errors);
    } else if (start > previous_end && end < start) {
      ++result.overlaps;
      const std::string row = text::IntToStr(static_cast<int64_t>(i) + 1);
      result.list.push_back("");
      result.list.push_back("Sor száma: " + row + "      Érték: " + Span(rows[i]));
      result.list.push_back("A " + row + ". sor kezdő értéke nagyobb, mint a befejező értéke!");
    }
    previous = Span(rows[i]);
    previous_end = Ms(rows[i].end);
  }
  return result;
}

int ListHalfSecondRows(const std::vector<TimedRow>& rows, ChangeList& list,
                       const std::vector<TimedRow>* shown) {
  int count = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (Ms(rows[i].end) - Ms(rows[i].start) != kHalfSecondMs)
      continue;
    ++count;
    list.push_back("");
    list.push_back(RowNumberLine(i));
    list.push_back(Span(shown != nullptr && i < shown->size() ? (*shown)[i] : rows[i]));
    list.push_back("0,5 mp-es sor");
  }
  return count;
}

int ExtendAllHalfSecondRows(std::vector<TimedRow>& rows, ChangeList& list) {
  int count = 0;
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    const int64_t start = Ms(rows[i].start);
    const int64_t end = Ms(rows[i].end);
    const int64_t next_start = Ms(rows[i + 1].start);
    if (end - start != kHalfSecondMs || end + 250 >= next_start)
      continue;
    const std::string old = Span(rows[i]);
    rows[i].end = timecode::MsToTimeCode(end + 250);
    ReportTimeChange(list, rows, i, old, "0,75 mp-re állítás", count);
  }
  return count;
}

}  // namespace corrections
