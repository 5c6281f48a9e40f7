#include "film/sync/film_sync.h"

#include <algorithm>
#include <utility>

#include "platform/text/text.h"

namespace film {

namespace {

std::string TwoDigits(int64_t value) {
  std::string out = text::IntToStr(value);
  return value < 10 ? "0" + out : out;
}

}  // namespace

FilmTimeTable FilmTimeTable::FromRows(std::vector<RowSpan> rows) {
  FilmTimeTable table;
  table.rows_ = std::move(rows);
  return table;
}

RowSpan FilmTimeTable::Row(int row) const {
  if (row >= 1 && row <= RowCount())
    return rows_[static_cast<std::size_t>(row - 1)];
  if (row == RowCount() + 1)
    return {kAfterLastRowMs, kAfterLastRowMs};
  return {};
}

int64_t FilmTimeTable::LastEnd() const {
  return rows_.empty() ? 0 : rows_.back().end_ms;
}

RowSpan RowSpanOf(std::string_view start, std::string_view end, bool time_base,
                  timecode::FrameRate rate) {
  if (time_base)
    return {timecode::TimeCodeToMs(start), timecode::TimeCodeToMs(end)};
  const auto frames_ms = [rate](std::string_view value) -> int64_t {
    const std::optional<int64_t> frames = timecode::ParseFrameNumber(value);
    return frames ? timecode::FramesToMs(*frames, rate) : 0;
  };
  return {frames_ms(start), frames_ms(end)};
}

void LoadCursor(FilmSync& sync, const FilmTimeTable& table, int row) {
  sync.row = row;
  sync.cur_start = table.Start(row);
  sync.cur_end = table.End(row);
  sync.next_start = table.Start(row + 1);
  sync.next_end = table.End(row + 1);
}

void ResetCursor(FilmSync& sync, const FilmTimeTable& table) {
  LoadCursor(sync, table, 1);
  sync.shown = false;
  sync.in_gap = false;
}

void ReloadCursor(FilmSync& sync, const FilmTimeTable& table) {
  if (sync.row >= 1 && sync.row <= table.RowCount())
    LoadCursor(sync, table, sync.row);
}

void FilmSyncNextRow(FilmSync& sync, const FilmTimeTable& table) {
  ++sync.row;
  if (sync.row <= table.RowCount())
    LoadCursor(sync, table, sync.row);
}

void FilmSyncLocate(FilmSync& sync, const FilmTimeTable& table, int64_t t_ms) {
  if (table.Start(1) >= t_ms) {
    LoadCursor(sync, table, 1);
    return;
  }
  for (int i = 1; i <= table.RowCount(); ++i) {
    const RowSpan span = table.Row(i);
    if (span.start_ms > t_ms || (span.start_ms <= t_ms && t_ms <= span.end_ms)) {
      LoadCursor(sync, table, i);
      return;
    }
  }
}

void ShowOverlayRow(FilmSync& sync, int row, ShownMark mark, OverlayPainter& painter) {
  if (painter.ShowRow(row) && mark == ShownMark::kMarkShown)
    sync.shown = true;
}

void FilmSyncJump(FilmSync& sync, const FilmTimeTable& table, BeforeJump before, int64_t t_ms,
                  OverlayPainter& painter) {
  if (before == BeforeJump::kHideOverlay) {
    sync.shown = false;
    painter.Hide();
  }
  FilmSyncLocate(sync, table, t_ms);
  if (sync.cur_start <= t_ms)
    ShowOverlayRow(sync, sync.row, ShownMark::kMarkShown, painter);
}

void ShowOrJump(FilmSync& sync, const FilmTimeTable& table, int64_t t_ms, OverlayPainter& painter) {
  if (sync.cur_start <= t_ms && t_ms < sync.cur_end)
    ShowOverlayRow(sync, sync.row, ShownMark::kMarkShown, painter);
  else
    FilmSyncJump(sync, table, BeforeJump::kKeepOverlay, t_ms, painter);
}

void FilmTick(FilmSync& sync, const FilmTimeTable& table, int64_t t, OverlayPainter& painter) {
  const int rows = table.RowCount();
  if (sync.row > rows || t > table.LastEnd()) {
    sync.in_gap = false;
    sync.shown = false;
    painter.Hide();
    return;
  }
  if (!sync.in_gap) {
    if (!sync.shown) {
      ShowOrJump(sync, table, t, painter);
    } else if (t <= sync.cur_end) {
      if (t < sync.cur_start)  // the film went back
        FilmSyncJump(sync, table, BeforeJump::kHideOverlay, t, painter);
    } else if (t < sync.next_start) {  // a gap begins
      sync.in_gap = true;
      painter.Hide();
      sync.shown = false;
      painter.WipeFullScreen();
    } else if (t <= sync.next_end) {
      FilmSyncNextRow(sync, table);
      if (sync.row > rows)
        painter.Hide();
      else
        ShowOverlayRow(sync, sync.row, ShownMark::kLeaveMark, painter);
      sync.in_gap = false;
    } else {
      FilmSyncJump(sync, table, BeforeJump::kHideOverlay, t, painter);
    }
    return;
  }
  if (t >= sync.next_start) {
    sync.in_gap = false;
    FilmSyncNextRow(sync, table);  // the row is shown on a later tick
  } else if (t < sync.cur_start) {
    FilmSyncJump(sync, table, BeforeJump::kHideOverlay, t, painter);
  } else if (t <= sync.cur_end) {
    sync.in_gap = false;
    ShowOverlayRow(sync, sync.row, ShownMark::kMarkShown, painter);
  }
}

std::string FilmTimeText(int64_t ms) {
  ms = std::max<int64_t>(ms, 0);
  const int64_t seconds = ms / 1000;
  const int64_t hours = seconds / 3600;
  std::string out;
  if (hours < 100)
    out = TwoDigits(hours) + ":";
  out += TwoDigits(seconds % 3600 / 60) + ":" + TwoDigits(seconds % 60) + "," + FilmMillisText(ms);
  return out;
}

std::string FilmMillisText(int64_t ms) {
  const int64_t millis = std::max<int64_t>(ms, 0) % 1000;
  std::string out = text::IntToStr(millis);
  return std::string(3 - out.size(), '0') + out;
}

std::string FilmDurationText(std::string_view duration_string, int64_t duration_ms) {
  std::string out(duration_string);
  if (out.size() == 5)
    out = "00:" + out;
  return out + "," + FilmMillisText(duration_ms);
}

int64_t StartFromFilmMs(int64_t position_ms, bool playing) {
  return std::max<int64_t>(0, playing ? position_ms - 100 : position_ms);
}

std::string PositionLabelText(bool time_base, int64_t position_ms, std::string_view duration_text,
                              timecode::FrameRate rate, std::string_view frame_count_text) {
  if (time_base)
    return FilmTimeText(position_ms) + " / " + std::string(duration_text);
  return text::IntToStr(timecode::MsToFrames(position_ms, rate)) + " / " +
         std::string(frame_count_text);
}

}  // namespace film
