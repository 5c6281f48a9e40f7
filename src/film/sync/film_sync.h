// The film time table, the film-sync cursor and the film timer's overlay state machine.
//
// Pure logic, no windows: the film module fills the table from the editor's rows and runs
// the tick against the player's position; an OverlayPainter stands for the labels over the
// picture. Every time is whole milliseconds; row numbers count from 1.
//
//   FilmTimeTable table = FilmTimeTable::FromRows(spans);
//   FilmSync sync;
//   ResetCursor(sync, table);
//   ...every 100 ms while the film plays:
//   FilmTick(sync, table, player.CurrentPosition(), painter);
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "timecode/timecode.h"

namespace film {

// A row's start and end as the film sees them.
struct RowSpan {
  int64_t start_ms = 0;
  int64_t end_ms = 0;
  bool operator==(const RowSpan&) const = default;
};

// The times of the entry after the last row: no film position reaches them.
inline constexpr int64_t kAfterLastRowMs = std::numeric_limits<int64_t>::max();

// The start and end of every row, sized to the row count, with an entry after the last row
// (its start and end both kAfterLastRowMs). Any other row number reads as 0 - 0.
class FilmTimeTable {
 public:
  FilmTimeTable() = default;
  static FilmTimeTable FromRows(std::vector<RowSpan> rows);

  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Row `row` (1..RowCount()); the entry after the last row for RowCount() + 1.
  RowSpan Row(int row) const;
  int64_t Start(int row) const { return Row(row).start_ms; }
  int64_t End(int row) const { return Row(row).end_ms; }
  // The end of the last row; 0 with no rows.
  int64_t LastEnd() const;

 private:
  std::vector<RowSpan> rows_;
};

// The times of a row's two values in the subtitle's time base: time codes in the Time base
// (an empty or malformed value is 0), frame numbers at `rate` in the Frame base (frames /
// rate; an empty or unreadable value is 0).
RowSpan RowSpanOf(std::string_view start, std::string_view end, bool time_base,
                  timecode::FrameRate rate);

// ---- The sync cursor ---------------------------------------------------------------------

struct FilmSync {
  int row = 1;  // the row the overlay stands at
  int64_t cur_start = 0;
  int64_t cur_end = 0;
  int64_t next_start = 0;
  int64_t next_end = 0;
  bool shown = false;   // a row's text is shown over the film
  bool in_gap = false;  // past the shown row's end, before the next row's start
  bool operator==(const FilmSync&) const = default;
};

// What the tick and the cursor moves do to the labels over the picture.
class OverlayPainter {
 public:
  virtual ~OverlayPainter() = default;
  // Shows row `row` over the film (the grid follows it). False when the overlay is not
  // active (nothing was shown): the row then does not count as shown.
  virtual bool ShowRow(int row) = 0;
  virtual void Hide() = 0;
  // A gap began while the picture fills the screen: the drawn lines go.
  virtual void WipeFullScreen() = 0;
};

// The cursor on `row`: its times and those of the row after it.
void LoadCursor(FilmSync& sync, const FilmTimeTable& table, int row);
// After a fill: row 1, nothing shown.
void ResetCursor(FilmSync& sync, const FilmTimeTable& table);
// The cursor's times read again from the table for its row (when that row still exists).
void ReloadCursor(FilmSync& sync, const FilmTimeTable& table);
// One row on; past the last row only the row number moves.
void FilmSyncNextRow(FilmSync& sync, const FilmTimeTable& table);
// The cursor onto the row at `t_ms`: row 1 when `t_ms` is at or before its start, else the
// first row that starts after `t_ms` or holds it. After every row nothing changes.
void FilmSyncLocate(FilmSync& sync, const FilmTimeTable& table, int64_t t_ms);
// Whether a jump hides the overlay before it locates the cursor.
enum class BeforeJump { kHideOverlay, kKeepOverlay };
// Whether a painted row counts as shown from then on, or leaves `shown` as it is.
enum class ShownMark { kMarkShown, kLeaveMark };

// A jump: the overlay hidden first when `before` says so, then the cursor located and its row
// shown (and marked) when it has begun.
void FilmSyncJump(FilmSync& sync, const FilmTimeTable& table, BeforeJump before, int64_t t_ms,
                  OverlayPainter& painter);
// Shows the cursor's row when `t_ms` lies in it, else jumps without hiding (play, and the
// first tick of a hidden overlay).
void ShowOrJump(FilmSync& sync, const FilmTimeTable& table, int64_t t_ms, OverlayPainter& painter);
// Paints row `row` and, with ShownMark::kMarkShown and when it was painted, counts it as shown.
void ShowOverlayRow(FilmSync& sync, int row, ShownMark mark, OverlayPainter& painter);

// The overlay step of the film timer's tick at film position `t_ms`, with the overlay
// active: hides, shows and moves the cursor by the overlay's state machine.
void FilmTick(FilmSync& sync, const FilmTimeTable& table, int64_t t_ms, OverlayPainter& painter);

// ---- Film time texts ---------------------------------------------------------------------

// "HH:MM:SS,mmm"; from 100 hours on the hour field is left out ("MM:SS,mmm"). Negative
// times count as 0.
std::string FilmTimeText(int64_t ms);
// The milliseconds of a time as three digits ("050").
std::string FilmMillisText(int64_t ms);
// A film's length: the player's length text ("MM:SS" gets "00:" in front) + "," + millis.
std::string FilmDurationText(std::string_view duration_string, int64_t duration_ms);
// The start taken from the film: the position, 100 ms earlier while the film plays, never
// below 0.
int64_t StartFromFilmMs(int64_t position_ms, bool playing);

// The position label: Time base "FilmTimeText(position) / duration text", Frame base
// "frames / frame count text".
std::string PositionLabelText(bool time_base, int64_t position_ms, std::string_view duration_text,
                              timecode::FrameRate rate, std::string_view frame_count_text);

}  // namespace film
