// The film in the editor window, against the scripted fake player: opening, the film timer's
// overlay over the picture, the time table following every kind of row change, times taken
// from the film, the layout switch, closing.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "editor/reszletes.h"
#include "film/film_rig.h"
#include "film/film_screen.h"

namespace film {
namespace {

namespace field = dataset::subtitle_field;
using testing::FilmRig;
using testing::Row;

const std::vector<Row> kRows = {
    {"00:00:01,000", "00:00:02,000", "Egy"},
    {"00:00:03,000", "00:00:04,000", "<i>Kettő</i>"},
    {"00:00:04,000", "00:00:06,000", "a|b|c|d"},
    {"00:00:08,000", "00:00:09,000", ""},
};

TEST(FilmWindow, OpeningAFilmOverASubtitleShowsItsButtonsAndPlays) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  EXPECT_EQ(rig.fake->URL(), rig.film_path);
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPlaying);
  EXPECT_TRUE(f.wmp1.Visible());
  EXPECT_TRUE(f.Filminfo.Enabled());
  EXPECT_TRUE(f.Fbezar.Enabled());
  EXPECT_TRUE(f.Feliratshow.Enabled());
  EXPECT_TRUE(f.Timer2.Enabled());
  EXPECT_TRUE(f.SBSub.Visible());
  EXPECT_TRUE(f.SBpause.Visible());
  EXPECT_TRUE(f.SBkezdo.Visible());
  EXPECT_FALSE(rig.program->AviKi->Visible());
  EXPECT_EQ(rig.film->Facts().fps_text, "25");
  EXPECT_EQ(rig.film->TimeTable().RowCount(), 4);
  EXPECT_TRUE(rig.Messages().empty());

  rig.TickAt(1500);
  EXPECT_EQ(f.IdoFrame.Caption(), "00:00:01,500 / 00:00:20,000");
  EXPECT_EQ(rig.film->Facts().frame_count_text, "500");
}

TEST(FilmWindow, OpeningAFilmWithoutASubtitleHidesTheFilmButtons) {
  FilmRig rig;
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  EXPECT_TRUE(f.Filminfo.Enabled());
  EXPECT_FALSE(f.Feliratshow.Enabled());
  EXPECT_FALSE(f.SBSub.Visible());
  EXPECT_FALSE(f.SBkezdo.Visible());
  rig.TickAt(2000);
  // No subtitle yet: the editor stands in the Frame base.
  EXPECT_EQ(f.IdoFrame.Caption(), "50 / 500");
}

TEST(FilmWindow, TheSameFilmAgainIsRefused) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  rig.AnswerOk();
  rig.driver.OnModal("AviKi", [&rig] {
    rig.driver.ClickItem(rig.program->AviKi->filelistbox2, rig.IndexOfFile("film.avi"));
    rig.driver.Click(rig.program->AviKi->BopenFilm);
    rig.driver.Click(rig.program->AviKi->Button1);
  });
  rig.driver.Click(rig.editor().Bfilm);
  EXPECT_EQ(rig.Messages(),
            (std::vector<std::string>{"message: Film megnyitása | Ez a film be van töltve | "
                                      "Válasszon másikat!"}));
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPlaying);
}

TEST(FilmWindow, AFilmThatCannotBeOpenedTakesTheCodecMessage) {
  for (const bool times_out : {false, true}) {
    FilmRig rig;
    rig.LoadRows(kRows);
    rig.AnswerOk();
    if (times_out) {
      // The film never finishes opening: the wait ends at its limit.
      rig.fake->AddFilm(rig.folder / "rossz.avi", {.duration_ms = 1000});
      rig.fake->SetOpeningPolls(1'000'000);
    }
    rig.OpenFilm("rossz.avi");
    editor::TFelirat& f = rig.editor();
    EXPECT_EQ(rig.Messages(),
              (std::vector<std::string>{"message: Információ | A filmet nem tudom lejátszani! | "
                                        "Lehet, hogy nincs fent a hozzá való kodek!"}))
        << times_out;
    EXPECT_TRUE(rig.fake->URL().empty()) << times_out;
    EXPECT_FALSE(f.Filminfo.Enabled()) << times_out;
    EXPECT_FALSE(f.SBSub.Visible()) << times_out;
    EXPECT_FALSE(f.SBkezdo.Visible()) << times_out;
    EXPECT_FALSE(f.Timer2.Enabled()) << times_out;
    EXPECT_FALSE(rig.program->AviKi->Visible()) << times_out;
  }
}

// While the film opens the editor (and the open window over it) is painted on every round of
// the wait.
TEST(FilmWindow, TheWindowsArePaintedWhileAFilmOpens) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.fake->SetOpeningPolls(6);
  editor::TFelirat& f = rig.editor();
  const int editor_before = rig.driver.Backend().RepaintCount(f);
  int avi_during = -1;
  rig.driver.OnModal("AviKi", [&] {
    const int avi_before = rig.driver.Backend().RepaintCount(*rig.program->AviKi);
    rig.driver.ClickItem(rig.program->AviKi->filelistbox2, rig.IndexOfFile("film.avi"));
    rig.driver.Click(rig.program->AviKi->BopenFilm);
    avi_during = rig.driver.Backend().RepaintCount(*rig.program->AviKi) - avi_before;
  });
  rig.program->AviKi->DirectoryListBox2.SetDirectory(rig.folder.path());
  rig.driver.Click(f.Bfilm);
  EXPECT_GE(rig.driver.Backend().RepaintCount(f) - editor_before, 5);
  EXPECT_GE(avi_during, 5);
  EXPECT_EQ(rig.fake->GetOpenState(), media::OpenState::kOpen);
}

// The film timer's tick: position -> what is over the picture, the grid's row, the label.
TEST(FilmWindow, TheTickShowsTheRowUnderTheFilm) {
  struct Step {
    std::int64_t position;
    bool shown;
    std::string line1;
    bool italic;
    std::string line3;
    int grid_row;
  };
  const std::vector<Step> steps = {
      {500, false, "", false, "", 1},
      {1500, true, "Egy", false, "", 1},
      {2500, false, "", false, "", 1},
      {3000, false, "", false, "", 1},
      {3100, true, "Kettő", true, "", 2},
      {4500, true, "a", false, "c", 3},
      {7000, false, "", false, "", 3},
      // The gap ends at the next start; the row (its text empty) shows a tick later.
      {8500, false, "", false, "", 3},
      {8600, false, "", false, "", 4},
      {9500, false, "", false, "", 4},
      {1200, true, "Egy", false, "", 1},
  };
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  for (const Step& step : steps) {
    rig.TickAt(step.position);
    EXPECT_EQ(f.st1.Visible(), step.shown) << step.position;
    if (step.shown) {
      EXPECT_EQ(f.st1.Caption(), step.line1) << step.position;
      EXPECT_EQ(f.st1.GetFont().italic, step.italic) << step.position;
      EXPECT_EQ(f.st3.Visible(), !step.line3.empty()) << step.position;
      if (!step.line3.empty()) {
        EXPECT_EQ(f.st3.Caption(), step.line3) << step.position;
      }
      // The player's text layer over the picture holds the same lines.
      ASSERT_FALSE(rig.fake->OverlayText().empty()) << step.position;
      EXPECT_EQ(rig.fake->OverlayText()[0].text, step.line1) << step.position;
    } else {
      EXPECT_TRUE(rig.fake->OverlayText().empty()) << step.position;
    }
    EXPECT_EQ(f.cds.RecNo(), step.grid_row) << step.position;
  }
}

using Line = media::MediaPlayer::OverlayLine;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGreen = 0x008000;

// Hungarian letters and a few others of the code page, as the row holds them.
const std::string kLetters = "őűŐŰ";
const std::string kOthers = "šž „idéz” – jó";

// The whole way of the windowed text: the row's text -> the labels `st1`-`st3` at the tops and
// font sizes of the layout -> the player's text layer at the labels' places, in their font, one
// copy only, inside the picture above its bottom (where the player's own controls appear) ->
// the letters the picture is drawn with.
TEST(FilmWindow, TheWindowedLinesStandWhereTheLabelsStandInEveryLayout) {
  struct Case {
    editor::Layout layout;
    std::string word;
    std::array<int, 3> tops;
    int font_pixels;
  };
  const std::vector<Case> cases = {
      {editor::Layout::k1280, "1280x1024", {352, 373, 395}, 13},
      {editor::Layout::k1024, "1024x768", {176, 189, 203}, 11},
      {editor::Layout::k800, "800x600", {200, 213, 227}, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    FilmRig rig;
    rig.LoadRows({{"00:00:01,000", "00:00:09,000", kLetters + "|" + kOthers + "|<i>c</i>"}});
    rig.OpenFilm();
    editor::TFelirat& f = rig.editor();
    rig.program->state.ScreenLayout = c.word;
    f.LayoutFor(c.layout, editor::LayoutShow::kIgen, true);
    rig.TickAt(1500);

    const std::array<ui::Label*, 3> labels = {&f.st1, &f.st2, &f.st3};
    const std::array<std::string, 3> texts = {kLetters, kOthers, "<i>c</i>"};
    std::vector<Line> expected;
    for (std::size_t k = 0; k < 3; ++k) {
      const ui::Label& label = *labels[k];
      EXPECT_TRUE(label.Visible()) << k;
      EXPECT_EQ(label.Caption(), texts[k]) << k;
      EXPECT_EQ(label.Top(), c.tops[k]) << k;
      EXPECT_EQ(label.GetFont().size, c.font_pixels) << k;
      // Centred over the player by the text's width.
      EXPECT_EQ(label.Left(), f.wmp1.Left() + (f.wmp1.Width() - label.Width()) / 2) << k;
      expected.push_back({texts[k], label.Left() - f.wmp1.Left(), c.tops[k] - f.wmp1.Top(),
                          c.font_pixels, label.GetFont().name, false, kWhite});
    }
    EXPECT_EQ(rig.fake->OverlayText(), expected);
    EXPECT_EQ(rig.fake->OverlayCanvas(),
              (media::MediaPlayer::Canvas{f.wmp1.Width(), f.wmp1.Height()}));
    // Over the picture, and clear of its bottom eighth, where the player's control bar shows.
    for (const Line& line : rig.fake->OverlayText()) {
      EXPECT_GE(line.left, 0) << line.text;
      EXPECT_GE(line.top, 0) << line.text;
      EXPECT_LE(line.top + line.font_size, f.wmp1.Height() * 7 / 8) << line.text;
    }
    // The picture gets the same letters in its own encoding.
    const std::string events = media::OverlayEvents(rig.fake->OverlayText());
    EXPECT_NE(events.find("\xC5\x91\xC5\xB1\xC5\x90\xC5\xB0"), std::string::npos) << events;
    EXPECT_NE(
        events.find("\xC5\xA1\xC5\xBE \xE2\x80\x9Eid\xC3\xA9z\xE2\x80\x9D \xE2\x80\x93 j\xC3\xB3"),
        std::string::npos)
        << events;
  }
}

// The film into the full-screen window by the player's own means and back by each way out:
// the drawn lines (tags kept) at the computed places on the screen, never in the window.
TEST(FilmWindow, FullScreenAndBack) {
  enum class Way { kPlayer, kEscape, kDoubleClick };
  for (const Way way : {Way::kPlayer, Way::kEscape, Way::kDoubleClick}) {
    SCOPED_TRACE(static_cast<int>(way));
    FilmRig rig;
    rig.LoadRows(kRows);
    rig.OpenFilm();
    editor::TFelirat& f = rig.editor();
    rig.TickAt(3500);
    ASSERT_EQ(rig.fake->OverlayText().size(), 1u);
    EXPECT_EQ(rig.fake->OverlayText()[0].color, kWhite);
    TFilmScreen* screen = rig.film->FullScreenWindow();
    ASSERT_NE(screen, nullptr);
    bool was_full = false;
    rig.driver.OnModal("FilmFullScreen", [&] {
      was_full = true;
      EXPECT_TRUE(rig.fake->FullScreen());
      EXPECT_TRUE(rig.film->InFullScreen());
      EXPECT_EQ(screen->Width(), 1280);
      EXPECT_EQ(screen->Height(), 1024);
      EXPECT_EQ(screen->kep.Width(), 1280);
      // The row already shown is drawn at once, as it stands.
      EXPECT_EQ(rig.fake->OverlayText(),
                (std::vector<Line>{
                    {"<i>Kettő</i>", 640 - 12 * 11, 1024 - 35 - 100, 47, "Arial", false, kGreen}}));
      EXPECT_EQ(rig.fake->OverlayCanvas(), (media::MediaPlayer::Canvas{1280, 1024}));
      // The film timer goes on: the next row, three lines.
      rig.TickAt(4500);
      EXPECT_EQ(rig.fake->OverlayText(),
                (std::vector<Line>{{"a", 629, 1024 - 105 - 100, 47, "Arial", false, kGreen},
                                   {"b", 629, 1024 - 105 - 60, 47, "Arial", false, kGreen},
                                   {"c", 629, 1024 - 105 - 25, 47, "Arial", false, kGreen}}));
      EXPECT_EQ(f.cds.RecNo(), 3);
      // A gap wipes the drawn lines.
      rig.TickAt(7000);
      EXPECT_TRUE(rig.fake->OverlayText().empty());
      rig.TickAt(3500);
      ASSERT_EQ(rig.fake->OverlayText().size(), 1u);
      // The editor's keys wait: Escape here is not the editor's exit.
      switch (way) {
        case Way::kPlayer:
          rig.fake->AskFullScreen(false);
          rig.driver.Advance(100);
          break;
        case Way::kEscape:
          rig.driver.Press(ui::keys::kEscape);
          break;
        case Way::kDoubleClick:
          rig.driver.DoubleClick(screen->kep);
          break;
      }
    });
    rig.fake->AskFullScreen(true);
    rig.driver.Advance(100);
    EXPECT_TRUE(was_full);
    EXPECT_FALSE(rig.fake->FullScreen());
    EXPECT_FALSE(rig.film->InFullScreen());
    EXPECT_TRUE(rig.Messages().empty());
    // In the window again: the windowed line only, and the keys reach the grid.
    ASSERT_EQ(rig.fake->OverlayText().size(), 1u);
    EXPECT_EQ(rig.fake->OverlayText()[0].text, "Kettő");
    EXPECT_TRUE(rig.fake->OverlayText()[0].italic);
    EXPECT_EQ(rig.fake->OverlayText()[0].color, kWhite);
    EXPECT_EQ(rig.program->app.ActiveForm(), &f);
    rig.driver.Focus(f.racs);
    rig.driver.Press(ui::keys::kDown);
    EXPECT_EQ(f.cds.RecNo(), 3);
  }
}

// A double click on the picture asks for the full screen too; without a film it does nothing.
TEST(FilmWindow, ADoubleClickOnThePictureEntersFullScreen) {
  FilmRig rig;
  rig.LoadRows(kRows);
  editor::TFelirat& f = rig.editor();
  f.ShowFilmArea(editor::Layout::k1280);
  rig.driver.DoubleClick(f.wmp1);
  rig.driver.Advance(100);
  EXPECT_FALSE(rig.fake->FullScreen());
  rig.OpenFilm();
  bool was_full = false;
  rig.driver.OnModal("FilmFullScreen", [&] {
    was_full = rig.fake->FullScreen();
    rig.driver.Press(ui::keys::kEscape);
  });
  rig.driver.DoubleClick(f.wmp1);
  rig.driver.Advance(100);
  EXPECT_TRUE(was_full);
  EXPECT_FALSE(rig.fake->FullScreen());
  EXPECT_TRUE(f.Visible());
}

TEST(FilmWindow, AnOverlayRowOutsideTheRowsDoesNothing) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.TickAt(1500);
  for (const int row : {0, -1, 5, 2001}) {
    EXPECT_FALSE(rig.film->PaintOverlayRow(row)) << row;
    EXPECT_EQ(f.st1.Caption(), "Egy") << row;
    EXPECT_EQ(f.cds.RecNo(), 1) << row;
  }
}

TEST(FilmWindow, TheUserHidesAndShowsTheOverlay) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.TickAt(1500);
  ASSERT_TRUE(f.st1.Visible());
  rig.driver.Click(f.SBSub);
  EXPECT_FALSE(f.st1.Visible());
  EXPECT_TRUE(f.SBNonSub.Visible());
  EXPECT_FALSE(f.Feliratshow.Checked());
  rig.TickAt(3500);
  EXPECT_FALSE(f.st1.Visible());
  EXPECT_EQ(f.cds.RecNo(), 1);  // the grid stays where the user is
  f.FeliratshowClick();
  EXPECT_TRUE(f.SBSub.Visible());
  rig.TickAt(3600);
  EXPECT_TRUE(f.st1.Visible());
  EXPECT_EQ(f.cds.RecNo(), 2);
}

// Whatever changes the rows, the next tick works on the rows as they are now.
TEST(FilmWindow, TheTimeTableFollowsEveryKindOfRowChange) {
  struct Case {
    const char* name;
    std::function<void(FilmRig&)> change;
    std::vector<RowSpan> expected;
  };
  const auto set_start = [](FilmRig& rig, int row, const char* value) {
    rig.rows().SetRecNo(row);
    rig.rows().Edit();
    rig.rows().SetValue(field::kKezdes, value);
    rig.rows().Post();
  };
  const std::vector<Case> cases = {
      {"a start written",
       [&](FilmRig& rig) { set_start(rig, 2, "00:00:02,500"); },
       {{1000, 2000}, {2500, 4000}, {4000, 6000}, {8000, 9000}}},
      {"a row deleted",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(1);
         rig.rows().Delete();
       },
       {{3000, 4000}, {4000, 6000}, {8000, 9000}}},
      {"a row inserted",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(2);
         rig.rows().Insert();
         rig.rows().SetValue(field::kKezdes, "00:00:02,200");
         rig.rows().SetValue(field::kBefejezes, "00:00:02,800");
         rig.rows().Post();
       },
       {{1000, 2000}, {2200, 2800}, {3000, 4000}, {4000, 6000}, {8000, 9000}}},
      {"a row appended",
       [](FilmRig& rig) {
         rig.rows().Append();
         rig.rows().SetValue(field::kKezdes, "00:00:10,000");
         rig.rows().Post();
       },
       {{1000, 2000}, {3000, 4000}, {4000, 6000}, {8000, 9000}, {10000, 0}}},
      {"a pass over all rows with the grid's updates off",
       [](FilmRig& rig) {
         dataset::RowTable& t = rig.rows();
         t.DisableControls();
         for (t.First(); !t.Eof(); t.Next()) {
           t.Edit();
           t.SetValue(field::kBefejezes, "00:00:10,000");
           t.Post();
         }
         t.Last();
         t.Delete();
         t.EnableControls();
       },
       {{1000, 10000}, {3000, 10000}, {4000, 10000}}},
      {"every row gone",
       [](FilmRig& rig) {
         rig.rows().DisableControls();
         rig.rows().EmptyDataSet();
         rig.rows().EnableControls();
       },
       {}},
      {"the Frame base at the film's rate",
       [](FilmRig& rig) {
         editor::TFelirat& f = rig.editor();
         f.beosztas.SetItemIndex(f.beosztas.IndexOf("Frame"));
         dataset::RowTable& t = rig.rows();
         t.DisableControls();
         for (t.First(); !t.Eof(); t.Next()) {
           t.Edit();
           t.SetValue(field::kKezdes, "50");
           t.SetValue(field::kBefejezes, "75");
           t.Post();
         }
         t.EnableControls();
       },
       {{2000, 3000}, {2000, 3000}, {2000, 3000}, {2000, 3000}}},
  };
  for (const Case& c : cases) {
    FilmRig rig;
    rig.LoadRows(kRows);
    rig.OpenFilm();
    rig.TickAt(1500);
    c.change(rig);
    rig.TickAt(1600);
    const FilmTimeTable& table = rig.film->TimeTable();
    std::vector<RowSpan> spans;
    for (int row = 1; row <= table.RowCount(); ++row)
      spans.push_back(table.Row(row));
    EXPECT_EQ(spans, c.expected) << c.name;
  }
}

// The editor's own row commands tell the film nothing: after each, the film's time table is
// the rows' times as they now stand.
TEST(FilmWindow, TheTimeTableFollowsTheEditorsRowCommands) {
  struct Case {
    const char* name;
    std::function<void(FilmRig&)> run;
  };
  const std::vector<Case> cases = {
      {"Értékek beállítása",
       [](FilmRig& rig) {
         editor::TFelirat& f = rig.editor();
         f.cds.SetRecNo(2);
         f.kezdes.SetText("00:00:02,500");
         f.befejezes.SetText("00:00:03,500");
         f.ApplyEditedTimes();
       }},
      {"G",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(1);
         rig.editor().BvegelsoClick();
       }},
      {"1-2",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(3);
         rig.editor().B12Click();
       }},
      {"Sor törlése",
       [](FilmRig& rig) {
         rig.editor().CBdelete.SetChecked(true);
         rig.rows().SetRecNo(2);
         rig.editor().BtorlesClick();
       }},
      {"Több sor törlése", [](FilmRig& rig) { rig.editor().DeleteRowRange(2, 3); }},
      {"Beszúrás", [](FilmRig& rig) { rig.editor().BbeszurasClick(); }},
      {"Sor elé",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(2);
         rig.editor().pmsoreleClick();
       }},
      {"Sor mögé",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(2);
         rig.editor().pmsormogeClick();
       }},
      {"5 sor mögé",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(2);
         rig.editor().sor5mogeRacsClick();
       }},
      {"ÖV",
       [](FilmRig& rig) {
         rig.rows().SetRecNo(2);
         rig.editor().BovClick();
       }},
      {"Módosítás",
       [](FilmRig& rig) {
         rig.editor().Emodositas.SetText("00:00:01,000");
         rig.driver.Click(rig.editor().Bmodok);
       }},
      {"Részletes módosítás",
       [](FilmRig& rig) {
         editor::TFelirat& f = rig.editor();
         editor::TReszletes& w = *rig.program->Reszletes;
         f.cds.SetRecNo(2);
         f.Emodositas.SetText("00:00:01,000");
         rig.driver.OnModal("Reszletes", [&rig, &w] {
           rig.driver.Click(w.Lefele);
           w.cbKezdo.SetChecked(true);
           w.cbBefejezo.SetChecked(true);
           rig.driver.Click(w.Bmodok);
         });
         rig.driver.Click(f.Breszletes);
       }},
  };
  const auto row_spans = [](FilmRig& rig) {
    const dataset::RowTable& t = rig.rows();
    const bool time_base = rig.editor().beosztas.Text() == "Time";
    std::vector<RowSpan> spans;
    for (int row = 1; row <= t.ShownRowCount(); ++row) {
      spans.push_back(RowSpanOf(t.Cell(row, field::kKezdes), t.Cell(row, field::kBefejezes),
                                time_base, {25, 1}));
    }
    return spans;
  };
  const auto table_spans = [](FilmRig& rig) {
    const FilmTimeTable& table = rig.film->TimeTable();
    std::vector<RowSpan> spans;
    for (int row = 1; row <= table.RowCount(); ++row)
      spans.push_back(table.Row(row));
    return spans;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FilmRig rig;
    rig.LoadRows(kRows);
    rig.editor().SetTimeBaseLimits("Time");
    rig.program->state.CurrentTimeBase = "Time";
    rig.OpenFilm();
    rig.TickAt(1500);
    const std::vector<RowSpan> before = table_spans(rig);
    ASSERT_EQ(before, row_spans(rig));
    c.run(rig);
    EXPECT_EQ(rig.driver.Verify(), "");
    const std::vector<RowSpan> after = row_spans(rig);
    EXPECT_NE(after, before);  // the command changed the rows' times
    EXPECT_EQ(table_spans(rig), after);
  }
}

TEST(FilmWindow, ADeletedShownRowMovesTheOverlayOn) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.TickAt(3500);
  ASSERT_EQ(f.st1.Caption(), "Kettő");
  rig.rows().SetRecNo(2);
  rig.rows().Delete();
  rig.TickAt(4500);
  EXPECT_EQ(f.st1.Caption(), "a");
  EXPECT_EQ(f.cds.RecNo(), 2);
}

TEST(FilmWindow, TimesFromTheFilm) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  f.Bmentes.SetEnabled(false);

  // Playing: a tenth of a second earlier, never below zero.
  rig.rows().SetRecNo(1);
  rig.fake->SetCurrentPosition(5000);
  f.BeKezdoErClick();
  EXPECT_EQ(rig.Cell(1, field::kKezdes), "00:00:04,900");
  EXPECT_TRUE(f.Bmentes.Enabled());
  EXPECT_TRUE(f.MentM1.Enabled());
  rig.fake->SetCurrentPosition(50);
  f.BeKezdoErClick();
  EXPECT_EQ(rig.Cell(1, field::kKezdes), "00:00:00,000");

  // Paused: the position itself.
  f.SBpauseClick();
  rig.driver.Advance(100);
  rig.fake->SetCurrentPosition(1234);
  f.BeKezdoErClick();
  EXPECT_EQ(rig.Cell(1, field::kKezdes), "00:00:01,234");

  // The end, and the next row becomes current.
  rig.fake->SetCurrentPosition(2345);
  f.BeBefejezoErClick();
  EXPECT_EQ(rig.Cell(1, field::kBefejezes), "00:00:02,345");
  EXPECT_EQ(f.cds.RecNo(), 2);

  // End and next start on the last row appends a row holding only a start; the save commands
  // are enabled.
  rig.rows().SetRecNo(4);
  rig.fake->SetCurrentPosition(9500);
  f.MarkSaved();
  f.BMMN.SetEnabled(false);
  f.MentM1.SetEnabled(false);
  f.SBkezdbefejezClick();
  EXPECT_TRUE(f.Bmentes.Enabled());
  EXPECT_TRUE(f.Mentes1.Enabled());
  EXPECT_TRUE(f.BMMN.Enabled());
  EXPECT_TRUE(f.MentM1.Enabled());
  EXPECT_EQ(rig.Cell(4, field::kBefejezes), "00:00:09,500");
  EXPECT_EQ(f.cds.RecordCount(), 5);
  EXPECT_EQ(rig.Cell(5, field::kKezdes), "00:00:09,500");
  EXPECT_EQ(rig.Cell(5, field::kBefejezes), "");
  EXPECT_EQ(f.cds.RecNo(), 5);
  // The table knows the new times at once.
  EXPECT_EQ(rig.film->TimeTable().Row(1), (RowSpan{1234, 2345}));
  EXPECT_EQ(rig.film->TimeTable().RowCount(), 5);
}

TEST(FilmWindow, TimesFromTheFilmInTheFrameBase) {
  FilmRig rig;
  rig.LoadRows({{"25", "50", "Egy"}, {"75", "100", "Kettő"}}, "Frame");
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.fake->SetCurrentPosition(3000);
  f.BeKezdoErClick();
  EXPECT_EQ(rig.Cell(1, field::kKezdes), "75");
  // Frames are seconds at the rate: row 2 starts at 3 s.
  rig.rows().SetRecNo(2);
  f.racsDblClick();
  EXPECT_EQ(rig.fake->CurrentPosition(), 3000);
  EXPECT_EQ(f.IdoFrame.Caption().substr(0, 5), "75 / ");
}

TEST(FilmWindow, DoubleClickMovesTheFilmToTheRowAndKeepsPlaying) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.TickAt(1500);
  rig.rows().SetRecNo(3);
  rig.driver.DoubleClick(f.racs);
  EXPECT_EQ(rig.fake->CurrentPosition(), 4000);
  EXPECT_EQ(f.st1.Caption(), "a");
  EXPECT_TRUE(f.st1.Visible());
  EXPECT_TRUE(f.Timer2.Enabled());
  rig.driver.Advance(100);
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPlaying);
  // The row-step buttons do the same one row on and back.
  rig.driver.Click(f.SBvissza);
  EXPECT_EQ(rig.fake->CurrentPosition(), 3000);
  EXPECT_EQ(f.st1.Caption(), "Kettő");
  rig.driver.Click(f.SBelore);
  EXPECT_EQ(rig.fake->CurrentPosition(), 4000);
}

TEST(FilmWindow, PlayPauseAndOneSecondBack) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.TickAt(3500);
  rig.driver.Click(f.SBpause);
  EXPECT_FALSE(f.Timer2.Enabled());
  EXPECT_TRUE(f.SBplay.Visible());
  EXPECT_FALSE(f.SBpause.Visible());
  EXPECT_EQ(f.IdoFrame.Caption(), "00:00:03,500 / 00:00:20,000");
  rig.driver.Advance(100);
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPaused);
  // Paused away from the start in the Time base, the row stays over the picture.
  EXPECT_TRUE(f.st1.Visible());
  rig.driver.Click(f.SBvissza1mp);
  EXPECT_EQ(rig.fake->CurrentPosition(), 2500);
  EXPECT_EQ(f.IdoFrame.Caption(), "00:00:02,500 / 00:00:20,000");
  rig.driver.Click(f.SBplay);
  EXPECT_TRUE(f.Timer2.Enabled());
  EXPECT_TRUE(f.SBpause.Visible());
  rig.driver.Advance(100);
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPlaying);
  // Stopped: back at 0, the overlay hidden.
  f.Meglls1Click();
  rig.driver.Advance(100);
  EXPECT_FALSE(f.Timer2.Enabled());
  EXPECT_FALSE(f.st1.Visible());
  EXPECT_TRUE(f.SBplay.Visible());
}

// Every pause in the Frame base hides the row over the picture, whether the program's "||" or
// the player's own controls paused it; in the Time base the row stays.
TEST(FilmWindow, APauseInTheFrameBaseHidesTheOverlay) {
  struct Case {
    std::string time_base;
    bool own_controls;
    bool stays;
  };
  const std::vector<Case> cases = {
      {"Frame", false, false},
      {"Frame", true, false},
      {"Time", false, true},
      {"Time", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time_base + (c.own_controls ? " player" : " button"));
    FilmRig rig;
    if (c.time_base == "Frame")
      rig.LoadRows({{"25", "50", "Egy"}, {"75", "100", "Kettő"}}, "Frame");
    else
      rig.LoadRows({{"00:00:01,000", "00:00:02,000", "Egy"}});
    rig.OpenFilm();
    editor::TFelirat& f = rig.editor();
    rig.TickAt(1500);
    ASSERT_TRUE(f.st1.Visible());
    ASSERT_FALSE(rig.fake->OverlayText().empty());
    if (c.own_controls)
      rig.fake->Pause();
    else
      rig.driver.Click(f.SBpause);
    rig.driver.Advance(100);
    EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPaused);
    EXPECT_EQ(f.st1.Visible(), c.stays);
    EXPECT_EQ(rig.fake->OverlayText().empty(), !c.stays);
    // Nothing brings it back while the film stands.
    rig.driver.Advance(1000);
    EXPECT_EQ(f.st1.Visible(), c.stays);
    EXPECT_EQ(rig.fake->OverlayText().empty(), !c.stays);
  }
}

// A question asked over the editor answers about the row it asked about.
TEST(FilmWindow, AWindowOverTheEditorKeepsTheFilmFromMovingTheRow) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.TickAt(1500);
  rig.driver.OnModal("Kiszoveg", [&rig, &f] {
    rig.TickAt(3500);
    rig.TickAt(4500);
    EXPECT_EQ(f.cds.RecNo(), 1);
    rig.driver.Click(rig.program->Kiszoveg->Bok);
  });
  f.FilminfoClick();
  rig.TickAt(4600);
  EXPECT_EQ(f.cds.RecNo(), 3);
  const std::vector<std::string> messages = rig.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Teljes hossz: 00:00:20,000"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("Felbontás: 320x240"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("FPS: 25"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("Teljes Frame: 500"), std::string::npos) << messages[0];
}

// The editor runs modally over the start window: the film moves its rows all the same.
TEST(FilmWindow, TheFilmMovesTheRowsOfTheEditorInItsOwnSession) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  f.Hide();
  rig.driver.OnModal(f.Name(), [&rig, &f] {
    rig.TickAt(3500);
    EXPECT_TRUE(f.st1.Visible());
    EXPECT_EQ(f.cds.RecNo(), 2);
    f.Timer2.SetEnabled(false);
    f.Close();
  });
  f.ShowModal();
}

TEST(FilmWindow, FilmInformationBeforeTheLengthIsKnown) {
  FilmRig rig;
  rig.OpenFilm();
  rig.AnswerOk();
  rig.editor().FilminfoClick();
  EXPECT_EQ(
      rig.Messages(),
      (std::vector<std::string>{"message: Információ | Még nem elérhető ez a lekérdezés! |"}));
}

TEST(FilmWindow, ALayoutSwitchKeepsTheFilmAtItsPlacePaused) {
  for (const bool hidden_by_user : {false, true}) {
    FilmRig rig;
    rig.LoadRows(kRows);
    rig.OpenFilm();
    editor::TFelirat& f = rig.editor();
    rig.TickAt(3500);
    if (hidden_by_user)
      rig.driver.Click(f.SBSub);
    rig.AnswerYes();
    f.Felbonts2Click();
    rig.driver.Advance(100);
    EXPECT_EQ(rig.program->state.ScreenLayout, "1024x768") << hidden_by_user;
    EXPECT_EQ(rig.fake->URL(), rig.film_path) << hidden_by_user;
    EXPECT_EQ(rig.fake->CurrentPosition(), 3500) << hidden_by_user;
    EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPaused) << hidden_by_user;
    EXPECT_EQ(f.SBNonSub.Visible(), hidden_by_user);
    EXPECT_EQ(f.SBSub.Visible(), !hidden_by_user);
    EXPECT_TRUE(f.wmp1.Visible()) << hidden_by_user;
    EXPECT_EQ(f.wmp1.Height(), 227) << hidden_by_user;
    // Playing again, the overlay goes on from where it was.
    rig.driver.Click(f.SBplay);
    rig.TickAt(4500);
    EXPECT_EQ(f.st1.Visible(), !hidden_by_user);
    if (!hidden_by_user) {
      EXPECT_EQ(f.st1.Caption(), "a");
    }
  }
}

// A film still opening when the switch restores it gets its place and its pause once open.
TEST(FilmWindow, TheRestoreWaitsForTheFilmToOpen) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  rig.TickAt(3500);
  editor::HeldFilm held = rig.film->PauseAndHold();
  rig.fake->SetURL({});
  rig.fake->SetOpeningPolls(3);
  rig.film->Reopen(held);
  EXPECT_EQ(rig.fake->GetOpenState(), media::OpenState::kOpening);
  rig.driver.Advance(500);
  EXPECT_EQ(rig.fake->GetOpenState(), media::OpenState::kOpen);
  EXPECT_EQ(rig.fake->CurrentPosition(), 3500);
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPaused);
}

TEST(FilmWindow, ClosingTheFilm) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  rig.TickAt(1500);
  ASSERT_TRUE(f.st1.Visible());
  f.FbezarClick();
  EXPECT_TRUE(rig.fake->URL().empty());
  EXPECT_FALSE(f.Filminfo.Enabled());
  EXPECT_FALSE(f.Fbezar.Enabled());
  EXPECT_FALSE(f.Timer2.Enabled());
  EXPECT_EQ(f.IdoFrame.Caption(), "00:00:00,000 / 00:00:00,000");
  for (ui::Control* button :
       {static_cast<ui::Control*>(&f.SBSub), static_cast<ui::Control*>(&f.SBkezdo),
        static_cast<ui::Control*>(&f.SBpause), static_cast<ui::Control*>(&f.SBplay)}) {
    EXPECT_FALSE(button->Visible()) << button->Name();
  }
  EXPECT_FALSE(f.st1.Visible());
  EXPECT_TRUE(rig.fake->OverlayText().empty());
}

TEST(FilmWindow, BackToTheMainMenuClosesTheFilm) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  f.BvisszaClick();
  EXPECT_TRUE(rig.fake->URL().empty());
  EXPECT_FALSE(f.Filminfo.Enabled());
  EXPECT_FALSE(f.SBkezdo.Visible());
}

TEST(FilmWindow, HidingTheFilmViewPausesAndShowingItKeepsThePause) {
  FilmRig rig;
  rig.LoadRows(kRows);
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  ASSERT_TRUE(f.Fshow.Checked());
  f.FshowClick();
  rig.driver.Advance(100);
  EXPECT_FALSE(f.wmp1.Visible());
  EXPECT_FALSE(f.SBSub.Visible());
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPaused);
  f.FshowClick();
  rig.driver.Advance(100);
  EXPECT_TRUE(f.wmp1.Visible());
  EXPECT_TRUE(f.SBSub.Visible());
  EXPECT_EQ(rig.fake->GetPlayState(), media::PlayState::kPaused);
}

}  // namespace
}  // namespace film
