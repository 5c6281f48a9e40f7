// Row commands: deleting rows (one with its question, or a range) and inserting rows.
#include <string>

#include "editor/felirat.h"
#include "editor/rules/row_command_rules.h"
#include "editor/table_scopes.h"
#include "editor/torles_tobb.h"
#include "files/open_flow.h"
#include "platform/base/scope.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr int kFiveRows = 5;
constexpr int kTwentyRowRounds = 4;

// Pops a narrow button's menu up at the pointer.
void PopupAt(ui::PopupMenu& menu, ui::Control& button, int x, int y) {
  const ui::Point screen = button.ClientToScreen({x, y});
  menu.Popup(screen.x, screen.y);
}

}  // namespace

void TFelirat::WireRowCommands() {
  cds.OnBeforeInsert = [this] { ClientDataSet1BeforeInsert(); };

  // Deleting.
  Btorles.OnClick = [this] { BtorlesClick(); };
  SorTorlese.OnClick = [this] { BtorlesClick(); };
  BTorlesTobb.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    BTorlesTobbMouseDown(button, shift, x, y);
  };
  Btobbsor.OnClick = [this] { BtobbsorClick(); };
  Tobbsortorlese.OnClick = [this] { TobbsortorleseClick(); };

  // Inserting.
  Bbeszuras.OnClick = [this] { BbeszurasClick(); };
  Belemoge.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    BelemogeMouseDown(button, shift, x, y);
  };
  pmsorele.OnClick = [this] { pmsoreleClick(); };
  soreleRacs.OnClick = [this] { pmsoreleClick(); };
  pmsormoge.OnClick = [this] { pmsormogeClick(); };
  sormogeRacs.OnClick = [this] { pmsormogeClick(); };
  Beszur5sor.OnClick = [this] { Beszur5sorClick(); };
  sor5mogeRacs.OnClick = [this] { sor5mogeRacsClick(); };
  N10sorbeszrsaazaktulissormg1.OnClick = [this] { N10sorbeszrsaazaktulissormg1Click(); };
  jfelirat1.OnClick = [this] { jfelirat1Click(); };
}

void TFelirat::ShowRowCommandInfo(std::string_view caption, std::string_view line) {
  shell::Inform(program_, caption, line);
}

// ---- Deleting -------------------------------------------------------------------------------

// The bookkeeping of one row deletion: counters, second-text row count, the delete itself.
void TFelirat::DeleteCurrentRowCounted() {
  shell::SharedState& state = program_.state;
  if (cds.Value(field::kBetu38) == "t")
    --state.LongLineRowCount;
  if (cds.Value(field::kSor3) == "t")
    --state.ManyLineRowCount;
  // The last second-text row moves up with every row deleted at or above it.
  if (cds.RecNo() <= state.SecondTextRowCount)
    --state.SecondTextRowCount;
  cds.Delete();
}

// What an emptied table can no longer offer.
void TFelirat::DisableRowButtonsWhenEmpty() {
  if (!cds.IsEmpty())
    return;
  Btorles.SetEnabled(false);
  Belemoge.SetEnabled(false);
  BTorlesTobb.SetEnabled(false);
}

// Deleting: one with its question ("Sor törlése", Delete in the grid), several through
// `TTorlesTobb`.
void TFelirat::BtorlesClick() {
  shell::SharedState& state = program_.state;
  // A film timer may move the cursor while the question is open: the row to delete is the one
  // the command was started on.
  const int row = cds.RecNo();
  state.DialogReply = shell::dialog_reply::kTorol;
  if (CBdelete.Checked()) {
    state.DialogReply = shell::dialog_reply::kIgen;
  } else {
    shell::AskYesNo(program_, "Törlés!", "Tényleg törölni akarja a sort?");
  }
  if (state.DialogReply == shell::dialog_reply::kIgen) {
    if (cds.IsEmpty()) {
      if (Masikfelirat.Enabled())
        Masikfelirat.SetEnabled(false);
      ShowRowCommandInfo("Sor törlése", "Nincs több sor a file-ban, ezért nem tud törölni!");
    } else {
      cds.SetRecNo(row);
      DeleteCurrentRowCounted();
      ShowFlagCounters();
      MarkModified();
      state.InternalUpdate = false;
    }
  }
  DisableRowButtonsWhenEmpty();
}

void TFelirat::DeleteRowRange(int first, int last) {
  {
    shell::ControlsOffScope controls_off(cds);
    CommandUpdateScope update(*this);
    cds.SetRecNo(first);
    for (int row = first; row <= last && !cds.IsEmpty(); ++row)
      DeleteCurrentRowCounted();
  }
  ShowFlagCounters();
  MarkModified();
  DisableRowButtonsWhenEmpty();
}

void TFelirat::BTorlesTobbMouseDown(ui::MouseButton /*button*/, ui::ShiftState /*shift*/, int x,
                                    int y) {
  PopupAt(PMTorlesTobb, BTorlesTobb, x, y);
}

void TFelirat::BtobbsorClick() {
  program_.TorlesTobb->ShowModal();
}

void TFelirat::TobbsortorleseClick() {
  program_.TorlesTobb->ShowModal();
}

// ---- Inserting ------------------------------------------------------------------------------

void TFelirat::AppendRow() {
  base::ValueRestorer<bool> appending(appending_row_, true);
  cds.Append();
}

// Before every Insert or Append of `cds`: a row inserted at or above the last second-text
// row moves that row down.
void TFelirat::ClientDataSet1BeforeInsert() {
  shell::SharedState& state = program_.state;
  // An appended row goes below every row; an inserted one pushes its row and those below down.
  if (appending_row_ || cds.IsEmpty())
    return;
  if (cds.RecNo() <= state.SecondTextRowCount)
    ++state.SecondTextRowCount;
}

void TFelirat::InsertAfterCurrent(const std::string& start, const std::string& end, bool at_last) {
  if (at_last) {
    AppendRow();
  } else {
    cds.Next();
    cds.Insert();
  }
  cds.SetValue(field::kKezdes, start);
  cds.SetValue(field::kBefejezes, end);
}

// Inserting: appended at the end, one before or after the current row, five or twenty
// after it; "Új felirat" starts over with one appended row.
void TFelirat::BbeszurasClick() {
  const std::string base = beosztas.Text();
  {
    CommandUpdateScope update(*this);
    cds.Last();
    timecode::RowTimes times;
    if (!cburessor.Checked())
      times = NewRowTimesAfter(base, cds.Value(field::kBefejezes), true);
    times = FillEmptyTimes(base, times);
    if (cburessor.Checked())
      times = {};
    AppendRow();
    cds.SetValue(field::kKezdes, times.start);
    cds.SetValue(field::kBefejezes, times.end);
    update.Lower();
    cds.Post();
  }
  if (!Masikfelirat.Enabled())
    Masikfelirat.SetEnabled(true);
  for (ui::Control* control : {&Belemoge, &Btorles, &BTorlesTobb})
    control->SetEnabled(true);
  MarkModified();
  if (cds.RecordCount() == 1) {
    files::EnableEditingControls(program_);
    // Enabling the editing controls is made for a subtitle just read; the row appended here is
    // a change, so the subtitle stays modified.
    MarkModified();
  }
  const std::string& layout = program_.state.ScreenLayout;
  const int rows = cds.RecordCount();
  if ((layout == shell::kLayout1024 && rows < 15) || (layout == shell::kLayout800 && rows < 10))
    racs.ShowVerticalScrollBar(false);
  szoveg.SetFocus();
}

void TFelirat::BelemogeMouseDown(ui::MouseButton /*button*/, ui::ShiftState /*shift*/, int x,
                                 int y) {
  PopupAt(PopupMenuEM, Belemoge, x, y);
}

void TFelirat::pmsoreleClick() {
  {
    CommandUpdateScope update(*this);
    timecode::RowTimes times;
    if (!cburessor.Checked())
      times = NewRowTimesBefore(beosztas.Text(), cds.Value(field::kKezdes));
    cds.Insert();
    cds.SetValue(field::kKezdes, times.start);
    cds.SetValue(field::kBefejezes, times.end);
    update.Lower();
    cds.Post();
  }
  MarkModified();
  szoveg.SetFocus();
}

void TFelirat::pmsormogeClick() {
  {
    CommandUpdateScope update(*this);
    const bool at_last = cds.RecNo() == cds.RecordCount();
    timecode::RowTimes times;
    if (!cburessor.Checked())
      times = NewRowTimesAfter(beosztas.Text(), cds.Value(field::kBefejezes), at_last);
    InsertAfterCurrent(times.start, times.end, at_last);
    update.Lower();
    cds.Post();
  }
  MarkModified();
  szoveg.SetFocus();
}

void TFelirat::sor5mogeRacsClick() {
  {
    CommandUpdateScope update(*this);
    // Once the last row is reached, the remaining rows run on from it.
    bool at_last = false;
    for (int i = 0; i < kFiveRows; ++i) {
      update.Raise();
      if (cds.RecNo() == cds.RecordCount())
        at_last = true;
      timecode::RowTimes times;
      if (!cburessor.Checked())
        times = NewRowTimesAfter(beosztas.Text(), cds.Value(field::kBefejezes), at_last);
      InsertAfterCurrent(times.start, times.end, at_last);
      update.Lower();
      cds.Post();
    }
  }
  MarkModified();
}

void TFelirat::Beszur5sorClick() {
  sor5mogeRacsClick();
}

void TFelirat::N10sorbeszrsaazaktulissormg1Click() {
  for (int i = 0; i < kTwentyRowRounds; ++i)
    sor5mogeRacsClick();
}

void TFelirat::jfelirat1Click() {
  if (!AskSaveBeforeDiscard(Discard::kReplacing))
    return;
  shell::SharedState& state = program_.state;
  Efilenev.SetText("");
  state.CurrentFilePath.clear();
  if (!cds.Active())
    cds.CreateDataSet();
  cds.EmptyDataSet();
  // The counters counted the rows just emptied away.
  state.LongLineRowCount = 0;
  state.ManyLineRowCount = 0;
  state.SecondTextRowCount = 0;
  ShowFlagCounters();
  BbeszurasClick();
}

}  // namespace editor
