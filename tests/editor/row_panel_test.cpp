// The row panel: the current row shown in the boxes, the text box and the time boxes
// written back, the flags and their counters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace editor {
namespace {

namespace field = dataset::subtitle_field;

// ---- Row texts -----------------------------------------------------------------------------

TEST(RowText, LabelLengthsAndFlags) {
  struct Case {
    std::string text;
    std::string label;
    LineLengthArray lengths;
    bool long_line;
    bool many_lines;
  };
  const std::string line37(37, 'a');
  const std::string line38(38, 'a');
  const std::vector<Case> cases = {
      {"", "0 betű", {0, 0, 0, 0, 0}, false, false},
      {"Hi", "2 betű", {2, 0, 0, 0, 0}, false, false},
      {"Hello|world", "5+5=10 betű", {5, 5, 0, 0, 0}, false, false},
      {"a||b", "1+0+1=2 betű", {1, 0, 1, 0, 0}, false, true},
      {"a|b|", "1+1+0=2 betű", {1, 1, 0, 0, 0}, false, false},
      {"<i>ő</i>", "8 betű", {8, 0, 0, 0, 0}, false, false},
      {line37, "37 betű", {37, 0, 0, 0, 0}, false, false},
      {"x|" + line38, "1+38=39 betű", {1, 38, 0, 0, 0}, true, false},
      // A sixth line is not measured.
      {"a|b|c|d|e|" + line38, "1+1+1+1+1+38=43 betű", {1, 1, 1, 1, 1}, false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LetterCountLabel(c.text), c.label) << c.text;
    EXPECT_EQ(SplitLineLengths(c.text), c.lengths) << c.text;
    const RowFlags flags = MeasureRowFlags(SplitLineLengths(c.text), 37);
    EXPECT_EQ(flags.long_line, c.long_line) << c.text;
    EXPECT_EQ(flags.many_lines, c.many_lines) << c.text;
  }
}

// Texts longer than a few characters are looked at many characters at a time: line breaks are
// found wherever they stand, and a sixth line is never measured.
TEST(RowText, LineLengthsWithBreaksAnywhere) {
  const auto lengths_of = [](const std::string& text) {
    LineLengthArray lengths{};
    std::size_t line = 0;
    std::size_t length = 0;
    for (const char ch : text) {
      if (ch != '|') {
        ++length;
        continue;
      }
      if (line < lengths.size())
        lengths[line] = static_cast<std::uint8_t>(std::min<std::size_t>(length, 255));
      ++line;
      length = 0;
    }
    if (line < lengths.size())
      lengths[line] = static_cast<std::uint8_t>(std::min<std::size_t>(length, 255));
    return lengths;
  };
  // The flags measured from the text are those of its lengths.
  const auto expect_lengths = [&lengths_of](const std::string& text) {
    EXPECT_EQ(SplitLineLengths(text), lengths_of(text)) << text;
    for (const int limit : {0, 1, 3, 37, 254, 255}) {
      const RowFlags flags = MeasureRowFlags(text, limit);
      const RowFlags of_lengths = MeasureRowFlags(lengths_of(text), limit);
      EXPECT_EQ(flags.long_line, of_lengths.long_line) << text << ' ' << limit;
      EXPECT_EQ(flags.many_lines, of_lengths.many_lines) << text << ' ' << limit;
    }
  };
  for (std::size_t size = 0; size <= 40; ++size) {
    for (std::size_t first = 0; first <= size; ++first) {
      for (std::size_t second = first; second <= size; ++second) {
        std::string text(size, 'a');
        text.insert(second, "|");
        text.insert(first, "|");
        expect_lengths(text);
        text.insert(text.size() / 2, "|||");
        expect_lengths(text);
      }
    }
  }
  expect_lengths(std::string(300, 'a'));
  expect_lengths(std::string(300, 'a') + "|");
  expect_lengths("a||" + std::string(300, 'a'));
  EXPECT_EQ(SplitLineLengths(std::string(300, 'a')), (LineLengthArray{255, 0, 0, 0, 0}));
}

TEST(RowText, BoxTextAndLeadingBreaks) {
  EXPECT_EQ(MemoTextToRowText("a\r\nb\nc\r"), "a|b|c");
  EXPECT_EQ(RowTextToMemoText("a||b"), "a\r\n\r\nb");
  struct Case {
    std::string text;
    std::string stored;
  };
  for (const Case& c : std::vector<Case>{
           {"||abc", "abc"}, {"|||abc", "|abc"}, {"|", ""}, {"abc|", "abc|"}, {"", ""}}) {
    EXPECT_EQ(DropLeadingBreaks(c.text), c.stored) << c.text;
  }
}

// ---- The panel -------------------------------------------------------------------------------

struct Row {
  std::string start;
  std::string end;
  std::string text;
};

struct PanelRig : shell::testing::Rig {
  explicit PanelRig(std::string_view time_base = "Time", std::vector<Row> rows = {}) {
    TFelirat& f = editor();
    f.cds.CreateDataSet();
    f.beosztas.SetItemIndex(f.beosztas.IndexOf(time_base));
    f.SetTimeBaseLimits(time_base);
    {
      shell::InternalUpdateGuard guard(program.state);
      for (const Row& row : rows) {
        f.cds.Append();
        f.cds.SetValue(field::kKezdes, row.start);
        f.cds.SetValue(field::kBefejezes, row.end);
        f.SetRowText1(row.text, editor::RowWrite::kInEditState);
      }
      f.cds.First();
    }
    f.szoveg.SetEnabled(true);
    f.Bmentes.SetEnabled(false);
    f.Show();
    f.LoadRowIntoEditor();
    driver.ClearLog();
  }
  TFelirat& editor() { return *program.Felirat; }
  std::string Stored(int field_index) { return editor().cds.Value(field_index); }
};

TEST(RowPanel, LoadsTheCurrentRow) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
    std::string label;
  };
  const std::vector<Case> cases = {
      {"Hello|world", {"Hello", "world"}, "5+5=10 betű"},
      {"Hi", {"Hi"}, "2 betű"},
      {"", {}, "0=0 betű"},
  };
  for (const Case& c : cases) {
    PanelRig rig("Time", {{"00:00:01,000", "00:00:02,500", c.text}});
    TFelirat& f = rig.editor();
    EXPECT_EQ(f.kezdes.Text(), "00:00:01,000");
    EXPECT_EQ(f.befejezes.Text(), "00:00:02,500");
    EXPECT_EQ(f.kulonbseg.Text(), "00:00:01,500");
    EXPECT_EQ(f.szoveg.Lines(), c.lines) << c.text;
    EXPECT_EQ(f.szoveg.Text().ends_with("\r\n"), false);
    EXPECT_EQ(f.sordarab.Caption(), c.label);
    EXPECT_TRUE(f.kezdes.Enabled());
  }
  PanelRig rig("Time", {{"1", "2", "Hello|world"}});
  EXPECT_EQ(rig.program.state.LineLengths, (LineLengthArray{5, 5, 0, 0, 0}));
}

TEST(RowPanel, MovingToAnotherRowShowsIt) {
  PanelRig rig("Time", {{"00:00:01,000", "00:00:02,000", "one"},
                        {"00:00:03,000", "00:00:04,000", "two|lines"}});
  rig.editor().cds.Next();
  EXPECT_EQ(rig.editor().kezdes.Text(), "00:00:03,000");
  EXPECT_EQ(rig.editor().szoveg.Lines(), (std::vector<std::string>{"two", "lines"}));
}

TEST(RowPanel, KeyReleaseStoresTheTextAndKeepsTheFlags) {
  const std::string line37(37, 'a');
  PanelRig rig("Time", {{"00:00:01,000", "00:00:02,000", line37}});
  TFelirat& f = rig.editor();
  shell::SharedState& state = rig.program.state;
  ASSERT_EQ(state.LongLineRowCount, 0);
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  f.szoveg.SetSelStart(37);
  rig.driver.Type("b");
  EXPECT_EQ(rig.Stored(field::kSzoveg), line37 + "b");
  EXPECT_EQ(rig.Stored(field::kBetu38), "t");
  EXPECT_EQ(state.LongLineRowCount, 1);
  EXPECT_EQ(f.Lbetu.Caption(), "(1)");
  EXPECT_EQ(f.sordarab.Caption(), "38 betű");
  EXPECT_TRUE(f.Bmentes.Enabled());
  EXPECT_TRUE(f.Mentes1.Enabled());
  EXPECT_EQ(f.szoveg.SelStart(), 38);  // the caret stays where the user typed

  rig.driver.Press(ui::keys::kBack);
  EXPECT_EQ(rig.Stored(field::kBetu38), "");
  EXPECT_EQ(state.LongLineRowCount, 0);

  rig.driver.Press(ui::keys::kReturn);
  rig.driver.Type("x");
  rig.driver.Press(ui::keys::kReturn);
  rig.driver.Type("y");
  EXPECT_EQ(rig.Stored(field::kSzoveg), line37 + "|x|y");
  EXPECT_EQ(rig.Stored(field::kSor3), "t");
  EXPECT_EQ(state.ManyLineRowCount, 1);
  EXPECT_EQ(f.Lsor.Caption(), "(1)");

  f.szoveg.SetText("");
  rig.driver.Press(ui::keys::kLeft);  // any key release stores
  EXPECT_EQ(rig.Stored(field::kSzoveg), "");
  EXPECT_EQ(f.sordarab.Caption(), "0 betű");
  EXPECT_EQ(state.ManyLineRowCount, 0);
}

TEST(RowPanel, Max2OptionOnTheTextBox) {
  PanelRig rig("Time", {{"00:00:01,000", "00:00:02,000", "x"}});
  TFelirat& f = rig.editor();
  f.Max2.SetChecked(true);
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  f.szoveg.SetText("\r\n\r\n\r\nabc");
  rig.driver.Press(ui::keys::kEnd);
  EXPECT_EQ(rig.Stored(field::kSzoveg), "|abc");
  EXPECT_EQ(f.sordarab.Caption(), "0+3=3 betű");
}

TEST(RowPanel, TypingIntoAnEmptyTableStartsARow) {
  PanelRig rig("Time");
  TFelirat& f = rig.editor();
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  rig.driver.Type("hi");
  ASSERT_EQ(f.cds.RecordCount(), 1);
  EXPECT_EQ(rig.Stored(field::kSzoveg), "hi");
  EXPECT_EQ(rig.Stored(field::kKezdes), "");
}

TEST(RowPanel, TimeDifference) {
  struct Case {
    std::string base;
    std::string start;
    std::string end;
    std::string shown;
    bool red;
  };
  const std::vector<Case> cases = {
      {"Time", "00:00:02,000", "00:00:01,500", "-00:00:00,500", true},
      {"Time", "00:00:01,000", "00:01:02,345", "00:01:01,345", false},
      {"Time", "00:00:00,000", "00:00:00,000", "00:00:00,000", false},
      {"Frame", "100", "90", "-10", true},
      {"Frame", "90", "100", "10", false},
      {"Frame", "90", "1x", "", false},
  };
  for (const Case& c : cases) {
    PanelRig rig(c.base, {{c.start, c.end, "t"}});
    TFelirat& f = rig.editor();
    EXPECT_EQ(f.kulonbseg.Text(), c.shown) << c.start << " " << c.end;
    if (!c.shown.empty()) {
      EXPECT_EQ(f.kulonbseg.GetColor(), c.red ? ui::colors::kRed : ui::colors::kWhite);
    }
  }
}

TEST(StartAndEndBoxes, EnterCompletesAndCarriesTheStart) {
  PanelRig rig("Time", {{"00:00:01,000", "00:00:01,200", "t"}});
  TFelirat& f = rig.editor();
  ASSERT_TRUE(rig.driver.Focus(f.kezdes));
  f.kezdes.SetText("00:00:01,50");
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_EQ(f.kezdes.Text(), "00:00:01,500");
  EXPECT_EQ(f.befejezes.Text(), "00:00:01,500");
  EXPECT_TRUE(f.Bertek.Enabled());
  EXPECT_TRUE(f.befejezes.Focused());

  f.befejezes.SetText("00:00:03,00");
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_EQ(f.befejezes.Text(), "00:00:03,000");
  EXPECT_TRUE(f.Bertek.Focused());

  f.Bertek.SetEnabled(false);
  ASSERT_TRUE(rig.driver.Focus(f.befejezes));
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_TRUE(f.szoveg.Focused());
}

TEST(StartAndEndBoxes, RefusedKeys) {
  PanelRig rig("Time", {{"00:00:01,000", "00:00:02,000", "t"}});
  TFelirat& f = rig.editor();
  ASSERT_TRUE(rig.driver.Focus(f.kezdes));

  f.kezdes.SetSelStart(2);  // right before the first ":"
  rig.driver.Press(ui::keys::kDelete);
  EXPECT_EQ(f.kezdes.Text(), "00:00:01,000");
  EXPECT_FALSE(f.Bertek.Enabled());

  f.kezdes.SetSelStart(3);
  rig.driver.Press(ui::keys::kDelete);
  EXPECT_EQ(f.kezdes.Text(), "00:0:01,000");
  EXPECT_TRUE(f.Bertek.Enabled());

  // A letter brings back the stored start.
  rig.driver.Type("q");
  EXPECT_EQ(f.kezdes.Text(), "00:00:01,000");

  f.kezdes.SetSelStart(4);
  rig.driver.Press(ui::keys::kRight, ui::kShift);
  EXPECT_EQ(f.kezdes.SelLength(), 0);

  // In the end box a letter is dropped and the box keeps its text.
  f.Bertek.SetEnabled(false);
  ASSERT_TRUE(rig.driver.Focus(f.befejezes));
  f.befejezes.SetSelStart(12);
  rig.driver.Type("q");
  EXPECT_EQ(f.befejezes.Text(), "00:00:02,000");
  EXPECT_FALSE(f.Bertek.Enabled());
  rig.driver.Type("1");
  EXPECT_EQ(f.befejezes.Text(), "00:00:02,000");  // the box is full
  rig.driver.Press(ui::keys::kBack);
  EXPECT_EQ(f.befejezes.Text(), "00:00:02,00");
  EXPECT_TRUE(f.Bertek.Enabled());
}

TEST(StartAndEndBoxes, FrameBaseTakesDigitsOnly) {
  PanelRig rig("Frame", {{"10", "20", "t"}});
  TFelirat& f = rig.editor();
  EXPECT_EQ(f.kezdes.MaxLength(), 6);
  ASSERT_TRUE(rig.driver.Focus(f.kezdes));
  f.kezdes.SetSelStart(2);
  rig.driver.Type("5");
  EXPECT_EQ(f.kezdes.Text(), "105");
  rig.driver.Type(":");
  EXPECT_EQ(f.kezdes.Text(), "10");  // the stored start again
}

TEST(ApplyEditedTimes, WritesOnlyCheckedTimes) {
  PanelRig rig("Time", {{"00:00:01,000", "00:00:02,000", "t"}});
  TFelirat& f = rig.editor();
  f.kezdes.SetText("00:00:05,000");
  f.befejezes.SetText("00:00:06,250");
  f.Bertek.SetEnabled(true);
  ASSERT_TRUE(rig.driver.Click(f.Bertek));
  EXPECT_EQ(rig.Stored(field::kKezdes), "00:00:05,000");
  EXPECT_EQ(rig.Stored(field::kBefejezes), "00:00:06,250");
  EXPECT_FALSE(f.Bertek.Enabled());
  EXPECT_TRUE(f.Bmentes.Enabled());
  EXPECT_EQ(f.kulonbseg.Text(), "00:00:01,250");
  EXPECT_TRUE(f.racs.Focused());

  f.befejezes.SetText("00:00:61,000");
  f.Bertek.SetEnabled(true);
  rig.driver.OnModal("Kiszoveg", [&rig] { rig.driver.Click(rig.program.Kiszoveg->Bok); });
  ASSERT_TRUE(rig.driver.Click(f.Bertek));
  EXPECT_EQ(rig.Lines("message: ").size(), 1u);
  EXPECT_EQ(rig.Stored(field::kBefejezes), "00:00:06,250");
  EXPECT_TRUE(f.Bertek.Enabled());
}

TEST(PanelLayout, OneAndTwoTexts) {
  PanelRig rig;
  TFelirat& f = rig.editor();
  f.EditorTwoTextLayout();
  EXPECT_EQ(f.szoveg.Left(), 8);
  EXPECT_EQ(f.sordarab.Left(), 8 + 78 + 4);  // right of "Karakterszám:" as the font shows it
  EXPECT_EQ(f.szoveg2.Left(), 376);
  EXPECT_TRUE(f.szoveg2.Visible());
  EXPECT_TRUE(f.sordarab2.Visible());
  EXPECT_FALSE(f.kezdes.Visible());
  EXPECT_FALSE(f.Bertek.Visible());
  f.EditorOneTextLayout();
  EXPECT_EQ(f.szoveg.Left(), 376);
  EXPECT_EQ(f.sordarab.Left(), 376 + 78 + 4);
  EXPECT_FALSE(f.szoveg2.Visible());
  EXPECT_TRUE(f.kezdes.Visible());
  EXPECT_TRUE(f.Esorszam.Visible());
}

TEST(PanelLayout, TimeBaseLimitsAndFormatChecks) {
  PanelRig rig("Time", {{"00:00:01,000", "00:00:02,000", "<i>a</i> <b>b"}});
  TFelirat& f = rig.editor();
  f.SetTimeBaseLimits("Frame");
  EXPECT_EQ(f.Emodositas.Text(), "0");
  EXPECT_EQ(f.befejezes.MaxLength(), 6);
  f.SetTimeBaseLimits("Time");
  EXPECT_EQ(f.Emodositas.Text(), "00:00:00,000");
  EXPECT_EQ(f.kezdes.MaxLength(), 12);

  f.UpdateFormatChecks();
  EXPECT_TRUE(f.dolt.Checked());
  EXPECT_FALSE(f.dolt2.Checked());
  EXPECT_FALSE(f.Vastagitott.Checked());
  EXPECT_FALSE(f.Alahuzott.Checked());
}

}  // namespace
}  // namespace editor
