// Row commands on texts: merging into the previous row ("ÖV", "ÖV-"), dialogue dashes ("-|-")
// and moving a word across the first line break.
#include <string>

#include "editor/felirat.h"
#include "editor/rules/row_command_rules.h"
#include "editor/table_scopes.h"
#include "shell/program.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr std::string_view kInformation = "Információ";
constexpr std::string_view kDoesNotFit = "A művelettel a sor hosszabb lenne 220 karakternél!";
constexpr std::string_view kNoBreakMessage =
    "Nincs sortörés a sorban, így nem hajtható végre a módosítás!";

}  // namespace

void TFelirat::WireRowTexts() {
  Bov.OnClick = [this] { BovClick(); };
  Bovm.OnClick = [this] { BovmClick(); };
  mpm.OnClick = [this] { mpmClick(); };
  N6.OnClick = [this] { N6Click(); };
  Utolsktsz1.OnClick = [this] { Utolsktsz1Click(); };
}

// Writes a new main text into the current row with its flags, as the text commands do.
void TFelirat::StoreCommandText(std::string_view text) {
  cds.Edit();
  cds.SetValue(field::kSzoveg, text);
  UpdateRowFlags();
  cds.Post();
}

void TFelirat::MergeIntoPreviousRow(bool dialogue) {
  // The build without the film player shows the two buttons but gives them no command.
  if (!program_.FilmPlayer())
    return;
  shell::SharedState& state = program_.state;
  const int row = cds.RecNo();
  if (row < 2) {
    ShowRowCommandInfo("Figyelmeztetés", "Csak a 2. sortól lehet ilyen műveletet végrehajtani!");
    return;
  }
  const std::string merged = cds.Value(field::kSzoveg);
  const std::string merged_second = cds.Value(field::kSzoveg2);
  // A merge the previous row cannot hold whole is not made: both rows stay as they are.
  const std::string previous(cds.Cell(row - 1, field::kSzoveg));
  const std::string joined =
      dialogue ? MergedDialogueText(previous, merged) : MergedText(previous, merged);
  const std::string joined_second =
      MergedSecondText(cds.Cell(row - 1, field::kSzoveg2), merged_second, dialogue);
  if (!FitsMainText(joined) || !FitsSecondText(joined_second)) {
    ShowRowWouldNotFit(kDoesNotFit);
    return;
  }
  const std::string end = cds.Value(field::kBefejezes);
  DecrementRowFlagCounters();
  // The merged row's second text goes up with it, and so do the rows below.
  if (row <= state.SecondTextRowCount)
    --state.SecondTextRowCount;
  const bool was_last = row == cds.RecordCount();
  cds.Delete();
  if (!was_last)
    cds.Prior();
  cds.Edit();
  cds.SetValue(field::kSzoveg, joined);
  cds.SetValue(field::kBefejezes, end);
  if (!merged_second.empty())
    cds.SetValue(field::kSzoveg2, joined_second);
  UpdateRowFlags();
  cds.Post();
  program_.film->RowsMerged(row - 1);
  cds.SetRecNo(row - 1);
  state.InternalUpdate = false;
  MarkModified();
  racs.SetFocus();
}

// Merging into the previous row ("ÖV", "ÖV-"; no action without the film player), dialogue
// dashes ("-|-") and the word moves across the first line break.
void TFelirat::BovClick() {
  MergeIntoPreviousRow(false);
}

void TFelirat::BovmClick() {
  MergeIntoPreviousRow(true);
}

void TFelirat::mpmClick() {
  const TextEditResult result = DialogueDashes(cds.Value(field::kSzoveg));
  if (result.outcome == TextEdit::kDone && !FitsMainText(result.text)) {
    ShowRowWouldNotFit(kDoesNotFit);
    return;
  }
  if (result.outcome == TextEdit::kDone) {
    StoreCommandText(result.text);
  } else {
    ShowRowCommandInfo(kInformation,
                       "Mivel ez a sor nem 2 soros ezért erre nem hajtható végre a művelet");
  }
  MarkModified();
  LoadRowIntoEditor();
  racs.SetFocus();
}

void TFelirat::N6Click() {
  const TextEditResult result = MoveLastWordDown(cds.Value(field::kSzoveg));
  if (result.outcome == TextEdit::kNoBreak) {
    ShowRowCommandInfo(kInformation, kNoBreakMessage);
    return;
  }
  {
    CommandUpdateScope update(*this);
    if (result.outcome == TextEdit::kNoBlank) {
      ShowRowCommandInfo(kInformation, "Ezen a soron nem hajtható végre a kért transzformáció!");
      return;
    }
    StoreCommandText(result.text);
    MarkModified();
    LoadRowIntoEditor();
  }
}

void TFelirat::Utolsktsz1Click() {
  const TextEditResult result = MoveFirstWordUp(cds.Value(field::kSzoveg));
  if (result.outcome == TextEdit::kNoBreak) {
    ShowRowCommandInfo(kInformation, kNoBreakMessage);
    return;
  }
  {
    CommandUpdateScope update(*this);
    StoreCommandText(result.text);
  }
  MarkModified();
  LoadRowIntoEditor();
}

}  // namespace editor
