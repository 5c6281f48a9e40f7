// The film time table, the sync cursor and the overlay's state machine, without windows: a
// recording painter stands for the labels over the picture.
#include "film/sync/film_sync.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "film/sync/overlay_text.h"

namespace film {
namespace {

// Remembers which row is over the picture (0: none).
class RecordingPainter final : public OverlayPainter {
 public:
  explicit RecordingPainter(bool active = true) : active_(active) {}
  bool ShowRow(int row) override {
    if (!active_)
      return false;
    shown_row = row;
    return true;
  }
  void Hide() override { shown_row = 0; }
  void WipeFullScreen() override { ++wipes; }

  int shown_row = 0;
  int wipes = 0;

 private:
  bool active_;
};

// Three rows: a gap after the first, the second and third touching.
FilmTimeTable ThreeRows() {
  return FilmTimeTable::FromRows({{1000, 2000}, {3000, 4000}, {4000, 6000}});
}

TEST(FilmTick, OverlayFollowsTheFilmPosition) {
  struct Case {
    const char* name;
    std::vector<int64_t> positions;  // one tick each
    int shown_row;                   // over the picture after the last tick (0: none)
    int sync_row;
    bool shown;
    bool in_gap;
  };
  const std::vector<Case> cases = {
      {"before the first row", {500}, 0, 1, false, false},
      {"inside the first row", {1500}, 1, 1, true, false},
      {"a shown row stays shown at its end", {1500, 2000}, 1, 1, true, false},
      {"past the end a gap begins", {1500, 2001}, 0, 1, false, true},
      {"the gap ends at the next start", {1500, 2500, 3000}, 0, 2, false, false},
      {"the next row shows a tick later", {1500, 2500, 3000, 3100}, 2, 2, true, false},
      {"straight into the next row", {1500, 3500}, 2, 2, true, false},
      {"touching rows: the end still belongs to the row", {3500, 4000}, 2, 2, true, false},
      {"touching rows: then the next one", {3500, 4001}, 3, 3, true, false},
      {"a whole row passed within one tick", {1500, 4500}, 3, 3, true, false},
      {"the film went back", {3500, 1500}, 1, 1, true, false},
      {"a gap, then back into the row", {1500, 2500, 1800}, 1, 1, true, false},
      {"a gap, then back before the row", {1500, 2500, 500}, 0, 1, false, true},
      {"after the last row", {5000, 6001}, 0, 3, false, false},
      {"a jump far after every row", {7000}, 0, 1, false, false},
  };
  for (const Case& c : cases) {
    const FilmTimeTable table = ThreeRows();
    FilmSync sync;
    ResetCursor(sync, table);
    RecordingPainter painter;
    for (const int64_t t : c.positions)
      FilmTick(sync, table, t, painter);
    EXPECT_EQ(painter.shown_row, c.shown_row) << c.name;
    EXPECT_EQ(sync.row, c.sync_row) << c.name;
    EXPECT_EQ(sync.shown, c.shown) << c.name;
    EXPECT_EQ(sync.in_gap, c.in_gap) << c.name;
  }
}

TEST(FilmTick, AGapWipesTheFullScreenLines) {
  const FilmTimeTable table = ThreeRows();
  FilmSync sync;
  ResetCursor(sync, table);
  RecordingPainter painter;
  FilmTick(sync, table, 1500, painter);
  FilmTick(sync, table, 2500, painter);
  EXPECT_EQ(painter.wipes, 1);
}

TEST(FilmTick, NoRowsHideTheOverlayOnEveryTick) {
  const FilmTimeTable table;
  FilmSync sync;
  ResetCursor(sync, table);
  RecordingPainter painter;
  painter.shown_row = 7;
  FilmTick(sync, table, 0, painter);
  EXPECT_EQ(painter.shown_row, 0);
  FilmTick(sync, table, 1000, painter);
  EXPECT_EQ(painter.shown_row, 0);
  EXPECT_FALSE(sync.shown);
}

TEST(FilmTick, AnInactiveOverlayNeverCountsAsShown) {
  const FilmTimeTable table = ThreeRows();
  FilmSync sync;
  ResetCursor(sync, table);
  RecordingPainter painter(false);
  FilmTick(sync, table, 1500, painter);
  EXPECT_EQ(painter.shown_row, 0);
  EXPECT_FALSE(sync.shown);
}

// Subtitles of any length: the table is as long as the subtitle, the cursor reaches its end.
TEST(FilmTimeTable, SizedToTheRowsWithAnEntryAfterTheLast) {
  std::vector<RowSpan> rows;
  for (int64_t k = 0; k < 5000; ++k)
    rows.push_back({k * 1000, k * 1000 + 800});
  const FilmTimeTable table = FilmTimeTable::FromRows(rows);
  EXPECT_EQ(table.RowCount(), 5000);
  EXPECT_EQ(table.Row(0), (RowSpan{0, 0}));
  EXPECT_EQ(table.Row(1), (RowSpan{0, 800}));
  EXPECT_EQ(table.Row(5000), (RowSpan{4'999'000, 4'999'800}));
  EXPECT_EQ(table.Row(5001), (RowSpan{kAfterLastRowMs, kAfterLastRowMs}));
  EXPECT_EQ(table.Row(5002), (RowSpan{0, 0}));
  EXPECT_EQ(table.LastEnd(), 4'999'800);

  FilmSync sync;
  ResetCursor(sync, table);
  RecordingPainter painter;
  FilmTick(sync, table, 4'500'100, painter);
  EXPECT_EQ(painter.shown_row, 4501);
  FilmTick(sync, table, 4'999'500, painter);
  EXPECT_EQ(painter.shown_row, 5000);
  EXPECT_EQ(sync.next_start, kAfterLastRowMs);
  // The last row's end leads into a gap before the entry after it: hidden, never read past.
  FilmTick(sync, table, 4'999'900, painter);
  EXPECT_EQ(painter.shown_row, 0);
}

TEST(FilmSyncLocate, FindsTheRowAtOrAfterAPosition) {
  const FilmTimeTable table = ThreeRows();
  struct Case {
    int64_t t;
    int row;
  };
  for (const Case& c : std::vector<Case>{
           {0, 1}, {1000, 1}, {2000, 1}, {2500, 2}, {4000, 2}, {4001, 3}, {6000, 3}}) {
    FilmSync sync;
    ResetCursor(sync, table);
    FilmSyncLocate(sync, table, c.t);
    EXPECT_EQ(sync.row, c.row) << c.t;
    EXPECT_EQ(sync.cur_start, table.Start(c.row)) << c.t;
    EXPECT_EQ(sync.next_start, table.Start(c.row + 1)) << c.t;
  }
  // After every row nothing changes.
  FilmSync sync;
  LoadCursor(sync, table, 2);
  FilmSyncLocate(sync, table, 9000);
  EXPECT_EQ(sync.row, 2);
}

TEST(RowSpanOf, TimeCodesAndFrameNumbers) {
  const timecode::FrameRate pal{25, 1};
  const timecode::FrameRate film{23976, 1000};
  EXPECT_EQ(RowSpanOf("00:00:01,500", "00:01:00,000", true, pal), (RowSpan{1500, 60000}));
  EXPECT_EQ(RowSpanOf("", "hibás", true, pal), (RowSpan{0, 0}));
  // Frames are times at the rate, never read as time codes.
  EXPECT_EQ(RowSpanOf("25", "50", false, pal), (RowSpan{1000, 2000}));
  EXPECT_EQ(RowSpanOf("23976", "47952", false, film), (RowSpan{1'000'000, 2'000'000}));
  EXPECT_EQ(RowSpanOf("", "x1", false, pal), (RowSpan{0, 0}));
}

TEST(FilmTimeText, WholeMillisecondsTruncated) {
  struct Case {
    int64_t ms;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{3'725'500, "01:02:05,500"},
                                         {50, "00:00:00,050"},
                                         {5, "00:00:00,005"},
                                         {59'999, "00:00:59,999"},
                                         {0, "00:00:00,000"},
                                         {-40, "00:00:00,000"},
                                         {360'000'000, "00:00,000"}}) {
    EXPECT_EQ(FilmTimeText(c.ms), c.text) << c.ms;
  }
  EXPECT_EQ(FilmMillisText(12'345), "345");
  EXPECT_EQ(FilmDurationText("00:05", 5040), "00:00:05,040");
  EXPECT_EQ(FilmDurationText("01:00:00", 3'600'000), "01:00:00,000");
}

TEST(StartFromFilm, TenthOfASecondEarlierWhilePlayingNeverBelowZero) {
  EXPECT_EQ(StartFromFilmMs(5000, true), 4900);
  EXPECT_EQ(StartFromFilmMs(5000, false), 5000);
  EXPECT_EQ(StartFromFilmMs(50, true), 0);
  EXPECT_EQ(StartFromFilmMs(0, false), 0);
}

TEST(PositionLabel, TimeAndFrameBase) {
  EXPECT_EQ(PositionLabelText(true, 2040, "00:00:05,000", {25, 1}, "125"),
            "00:00:02,040 / 00:00:05,000");
  EXPECT_EQ(PositionLabelText(false, 2040, "00:00:05,000", {25, 1}, "125"), "51 / 125");
}

TEST(OverlayText, LinesAndItalicLabels) {
  struct Case {
    const char* text;
    std::array<std::string, 3> lines;
    std::array<OverlayLabel, 3> labels;
    int drawn;
  };
  const std::vector<Case> cases = {
      {"Egy", {"Egy", "", ""}, {{{"Egy", false}, {}, {}}}, 1},
      {"a|b|c|d", {"a", "b", "c"}, {{{"a", false}, {"b", false}, {"c", false}}}, 3},
      {"<i>a</i>|<i>b</i>", {"<i>a</i>", "<i>b</i>", ""}, {{{"a", true}, {"b", true}, {}}}, 2},
      {"<i>a|b</i>", {"<i>a", "b</i>", ""}, {{{"a", true}, {"b", true}, {}}}, 2},
      {"<i>a|b</i>|<i>c</i>",
       {"<i>a", "b</i>", "<i>c</i>"},
       {{{"a", true}, {"b", true}, {"<i>c</i>", false}}},
       3},
      {"|b", {"", "b", ""}, {{{}, {"b", false}, {}}}, 2},
      {"<i>a</i> x", {"<i>a</i> x", "", ""}, {{{"<i>a</i> x", false}, {}, {}}}, 1},
      {"", {"", "", ""}, {{{}, {}, {}}}, 0},
  };
  for (const Case& c : cases) {
    const OverlayText laid = LayOutOverlayText(c.text);
    EXPECT_EQ(laid.lines, c.lines) << c.text;
    EXPECT_EQ(laid.labels, c.labels) << c.text;
    EXPECT_EQ(laid.drawn_lines, c.drawn) << c.text;
  }
}

// The full-screen lines at their places: x = width / 2 - length x cw, y from the height, the
// number of lines and the layout; tags stay text.
TEST(OverlayText, FullScreenLinesStandWhereTheLayoutPutsThem) {
  struct Case {
    const char* text;
    const char* layout;
    int width;
    int height;
    std::vector<ScreenLine> lines;
  };
  const std::vector<Case> cases = {
      {"Egy", "1280x1024", 1280, 1024, {{"Egy", 640 - 33, 1024 - 35 - 100}}},
      {"<i>Kettő</i>", "1280x1024", 1280, 1024, {{"<i>Kettő</i>", 640 - 132, 1024 - 35 - 100}}},
      {"a|bb|ccc",
       "1280x1024",
       1280,
       1024,
       {{"a", 629, 1024 - 105 - 100}, {"bb", 618, 1024 - 105 - 60}, {"ccc", 607, 1024 - 105 - 25}}},
      {"a|bb", "1024x768", 1024, 768, {{"a", 505, 768 - 70 - 50}, {"bb", 498, 768 - 70 - 15}}},
      {"a|b|c|d",
       "800x600",
       801,
       600,
       {{"a", 393, 600 - 105 - 50}, {"b", 393, 600 - 105 - 15}, {"c", 393, 600 - 105 + 20}}},
      // An empty first line draws nothing, but counts for the places of the others.
      {"|b", "1280x1024", 1280, 1024, {{"b", 629, 1024 - 70 - 60}}},
      {"", "1280x1024", 1280, 1024, {}},
      // A long line starts left of the screen, as computed.
      {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
       "1280x1024",
       1280,
       1024,
       {{std::string(69, 'x'), 640 - 759, 1024 - 35 - 100}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FullScreenLines(LayOutOverlayText(c.text), c.layout, c.width, c.height), c.lines)
        << c.text << " " << c.layout;
  }
  EXPECT_EQ(FullScreenFontPoints("1280x1024"), 35);
  EXPECT_EQ(FullScreenFontPoints("1024x768"), 25);
  EXPECT_EQ(FullScreenFontPoints("800x600"), 15);
}

}  // namespace
}  // namespace film
