// The second-text column: its cells removed, inserted and merged, italics, cutting into a new
// cell, the second text box, and dragging a cell onto the main text column.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/felirat.h"
#include "editor/row_command_rig.h"
#include "editor/rules/second_text.h"
#include "files/editor_rig.h"
#include "files/kereses.h"
#include "formats/document_path.h"
#include "shell/kiszoveg.h"

namespace editor {
namespace {

using testing::Row;
using testing::RowCommandRig;
using Texts = std::vector<std::string>;

// ---- Text rules -------------------------------------------------------------------------------

TEST(SecondTextRules, ItalicsCutAndMerge) {
  struct ItalicCase {
    std::string text;
    bool ticked;
    std::string result;
  };
  for (const ItalicCase& c : std::vector<ItalicCase>{
           {"abc", false, "<i>abc</i>"},
           {"<i>abc</i>", true, "abc"},
           {"</i>", true, ""},
           {"<i>a|<i>b</i>", true, "a|<i>b"},
           {"abc", true, "abc"},
       }) {
    EXPECT_EQ(ToggleSecondTextItalics(c.text, c.ticked), c.result) << c.text;
  }
  struct CutCase {
    std::string text;
    std::string part;
    std::string rest;
  };
  for (const CutCase& c : std::vector<CutCase>{
           {"ab|cd", "cd", "ab"},
           {"ab|cd|ab", "ab", "|cd|ab"},
           {"<i>ab|cd</i>", "ab|", "<i>cd</i>"},
           {"<i>ab|cd</i>", "<i>ab|", "cd"},
           {"abc", "", "abc"},
           {"abc", "x", "abc"},
       }) {
    EXPECT_EQ(TextAfterCut(c.text, c.part), c.rest) << c.text << " - " << c.part;
  }
  EXPECT_EQ(SelectionToRowText(std::string("a\r\nb\0c", 7)), "a|bc");
  EXPECT_EQ(DropLoneClosingItalic("cd</i>"), "cd");
  EXPECT_EQ(DropLoneClosingItalic("<i>cd</i>"), "<i>cd</i>");
  EXPECT_EQ(MergedSecondTextCell("B", "C", false), "B|C");
  EXPECT_EQ(MergedSecondTextCell("- B", "C", true), "- - B|- C");
}

// ---- The window -------------------------------------------------------------------------------

// Four rows with the second texts A to D, all read, the column shown.
struct SecondTextRig : RowCommandRig {
  explicit SecondTextRig(Texts second = {"A", "B", "C", "D"})
      : RowCommandRig("Time", RowsWith(second)) {
    program.state.SecondTextRowCount = static_cast<int>(second.size());
    editor().resmsikfelirat1Click();
    editor().RB1.SetChecked(true);
    driver.ClearLog();
  }
  static std::vector<Row> RowsWith(const Texts& second) {
    std::vector<Row> rows;
    for (std::size_t i = 0; i < second.size(); ++i) {
      const std::string at = "00:00:0" + std::to_string(i + 1) + ",000";
      rows.push_back({at, at, "t" + std::to_string(i + 1), second[i]});
    }
    return rows;
  }
  Texts Second() { return Column(testing::field::kSzoveg2); }
  Texts Main() { return Column(testing::field::kSzoveg); }
  int Count() const { return program.state.SecondTextRowCount; }
  void GoTo(int row) { table().SetRecNo(row); }
};

TEST(SecondTextColumn, EmptySecondSubtitleShowsTheColumn) {
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:02,000", "a"}});
  rig.table().Last();
  rig.editor().resmsikfelirat1Click();
  TFelirat& f = rig.editor();
  const int second = f.racs.ColumnOfField("Szoveg2");
  EXPECT_TRUE(f.racs.Column(second).visible);
  EXPECT_EQ(f.racs.Column(second).width, 254);
  EXPECT_EQ(f.racs.Column(f.racs.ColumnOfField("Szoveg")).width, 254);
  EXPECT_FALSE(f.racs.RowSelect());
  EXPECT_TRUE(f.MentesMF.Enabled());
  EXPECT_TRUE(f.Mov.Visible());
  EXPECT_TRUE(f.movm.Visible());
  EXPECT_TRUE(f.szoveg2.Visible());
  EXPECT_EQ(rig.table().RecNo(), 1);
  EXPECT_EQ(rig.program.state.SecondTextRowCount, 0);
}

TEST(SecondTextColumn, RemovingCells) {
  struct Case {
    const char* name;
    int row;
    int count;
    Texts second;
    int count_after;
  };
  const std::vector<Case> cases = {
      {"middle", 2, 4, {"A", "C", "D", ""}, 3},
      {"first", 1, 4, {"B", "C", "D", ""}, 3},
      {"last second-text row only empties it", 2, 2, {"A", "", "C", "D"}, 1},
      {"cells below the last read row stay", 1, 3, {"B", "C", "", "D"}, 2},
      // Below the last row read (a typed cell): every cell to the end moves up.
      {"below the last read row", 3, 1, {"A", "B", "D", ""}, 1},
      {"count beyond the table", 3, 9, {"A", "B", "D", ""}, 3},
  };
  for (const Case& c : cases) {
    SecondTextRig rig;
    rig.program.state.SecondTextRowCount = c.count;
    rig.GoTo(c.row);
    rig.editor().RemoveSecondTextCell();
    EXPECT_EQ(rig.Second(), c.second) << c.name;
    EXPECT_EQ(rig.Count(), c.count_after) << c.name;
    EXPECT_EQ(rig.Main(), (Texts{"t1", "t2", "t3", "t4"})) << c.name;
    EXPECT_EQ(rig.table().RecNo(), c.row) << c.name;
    EXPECT_EQ(rig.editor().szoveg2.Text(), rig.Second()[c.row - 1]) << c.name;
    EXPECT_FALSE(rig.program.state.InternalUpdate) << c.name;
    EXPECT_FALSE(rig.editor().Fszazalek.Visible()) << c.name;
  }
}

TEST(SecondTextColumn, InsertingACellDropsTheLastText) {
  SecondTextRig rig;
  rig.GoTo(2);
  rig.AnswerOk();
  rig.editor().BeszurPMB.Click();
  EXPECT_EQ(rig.Second(), (Texts{"A", "", "B", "C"}));
  EXPECT_EQ(rig.Main(), (Texts{"t1", "t2", "t3", "t4"}));
  // The last second-text row was the table's last one: it stays there.
  EXPECT_EQ(rig.Count(), 4);
  EXPECT_EQ(rig.table().RecNo(), 2);
  EXPECT_EQ(rig.Messages(), Texts{"message: Információ | Beszúrtam a sort! |"});
}

TEST(SecondTextColumn, InsertingMovesTheLastSecondTextRow) {
  SecondTextRig rig({"A", "B", "", ""});
  rig.program.state.SecondTextRowCount = 2;
  rig.GoTo(1);
  rig.editor().InsertSecondTextCell(false);
  EXPECT_EQ(rig.Second(), (Texts{"", "A", "B", ""}));
  EXPECT_EQ(rig.Count(), 3);
  EXPECT_TRUE(rig.Messages().empty());
}

TEST(SecondTextColumn, DeleteQuestion) {
  struct Case {
    ui::BitBtn shell::TKiszoveg::*answer;
    Texts second;
  };
  for (const Case& c : std::vector<Case>{{&shell::TKiszoveg::Bigen, {"B", "C", "D", ""}},
                                         {&shell::TKiszoveg::Bnem, {"A", "B", "C", "D"}},
                                         {&shell::TKiszoveg::Bmegsem, {"A", "B", "C", "D"}}}) {
    SecondTextRig rig;
    rig.Answer(c.answer);
    rig.editor().TorlesPMBClick();
    EXPECT_EQ(rig.Messages(), Texts{"message: Törlés! | Tényleg törölni akarja a sort? |"});
    EXPECT_EQ(rig.Second(), c.second);
  }
}

TEST(SecondTextColumn, MergingIntoTheCellAbove) {
  struct Case {
    bool dialogue;
    Texts second;
  };
  for (const Case& c :
       std::vector<Case>{{false, {"A", "B|C", "D", ""}}, {true, {"A", "- B|- C", "D", ""}}}) {
    SecondTextRig rig;
    rig.editor().MentesMF.SetEnabled(false);
    rig.GoTo(3);
    rig.driver.Click(c.dialogue ? rig.editor().movm : rig.editor().Mov);
    EXPECT_EQ(rig.Second(), c.second);
    EXPECT_EQ(rig.Count(), 3);
    EXPECT_EQ(rig.table().RecNo(), 2);
    EXPECT_TRUE(rig.editor().MentesMF.Enabled());
    EXPECT_TRUE(rig.editor().racs.Focused());
    EXPECT_FALSE(rig.editor().Bmentes.Enabled());  // the main text is untouched
  }
}

TEST(SecondTextColumn, MergingOnTheFirstRowOnlyWarns) {
  SecondTextRig rig;
  rig.AnswerOk();
  rig.driver.Click(rig.editor().Mov);
  EXPECT_EQ(rig.Messages(),
            Texts{"message: Figyelmeztetés | Csak a 2. sortól lehet ilyen műveletet "
                  "végrehajtani! |"});
  EXPECT_EQ(rig.Second(), (Texts{"A", "B", "C", "D"}));
}

TEST(SecondTextColumn, ItalicsFromThePopup) {
  SecondTextRig rig({"abc", "</i>", "", ""});
  TFelirat& f = rig.editor();
  f.BeTorlesPM.OnPopup();
  EXPECT_FALSE(f.doltSz2.Checked());
  f.doltSz2.Click();
  EXPECT_EQ(rig.Second()[0], "<i>abc</i>");
  EXPECT_TRUE(f.doltSz2.Checked());
  EXPECT_TRUE(f.MentM1.Enabled());
  EXPECT_EQ(f.szoveg2.Text(), "<i>abc</i>");
  rig.GoTo(2);
  f.BeTorlesPM.OnPopup();
  f.doltSz2.SetChecked(true);  // the item is ticked by hand: the tag goes all the same
  f.doltSz2.Click();
  EXPECT_EQ(rig.Second()[1], "");
  EXPECT_FALSE(f.doltSz2.Checked());
  EXPECT_FALSE(rig.program.state.InternalUpdate);
}

TEST(SecondTextColumn, CuttingIntoANewCell) {
  SecondTextRig rig({"<i>ab|cd</i>", "E", "F", ""});
  rig.program.state.SecondTextRowCount = 3;
  TFelirat& f = rig.editor();
  rig.GoTo(1);
  f.LoadRowIntoEditor();
  ASSERT_EQ(f.szoveg2.Text(), "<i>ab\r\ncd</i>");
  f.szoveg2.SetSelStart(7);
  f.szoveg2.SetSelLength(6);  // "cd</i>"
  f.Kivgs1.Click();
  EXPECT_EQ(rig.Second(), (Texts{"<i>ab", "cd", "E", "F"}));
  EXPECT_EQ(rig.Count(), 4);
  EXPECT_EQ(rig.table().RecNo(), 2);
  EXPECT_TRUE(f.racs.Focused());
  // On the last row there is no row to take the part: nothing changes.
  rig.GoTo(4);
  f.LoadRowIntoEditor();
  f.szoveg2.SelectAll();
  f.Kivgs1.Click();
  EXPECT_EQ(rig.Second(), (Texts{"<i>ab", "cd", "E", "F"}));
}

TEST(SecondTextColumn, TheSecondTextBox) {
  SecondTextRig rig({"", "", "", ""});
  TFelirat& f = rig.editor();
  rig.driver.Focus(f.szoveg2);
  rig.driver.Type("abc");
  rig.driver.Press(ui::keys::kReturn);
  rig.driver.Type("de");
  EXPECT_EQ(rig.Second()[0], "abc|de");
  EXPECT_EQ(f.sordarab2.Caption(), "3+2=5 betű");
  EXPECT_FALSE(rig.program.state.InternalUpdate);
  EXPECT_FALSE(f.Bmentes.Enabled());  // the main subtitle is not modified
  // Ctrl+Down on the last row keeps the row and gives the focus to the grid.
  rig.GoTo(4);
  rig.driver.Focus(f.szoveg2);
  rig.driver.Press(ui::keys::kDown, ui::kCtrl);
  EXPECT_EQ(rig.table().RecNo(), 4);
  EXPECT_TRUE(f.racs.Focused());
  rig.driver.Focus(f.szoveg2);
  rig.driver.Press(ui::keys::kUp, ui::kCtrl);
  EXPECT_EQ(rig.table().RecNo(), 3);
  EXPECT_TRUE(f.racs.Focused());
}

// ---- Dragging
// ------------------------------------------------------------------------------------

// A point of the grid's client area inside a cell (visible row 1.., column by field).
ui::Point CellPoint(const ui::DbGrid& grid, std::string_view field, int row) {
  const int column = grid.ColumnOfField(field);
  for (int y = 0; y < grid.ClientHeight(); y += 2) {
    for (int x = 0; x < grid.ClientWidth(); x += 4) {
      if (grid.MouseCoord(x, y) == ui::GridCoord{column, row})
        return {x, y};
    }
  }
  ADD_FAILURE() << "no cell " << field << " " << row;
  return {};
}

struct DragRig : SecondTextRig {
  DragRig() : SecondTextRig({"A", "B", "C", ""}) { program.state.SecondTextRowCount = 3; }
  // Press on a second-text cell, move with the left button held, release over `field`.
  void Drag(int from_row, std::string_view field, int to_row) {
    ui::DbGrid& grid = editor().racs;
    const ui::Point from = CellPoint(grid, "Szoveg2", from_row);
    const ui::Point to = CellPoint(grid, field, to_row);
    const ui::ShiftState left(ui::ShiftState::kLeft);
    program.app.MouseDown(grid, ui::MouseButton::kLeft, left, from.x, from.y);
    program.app.MouseMove(grid, left, from.x, from.y);
    program.app.MouseMove(grid, left, to.x, to.y);
    program.app.MouseUp(grid, ui::MouseButton::kLeft, {}, to.x, to.y);
  }
  void Arm() {
    const ui::Point at = CellPoint(editor().racs, "Szoveg", 1);
    program.app.MouseUp(editor().racs, ui::MouseButton::kLeft, {}, at.x, at.y);
  }
};

TEST(SecondTextDrag, DropsAsANewMainRow) {
  struct Case {
    ui::MenuItem TFelirat::*choice;
    int to_row;
    Texts main;
    Texts second;
    int count;
  };
  const std::vector<Case> cases = {
      {&TFelirat::Beszrsasorel1, 1, {"B", "t1", "t2", "t3"}, {"", "A", "B", "C", ""}, 4},
      {&TFelirat::Beszrsasorutn1, 1, {"t1", "B", "t2", "t3"}, {"A", "", "B", "C", ""}, 4},
      {&TFelirat::Beszrsasorutn1, 3, {"t1", "t2", "t3", "B"}, {"A", "B", "C", "", ""}, 3},
  };
  for (const Case& c : cases) {
    DragRig rig;
    rig.Arm();
    TFelirat& f = rig.editor();
    rig.driver.Backend().SetPopupChoice(&(f.*c.choice));
    rig.Drag(2, "Szoveg", c.to_row);
    EXPECT_EQ(rig.driver.LastPopup(), &f.Athuzas);
    Texts main = rig.Main();
    main.resize(c.main.size());
    EXPECT_EQ(main, c.main);
    EXPECT_EQ(rig.Second(), c.second);
    EXPECT_EQ(rig.Count(), c.count);
    // The new row starts and ends where the target row starts.
    const int added = c.choice == &TFelirat::Beszrsasorel1 ? c.to_row : c.to_row + 1;
    const std::string start = "00:00:0" + std::to_string(c.to_row) + ",000";
    EXPECT_EQ(rig.table().Cell(added, testing::field::kKezdes), start);
    EXPECT_EQ(rig.table().Cell(added, testing::field::kBefejezes), start);
    EXPECT_TRUE(f.Bmentes.Enabled());
    EXPECT_TRUE(f.DragSource.empty());
  }
}

TEST(SecondTextDrag, NoPopupWithoutADrag) {
  struct Case {
    const char* name;
    bool arm;
    std::string to_field;
  };
  for (const Case& c : std::vector<Case>{{"over the start column", true, "Kezdes"},
                                         {"over the end column", true, "Befejezes"},
                                         {"not armed yet", false, "Szoveg"}}) {
    DragRig rig;
    if (c.arm)
      rig.Arm();
    rig.Drag(2, c.to_field, 1);
    EXPECT_EQ(rig.driver.LastPopup(), nullptr) << c.name;
    EXPECT_EQ(rig.table().RecordCount(), 4) << c.name;
    EXPECT_TRUE(rig.editor().DragArmed) << c.name;
  }
}

// ---- Reading a second subtitle ------------------------------------------------------------------

// Picks `file` in the open window and opens it, as the user's click and "Megnyitás" do.
void OpenInEditor(files::testing::EditorRig& rig, const std::filesystem::path& file,
                  bool second_text) {
  TFelirat& f = rig.editor();
  files::TKereses& window = *rig.program.Kereses;
  rig.state().CurrentDirectory = files::ShownPath(file.parent_path());
  if (second_text)
    f.MasikfeliratClick();
  else
    f.BtallozasClick();
  window.PendingDirectory = files::ShownPath(file.parent_path());
  window.PendingFilePath = files::ShownPath(file);
  window.PendingFileName = window.PendingFilePath.NameText();
  window.e1.SetText(window.PendingFileName);
  window.megnyitasClick();
}

// Right after "Másik felirat beolvasása" the second text box shows the current row's second
// text, the one its letter count counts, and typing into it edits that text.
TEST(SecondTextRead, TheBoxShowsTheCurrentRowsSecondText) {
  files::testing::TempFolder folder;
  files::testing::WriteBytes(folder / "main.srt",
                             "1\r\n00:00:01,000 --> 00:00:02,000\r\nEgy\r\n\r\n"
                             "2\r\n00:00:03,000 --> 00:00:04,000\r\nKettő\r\n");
  files::testing::WriteBytes(folder / "second.srt",
                             "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\nline\r\n\r\n"
                             "2\r\n00:00:03,000 --> 00:00:04,000\r\nTwo\r\n");
  files::testing::EditorRig rig;
  TFelirat& f = rig.editor();
  f.Beolvas.SetChecked(true);
  OpenInEditor(rig, folder / "main.srt", false);
  ASSERT_EQ(f.cds.RecordCount(), 2);
  OpenInEditor(rig, folder / "second.srt", true);
  EXPECT_EQ(rig.driver.Verify(), "");
  ASSERT_EQ(f.cds.RecNo(), 1);
  ASSERT_EQ(f.cds.Value(::dataset::subtitle_field::kSzoveg2), "One|line");
  EXPECT_TRUE(f.szoveg2.Visible());
  EXPECT_EQ(f.szoveg2.Lines(), (Texts{"One", "line"}));
  EXPECT_EQ(f.sordarab2.Caption(), "3+4=7 betű");

  ASSERT_TRUE(rig.driver.Focus(f.szoveg2));
  rig.driver.Press(ui::keys::kEnd, ui::kCtrl);
  rig.driver.Type("!");
  EXPECT_EQ(f.cds.Cell(1, ::dataset::subtitle_field::kSzoveg2), "One|line!");
  EXPECT_EQ(f.cds.Cell(2, ::dataset::subtitle_field::kSzoveg2), "Two");
}

}  // namespace
}  // namespace editor
