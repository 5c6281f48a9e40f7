// The second-text column: an empty second subtitle, removing and inserting cells, merging a
// cell into the one above, italics, cutting a selection into a new cell, the second text box's
// keys, and dragging a cell onto the main text column as a new row.
#include <algorithm>
#include <string>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "editor/rules/second_text.h"
#include "editor/table_scopes.h"
#include "files/open_flow.h"
#include "platform/text/text.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr int kSecondColumnWidth = 254;
constexpr std::string_view kSecondField = "Szoveg2";
constexpr std::string_view kMainField = "Szoveg";
constexpr std::string_view kDragSecondText = "Sz2";

// The left button alone: no other button and no Shift, Ctrl or Alt.
bool LeftButtonAlone(ui::ShiftState shift) {
  return shift == ui::ShiftState(ui::ShiftState::kLeft);
}

}  // namespace

void TFelirat::WireSecondText() {
  resmsikfelirat1.OnClick = [this] { resmsikfelirat1Click(); };
  Mov.OnClick = [this] { MovClick(); };
  movm.OnClick = [this] { movmClick(); };
  doltSz2.OnClick = [this] { doltSz2Click(); };
  BeszurPMB.OnClick = [this] { BeszurPMBClick(); };
  TorlesPMB.OnClick = [this] { TorlesPMBClick(); };
  Beszrsasorel1.OnClick = [this] { Beszrsasorel1Click(); };
  Beszrsasorutn1.OnClick = [this] { Beszrsasorutn1Click(); };
  Kivgs1.OnClick = [this] { Kivgs1Click(); };
  BeTorlesPM.OnPopup = [this] { BeTorlesPMPopup(); };
  szoveg2.OnKeyUp = [this](ui::Key& key, ui::ShiftState shift) { szoveg2KeyUp(key, shift); };
  szoveg2.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { szoveg2KeyDown(key, shift); };
  racs.OnMouseMove = [this](ui::ShiftState shift, int x, int y) { racsMouseMove(shift, x, y); };
  racs.OnMouseUp = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    racsMouseUp(button, shift, x, y);
  };
}

// Whether the grid shows the second-text column.
bool TFelirat::SecondColumnShown() const {
  const int column = racs.ColumnOfField(kSecondField);
  return column >= 0 && racs.Column(column).visible;
}

void TFelirat::StoreSecondText(std::string_view text) {
  cds.Edit();
  cds.SetValue(field::kSzoveg2, text);
  cds.Post();
}

// ---- An empty second subtitle ----------------------------------------------------------------

void TFelirat::resmsikfelirat1Click() {
  racs.SetColumnVisible(racs.ColumnOfField(kSecondField), true);
  racs.SetColumnWidth(racs.ColumnOfField(kSecondField), kSecondColumnWidth);
  racs.SetColumnWidth(racs.ColumnOfField(kMainField), kSecondColumnWidth);
  files::SetGridRowSelect(program_, false);
  if (cds.Active())
    cds.First();
  MentesMF.SetEnabled(true);
  Mov.SetVisible(true);
  movm.SetVisible(true);
  EditorTwoTextLayout();
}

// ---- Removing and inserting cells --------------------------------------------------------------

// Drops the current row's second-text cell: the cells below it, up to the last second-text
// row, move up one row; the main rows stay.
void TFelirat::RemoveSecondTextCell() {
  if (!cds.Active() || cds.IsEmpty())
    return;
  shell::SharedState& state = program_.state;
  const int row = cds.RecNo();
  const int rows = cds.RecordCount();
  // The count may lie beyond the table; the cells below the last one are empty anyway.
  const int last = std::min(state.SecondTextRowCount, rows);
  if (row == last) {
    StoreSecondText("");
    state.SecondTextRowCount = last - 1;
    return;
  }
  // Below the last second-text row a cell was typed in: every cell to the end moves up, and
  // the last second-text row stays where it is.
  const bool below_last = row > last;
  const int end = below_last ? rows : last;
  {
    CommandUpdateScope update(*this);
    shell::ControlsOffScope controls_off(cds);
    const int step = (rows - row) / 100;
    cds.SetRecNo(end);
    shell::GaugeScope gauge(Fszazalek);
    std::string carry = cds.Value(field::kSzoveg2);
    StoreSecondText("");
    while (cds.RecNo() > row) {
      cds.Prior();
      std::string kept = cds.Value(field::kSzoveg2);
      StoreSecondText(carry);
      carry = std::move(kept);
      if (step > 0)
        gauge.SetPosition(100 - (cds.RecNo() - row) / step);
    }
    if (!below_last)
      state.SecondTextRowCount = last - 1;
    cds.SetRecNo(row);
  }
  LoadRowIntoEditor();
}

// An empty second-text cell at the current row: the cells below move down one row (the
// table's last cell falls off); `report` confirms with a message.
void TFelirat::InsertSecondTextCell(bool report) {
  if (!cds.Active() || cds.IsEmpty())
    return;
  shell::SharedState& state = program_.state;
  const int row = cds.RecNo();
  const int rows = cds.RecordCount();
  {
    CommandUpdateScope update(*this);
    shell::ControlsOffScope controls_off(cds);
    std::string carry = cds.Value(field::kSzoveg2);
    StoreSecondText("");
    const int step = (rows - row) / 100;
    shell::GaugeScope gauge(Fszazalek);
    for (int i = 0; i < rows - row; ++i) {
      cds.Next();
      std::string kept = cds.Value(field::kSzoveg2);
      StoreSecondText(carry);
      carry = std::move(kept);
      if (step > 0)
        gauge.SetPosition((cds.RecNo() - row) / step);
    }
    // The last second-text row moves down with the cells, unless it was the table's last row;
    // a cell inserted below it moves nothing that was read.
    if (row <= state.SecondTextRowCount)
      state.SecondTextRowCount = std::min(state.SecondTextRowCount + 1, rows);
    cds.SetRecNo(row);
    LoadRowIntoEditor();
  }
  if (report)
    shell::Inform(program_, "Információ", "Beszúrtam a sort!");
}

void TFelirat::TorlesPMBClick() {
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kTorol;
  shell::AskYesNo(program_, "Törlés!", "Tényleg törölni akarja a sort?");
  if (state.DialogReply == shell::dialog_reply::kIgen)
    RemoveSecondTextCell();
}

void TFelirat::BeszurPMBClick() {
  InsertSecondTextCell(true);
}

// ---- Italics, cutting, merging -----------------------------------------------------------------

// Opening the second-text popup ticks "Dőlt" by the current second text.
void TFelirat::BeTorlesPMPopup() {
  UpdateFormatChecks2();
}

void TFelirat::doltSz2Click() {
  if (!cds.Active() || cds.IsEmpty())
    return;
  {
    CommandUpdateScope update(*this);
    const std::string text = cds.Value(field::kSzoveg2);
    const bool italic = doltSz2.Checked();
    const std::string changed = ToggleSecondTextItalics(text, italic);
    if (changed != text || !italic)
      StoreSecondText(changed);
    doltSz2.SetChecked(!italic);
    LoadRowIntoEditor();
  }
  MentM1.SetEnabled(true);
}

void TFelirat::Kivgs1Click() {
  if (!cds.Active() || cds.IsEmpty())
    return;
  // The last row has no row below to take the cut part; nothing is cut there.
  if (cds.RecNo() >= cds.RecordCount())
    return;
  const std::string part = SelectionToRowText(szoveg2.SelText());
  {
    CommandUpdateScope update(*this);
    StoreSecondText(TextAfterCut(cds.Value(field::kSzoveg2), part));
    cds.Next();
  }
  InsertSecondTextCell(false);
  {
    // The new cell is empty, so the part is its whole text.
    CommandUpdateScope update(*this);
    StoreSecondText(DropLoneClosingItalic(part));
  }
  LoadRowIntoEditor();
  racs.SetFocus();
}

void TFelirat::MergeSecondTextIntoAbove(bool dialogue) {
  if (!SecondColumnShown() || !cds.Active() || cds.IsEmpty())
    return;
  const int row = cds.RecNo();
  if (row == 1) {
    shell::Inform(program_, "Figyelmeztetés",
                  "Csak a 2. sortól lehet ilyen műveletet végrehajtani!");
    return;
  }
  const std::string current = cds.Value(field::kSzoveg2);
  RemoveSecondTextCell();
  cds.SetRecNo(row - 1);
  StoreSecondText(MergedSecondTextCell(cds.Value(field::kSzoveg2), current, dialogue));
  MentesMF.SetEnabled(true);
  racs.SetFocus();
}

void TFelirat::MovClick() {
  MergeSecondTextIntoAbove(false);
}

void TFelirat::movmClick() {
  MergeSecondTextIntoAbove(true);
}

// ---- The second text box ------------------------------------------------------------------------

// The second text box: every key release stores its text; Ctrl+Up and Ctrl+Down change the
// row and give the focus to the grid.
void TFelirat::szoveg2KeyUp(ui::Key& /*key*/, ui::ShiftState /*shift*/) {
  if (!cds.Active() || cds.IsEmpty())
    return;
  shell::InternalUpdateGuard guard(program_.state);
  SetRowText2(MemoTextToRowText(szoveg2.Text()), RowWrite::kEdit);
  sordarab2.SetCaption(LetterCountLabel(cds.Value(field::kSzoveg2)));
}

void TFelirat::szoveg2KeyDown(ui::Key& key, ui::ShiftState shift) {
  if (shift.Modifiers() != ui::kCtrl || (key != ui::keys::kUp && key != ui::keys::kDown))
    return;
  if (key == ui::keys::kUp)
    cds.Prior();
  else
    cds.Next();
  racs.SetFocus();
  key = 0;
}

// ---- Dragging a cell onto the main text
// -----------------------------------------------------------

// Dragging a second-text cell onto the main text column.
void TFelirat::racsMouseMove(ui::ShiftState shift, int x, int y) {
  const ui::GridCoord at = racs.MouseCoord(x, y);
  MouseColumnName = at.column >= 0 ? racs.Column(at.column).field : std::string();
  MouseGridRow = at.row;
  if (drag_cursor_shown_ && !LeftButtonAlone(shift))
    drag_cursor_shown_ = false;
  if (!LeftButtonAlone(shift) || !DragArmed)
    return;
  if (!RB1.Checked() || !SecondColumnShown() || !cds.Active() || cds.IsEmpty())
    return;
  DragArmed = false;
  DragText = cds.Value(field::kSzoveg2);
  const bool over_second = text::LowerCase(MouseColumnName) == text::LowerCase(kSecondField);
  DragSource = over_second ? std::string(kDragSecondText) : std::string();
  drag_cursor_shown_ = over_second;
}

void TFelirat::racsMouseUp(ui::MouseButton /*button*/, ui::ShiftState /*shift*/, int x, int y) {
  // The release point is where the pointer was last seen.
  const ui::GridCoord at = racs.MouseCoord(x, y);
  MouseColumnName = at.column >= 0 ? racs.Column(at.column).field : std::string();
  MouseGridRow = at.row;
  drag_cursor_shown_ = false;
  DragArmed = true;
  const bool over_main = text::LowerCase(MouseColumnName) == text::LowerCase(kMainField);
  if (over_main && DragSource == kDragSecondText && RB1.Checked() && SecondColumnShown()) {
    DragSource.clear();
    const ui::Point screen = racs.ClientToScreen({x, y});
    Athuzas.Popup(screen.x, screen.y);
  }
}

// The table row under the pointer at the last mouse move; 0 when none.
int TFelirat::DropTargetRow() const {
  if (MouseGridRow < 1 || !cds.Active())
    return 0;
  // The grid row under the pointer, counted from the first row the grid shows.
  const int row = racs.TopRow() + MouseGridRow - 1;
  return row <= cds.RecordCount() ? row : 0;
}

void TFelirat::InsertDraggedRow(bool after) {
  const int target = DropTargetRow();
  if (target == 0)
    return;
  CommandUpdateScope update(*this);
  cds.SetRecNo(target);
  const std::string start = cds.Value(field::kKezdes);
  if (!after) {
    cds.Insert();
  } else if (target == cds.RecordCount()) {
    AppendRow();
  } else {
    cds.Next();
    cds.Insert();
  }
  cds.SetValue(field::kKezdes, start);
  cds.SetValue(field::kBefejezes, start);
  // Lowers InternalUpdate right before the post, so that the post shows the new row.
  SetRowText1(DragText, RowWrite::kInEditStateAndReloadPanel);
}

void TFelirat::Beszrsasorel1Click() {
  InsertDraggedRow(false);
}

void TFelirat::Beszrsasorutn1Click() {
  InsertDraggedRow(true);
}

}  // namespace editor
