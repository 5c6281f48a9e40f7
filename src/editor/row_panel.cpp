// The row panel: the current row shown in the boxes below the grid, and written back.
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "formats/line_parsers.h"
#include "platform/text/text.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/checks.h"
#include "timecode/time_base.h"
#include "timecode/timecode.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr int kOneTextLeft = 376;
constexpr int kTwoTextLeft = 8;

bool Holds(std::string_view text, std::string_view tag) {
  return text.find(tag) != std::string_view::npos;
}

}  // namespace

void TFelirat::WireRowPanel() {
  ds.OnDataChange = [this](int changed) { dsDataChange(changed); };
  ds.OnUpdateData = [this] { dsUpdateData(); };
  Bertek.OnClick = [this] { BertekClick(); };
}

// The letter limit of the row flags (`SEbetu`).
int TFelirat::LetterLimit() const {
  // The spin edit reads within its bounds, also while a number is half typed.
  return std::clamp(SEbetu.Value(), SEbetu.MinValue(), SEbetu.MaxValue());
}

// Shows the current row in the panel: start, end, difference, the text and, while the
// grid's second-text column is visible, the second text, with their letter counts.
void TFelirat::LoadRowIntoEditor() {
  shell::InternalUpdateGuard guard(program_.state);
  kezdes.SetText(cds.Value(field::kKezdes));
  befejezes.SetText(cds.Value(field::kBefejezes));
  if (!kezdes.Text().empty() && !befejezes.Text().empty())
    ShowTimeDifference();
  else
    kulonbseg.SetText("");
  szoveg.ClearLines();
  kezdes.SetEnabled(true);
  befejezes.SetEnabled(true);
  kulonbseg.SetEnabled(true);
  const std::string text = cds.Value(field::kSzoveg);
  if (text.empty()) {
    sordarab.SetCaption(kEmptyRowLabel);
  } else {
    ShowTextInMemo1(text);
    TrimMemo1();
  }
  const int second_column = racs.ColumnOfField("Szoveg2");
  if (second_column >= 0 && racs.Column(second_column).visible)
    ShowSecondTextOfRow();
}

// The current row's second text in `szoveg2`, with its letter count.
void TFelirat::ShowSecondTextOfRow() {
  szoveg2.ClearLines();
  const std::string text2 = cds.Value(field::kSzoveg2);
  if (text2.empty()) {
    sordarab2.SetCaption(kEmptyRowLabel);
  } else {
    ShowTextInMemo2(text2);
    TrimMemo2();
  }
}

void TFelirat::SetRowText1(std::string_view text, const RowWrite& how) {
  if (how.edit_first)
    cds.Edit();
  cds.SetValue(field::kSzoveg, MainTextAfterMax2(text));
  if (how.full_flag_update)
    UpdateRowFlags();
  else
    UpdateRowFlagFields();
  if (how.lower_internal_update)
    program_.state.InternalUpdate = false;
  cds.Post();
  MarkModified();
}

std::string_view TFelirat::MainTextAfterMax2(std::string_view text) const {
  return Max2.Checked() && text.starts_with('|') ? files::WithoutLeadingBreaks(text) : text;
}

bool TFelirat::FitsMainText(std::string_view text) const {
  return static_cast<int>(MainTextAfterMax2(text).size()) <= cds.Field(field::kSzoveg).width;
}

bool TFelirat::FitsSecondText(std::string_view text) const {
  return static_cast<int>(text.size()) <= cds.Field(field::kSzoveg2).width;
}

void TFelirat::ShowRowWouldNotFit(std::string_view what) {
  shell::Inform(program_, "Figyelmeztetés", what, "A sor nem változott.");
}

void TFelirat::SetRowText2(std::string_view text, const RowWrite& how) {
  if (how.edit_first)
    cds.Edit();
  cds.SetValue(field::kSzoveg2, text);
  if (how.full_flag_update)
    UpdateRowFlags();
  else
    UpdateRowFlagFields();
  if (how.lower_internal_update)
    program_.state.InternalUpdate = false;
  cds.Post();
}

void TFelirat::UpdateRowFlags() {
  const FlagChange change = CountRowFlagChange(
      cds.Value(field::kSzoveg), cds.Value(field::kBetu38) == "t", cds.Value(field::kSor3) == "t");
  // Writing a field must not move the user's caret in the text box.
  auto write_keeping_caret = [this](int index, bool on) {
    const int caret = szoveg.SelStart();
    cds.SetValue(index, FlagValue(on));
    szoveg.SetSelStart(caret);
  };
  if (change.long_line_changed)
    write_keeping_caret(field::kBetu38, change.long_line);
  if (change.many_lines_changed)
    write_keeping_caret(field::kSor3, change.many_lines);
  ShowFlagCounters();
}

void TFelirat::UpdateRowFlagFields() {
  const int row = cds.RecNo();
  const FlagChange change =
      CountRowFlagChange(cds.Cell(row, field::kSzoveg), cds.Cell(row, field::kBetu38) == "t",
                         cds.Cell(row, field::kSor3) == "t");
  if (change.long_line_changed)
    cds.SetValue(field::kBetu38, FlagValue(change.long_line));
  if (change.many_lines_changed)
    cds.SetValue(field::kSor3, FlagValue(change.many_lines));
}

TFelirat::FlagChange TFelirat::CountRowFlagChange(std::string_view stored, bool was_long,
                                                  bool was_many) {
  shell::SharedState& state = program_.state;
  SplitLineLengths(stored);
  const RowFlags flags = MeasureRowFlags(state.LineLengths, LetterLimit());
  const FlagChange change{flags.long_line, flags.many_lines, flags.long_line != was_long,
                          flags.many_lines != was_many};
  if (change.long_line_changed)
    state.LongLineRowCount += flags.long_line ? 1 : -1;
  if (change.many_lines_changed)
    state.ManyLineRowCount += flags.many_lines ? 1 : -1;
  return change;
}

// "(" + counter + ")" into `Lbetu` and `Lsor`.
void TFelirat::ShowFlagCounters() {
  Lbetu.SetCaption("(" + text::IntToStr(program_.state.LongLineRowCount) + ")");
  Lsor.SetCaption("(" + text::IntToStr(program_.state.ManyLineRowCount) + ")");
}

// Measures a row text into the shared LineLengths.
void TFelirat::SplitLineLengths(std::string_view text) {
  program_.state.LineLengths = editor::SplitLineLengths(text);
}

// Fill `szoveg` / `szoveg2` with the lines of a non-empty row text, measure it into
// LineLengths and set the letter-count label; drop their trailing line break (the caret
// goes to the start).
void TFelirat::ShowTextInMemo1(std::string_view text) {
  szoveg.SetText(RowTextToMemoText(text) + "\r\n");
  SplitLineLengths(text);
  sordarab.SetCaption(LetterCountLabel(text));
}

void TFelirat::ShowTextInMemo2(std::string_view text) {
  szoveg2.SetText(RowTextToMemoText(text) + "\r\n");
  SplitLineLengths(text);
  sordarab2.SetCaption(LetterCountLabel(text));
}

namespace {

void DropTrailingBreak(ui::Memo& memo) {
  std::string text = memo.Text();
  text.erase(text.size() >= 2 ? text.size() - 2 : 0);
  memo.SetText(text);
  memo.SetSelStart(0);
}

}  // namespace

void TFelirat::TrimMemo1() {
  DropTrailingBreak(szoveg);
}

void TFelirat::TrimMemo2() {
  DropTrailingBreak(szoveg2);
}

// Fills the difference box `kulonbseg` (end minus start, on red when negative).
void TFelirat::ShowTimeDifference() {
  const std::string& base = beosztas.Text();
  if (base == timecode::kTimeBaseFrame) {
    const bool row_numbers = text::TryStrToInt(cds.Value(field::kKezdes)).has_value() &&
                             text::TryStrToInt(cds.Value(field::kBefejezes)).has_value();
    const auto start = text::TryStrToInt(kezdes.Text());
    const auto end = text::TryStrToInt(befejezes.Text());
    if (!row_numbers || !start || !end) {
      kulonbseg.SetText("");
      return;
    }
    const int64_t difference = int64_t{*end} - *start;
    kulonbseg.SetText(text::IntToStr(difference));
    kulonbseg.SetColor(difference < 0 ? ui::colors::kRed : ui::colors::kWhite);
  } else if (base == timecode::kTimeBaseTime) {
    const int64_t difference = timecode::TimeCodeToMs(cds.Value(field::kBefejezes)) -
                               timecode::TimeCodeToMs(cds.Value(field::kKezdes));
    const std::string shown = timecode::MsToTimeCode(std::llabs(difference));
    kulonbseg.SetText(difference < 0 ? "-" + shown : shown);
    kulonbseg.SetColor(difference < 0 ? ui::colors::kRed : ui::colors::kWhite);
  }
}

// Checks the start and end boxes and writes them into the current row (`Bertek`).
void TFelirat::ApplyEditedTimes() {
  bool passed = false;
  if (beosztas.Text() == timecode::kTimeBaseTime) {
    passed = shell::ShowCheck(program_, timecode::ValidateTimeCode(kezdes.Text())) &&
             shell::ShowCheck(program_, timecode::ValidateTimeCode(befejezes.Text()));
  } else {
    passed = shell::ShowCheck(program_,
                              timecode::ValidateTwoFrameNumbers(kezdes.Text(), befejezes.Text()));
  }
  if (passed) {
    shell::InternalUpdateGuard guard(program_.state);
    cds.Edit();
    cds.SetValue(field::kKezdes, kezdes.Text());
    cds.SetValue(field::kBefejezes, befejezes.Text());
    cds.Post();
    MarkModified();
    Bertek.SetEnabled(false);
  }
  ShowTimeDifference();
}

// "Time" or "Frame": the boxes' maximum lengths and the shift box's start value.
void TFelirat::SetTimeBaseLimits(std::string_view time_base) {
  int max_length = 0;
  if (time_base == timecode::kTimeBaseTime) {
    Emodositas.SetText(timecode::kZeroTimeCode);
    max_length = 12;
  } else if (time_base == timecode::kTimeBaseFrame) {
    Emodositas.SetText("0");
    max_length = 6;
  } else {
    return;
  }
  Emodositas.SetMaxLength(max_length);
  kezdes.SetMaxLength(max_length);
  befejezes.SetMaxLength(max_length);
}

// The panel for one text, or for the main and the second text side by side.
void TFelirat::EditorOneTextLayout() {
  szoveg.SetLeft(kOneTextLeft);
  Lkarakter.SetLeft(kOneTextLeft);
  PlaceRightOf(Lkarakter, sordarab);
  szoveg2.SetVisible(false);
  szoveg2.ClearLines();
  Lkarakter2.SetVisible(false);
  sordarab2.SetVisible(false);
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&Llsor, &Esorszam, &Lkezdes, &kezdes, &Lbefejezes,
                                           &befejezes, &Lkulonbseg, &kulonbseg, &Bertek}) {
    control->SetVisible(true);
  }
}

void TFelirat::EditorTwoTextLayout() {
  szoveg.SetLeft(kTwoTextLeft);
  Lkarakter.SetLeft(kTwoTextLeft);
  PlaceRightOf(Lkarakter, sordarab);
  szoveg2.SetLeft(kOneTextLeft);
  szoveg2.SetVisible(true);
  // The box shows what its letter count counts: the current row's second text (empty while
  // the table has no rows).
  {
    shell::InternalUpdateGuard guard(program_.state);
    ShowSecondTextOfRow();
  }
  Lkarakter2.SetVisible(true);
  sordarab2.SetVisible(true);
  PlaceRightOf(Lkarakter2, sordarab2);
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&Llsor, &Esorszam, &Lkezdes, &kezdes, &Lbefejezes,
                                           &befejezes, &Lkulonbseg, &kulonbseg, &Bertek}) {
    control->SetVisible(false);
  }
}

// The check marks of the format items from the current row's tags.
void TFelirat::UpdateFormatChecks() {
  if (cds.IsEmpty())
    return;
  const std::string text = cds.Value(field::kSzoveg);
  const bool italic_open = Holds(text, "<i>");
  const bool italic_close = Holds(text, "</i>");
  dolt.SetChecked(italic_open && italic_close);
  dolt2.SetChecked(italic_open && !italic_close);
  Vastagitott.SetChecked(Holds(text, "<b>") && Holds(text, "</b>"));
  Alahuzott.SetChecked(Holds(text, "<u>") && Holds(text, "</u>"));
}

void TFelirat::UpdateFormatChecks2() {
  if (cds.IsEmpty())
    return;
  const std::string text = cds.Value(field::kSzoveg2);
  doltSz2.SetChecked(Holds(text, "<i>") && Holds(text, "</i>"));
}

void TFelirat::dsDataChange(int /*field*/) {
  if (program_.state.InternalUpdate)
    return;
  LoadRowIntoEditor();
  UpdateFormatChecks();
  if (RB1.Checked()) {
    if (CBracs.Checked())
      szoveg.SetFocus();
  } else {
    OfferSplitRow();
  }
}

void TFelirat::dsUpdateData() {
  if (program_.state.InternalUpdate)
    return;
  LoadRowIntoEditor();
  UpdateFormatChecks();
}

void TFelirat::ShowCurrentRowAfterCommand() {
  if (program_.state.InternalUpdate || !cds.Active() || cds.ControlsDisabled())
    return;
  LoadRowIntoEditor();
  UpdateFormatChecks();
}

void TFelirat::BertekClick() {
  ApplyEditedTimes();
  racs.SetFocus();
}

}  // namespace editor
