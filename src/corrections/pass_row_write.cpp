#include "corrections/pass_row_write.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "shell/state.h"

namespace corrections {

namespace field = dataset::subtitle_field;

void StorePassRowText(editor::TFelirat& editor, shell::SharedState& state, std::string_view text) {
  dataset::RowTable& cds = editor.cds;
  if (!cds.ControlsDisabled() || cds.State() != dataset::TableState::kBrowse || cds.IsEmpty()) {
    editor.SetRowText1(text, editor::RowWrite::kEdit);
    return;
  }
  std::string without_breaks;
  std::string_view stored = text;
  if (editor.Max2.Checked() && text.starts_with('|')) {
    without_breaks = editor::DropLeadingBreaks(text);
    stored = without_breaks;
  }
  // The flags are measured on what the field keeps.
  const auto width = static_cast<std::size_t>(cds.Field(field::kSzoveg).width);
  stored = stored.substr(0, std::min(stored.size(), width));
  state.LineLengths = editor::SplitLineLengths(stored);
  const editor::RowFlags flags = editor::MeasureRowFlags(state.LineLengths, editor.LetterLimit());
  const int row = cds.RecNo();
  // A flag is written only when it changes; UpdateRowFlags puts the text box's caret back
  // after each flag it writes.
  std::string_view long_line = cds.Cell(row, field::kBetu38);
  if (flags.long_line != (long_line == "t")) {
    long_line = editor::FlagValue(flags.long_line);
    state.LongLineRowCount += flags.long_line ? 1 : -1;
    editor.szoveg.SetSelStart(editor.szoveg.SelStart());
  }
  std::string_view many_lines = cds.Cell(row, field::kSor3);
  if (flags.many_lines != (many_lines == "t")) {
    many_lines = editor::FlagValue(flags.many_lines);
    state.ManyLineRowCount += flags.many_lines ? 1 : -1;
    editor.szoveg.SetSelStart(editor.szoveg.SelStart());
  }
  cds.WriteCurrentRow(
      {{field::kSzoveg, stored}, {field::kBetu38, long_line}, {field::kSor3, many_lines}});
  editor.Bmentes.SetEnabled(true);
  editor.Mentes1.SetEnabled(true);
}

}  // namespace corrections
